#include "navigation/ConsultasNodo.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace ConsultasNodo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Which list a node shows, by the exact comparisons the lists were always
// recognised by; the accounting lists only under "Contabilidad".
enum class Lista { Ninguna, Asientos, Presupuesto, RecibosCaja, Remesas };

Lista ListaDe(const cNodo& nodo)
{
    const QString nombre = nodo.Nombre();
    const QString descripcion = nodo.Descripcion();
    const bool contabilidad = nodo.PadreDeNivel2() == QLatin1String("Contabilidad");
    if (nombre == QLatin1String("Asientos") && descripcion == QLatin1String("Asientos") && contabilidad)
        return Lista::Asientos;
    if (nombre == QLatin1String("Presupuesto") && descripcion == QLatin1String("Presupuesto") && contabilidad)
        return Lista::Presupuesto;
    if (nombre == QLatin1String("Recibos por caja") && descripcion == QLatin1String("Recibo"))
        return Lista::RecibosCaja;
    if (nombre == QLatin1String("Remesas") && descripcion == QLatin1String("Remesa"))
        return Lista::Remesas;
    return Lista::Ninguna;
}

QString Consulta(Lista lista, bool pesetas, qint32 empresa)
{
    switch (lista) {
    case Lista::Asientos:
        return Asientos(pesetas, empresa);
    case Lista::Presupuesto:
        return Presupuesto(pesetas, empresa);
    case Lista::RecibosCaja:
        return RecibosCaja(pesetas);
    case Lista::Remesas:
        return Remesas(pesetas);
    case Lista::Ninguna:
        break;
    }
    return {};
}

} // namespace

QString Asientos(bool pesetas, qint32 empresa)
{
    return QStringLiteral("SELECT Numero, IDAsiento AS Clave, ConceptoAsiento, Fecha, "
                          "COUNT(Apunte.IDApunte) AS NumApuntes, ")
           + (pesetas ? QStringLiteral("(sum(CCur(CtdadDebe)) - sum(CCur(CtdadHaber))) AS Descuadre, IDAsiento ")
                      : QStringLiteral("(sum(CCur(CtdadDebeEuros)) - sum(CCur(CtdadHaberEuros))) AS Descuadre, "
                                       "IDAsiento "))
           + kCrLf + QStringLiteral("FROM Asiento, Apunte ") + kCrLf
           + QStringLiteral("WHERE Asiento.IDAsiento = Apunte.CodAsiento AND Asiento.CodEmpresa = ")
           + QString::number(empresa) + QStringLiteral(" ") + kCrLf
           + QStringLiteral("GROUP BY Numero, IDAsiento, ConceptoAsiento, Fecha ") + kCrLf
           + QStringLiteral("ORDER BY Numero, Fecha");
}

QString Presupuesto(bool pesetas, qint32 empresa)
{
    // The filter stays on the peseta column in both currencies: a budget is
    // "none" when its peseta total is "0".
    return (pesetas ? QStringLiteral("SELECT Codigo, PresupuestoTotal, IDCuenta ")
                    : QStringLiteral("SELECT Codigo, PresupuestoTotalEuros, IDCuenta "))
           + QStringLiteral("FROM Cuenta WHERE CodTipo_Cuenta = 2 AND CodEmpresa = ") + QString::number(empresa)
           + QStringLiteral(" AND PresupuestoTotal <> '0' ORDER BY Codigo");
}

QString RecibosCaja(bool pesetas)
{
    return QStringLiteral("SELECT Recibo.NumeroRecibo, Recibo.NumCertificado, "
                          "Recibo.Fecha, Tipo_Donativo.Descripcion, Padron.Nombre, "
                          "Padron.PrimerApellido, Padron.SegundoApellido, Institucion.Nombre, ")
           + (pesetas ? QStringLiteral("Recibo.Importe, Recibo.IDRecibo ")
                      : QStringLiteral("Recibo.ImporteEur, Recibo.IDRecibo "))
           + kCrLf + QStringLiteral("FROM Recibo, Tipo_Donativo, Donativo, Padron, Institucion ") + kCrLf
           + QStringLiteral("WHERE Recibo.CodDonativo = Donativo.IDDonativo "
                            "AND Donativo.CodPersonaDonativo = Padron.IDPadron "
                            "AND Donativo.CodInstitucion = Institucion.IDInstitucion "
                            "AND Donativo.CodTipoDonativo = Tipo_Donativo.IDTipo_Donativo "
                            "AND Recibo.PagoBanco = False ")
           + kCrLf
           + QStringLiteral("ORDER BY Recibo.Fecha, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre");
}

QString Remesas(bool pesetas)
{
    return QStringLiteral("SELECT Remesa.Fecha, Presentador.Nombre, Presentador.PrimerApellido, ")
           + (pesetas ? QStringLiteral("Presentador.SegundoApellido, Remesa.ImporteTotal, ")
                      : QStringLiteral("Presentador.SegundoApellido, Remesa.ImporteTotalEur, "))
           + QStringLiteral("Remesa.IDRemesa ") + kCrLf + QStringLiteral("FROM Remesa, Presentador ") + kCrLf
           + QStringLiteral("WHERE Remesa.CodPresentador = IDPresentador ") + kCrLf
           + QStringLiteral("ORDER BY Remesa.Fecha");
}

QString DeEmpresa(const QString& nombre, qint32 empresa, bool pesetas)
{
    const QString id = QString::number(empresa);
    if (nombre == u"Asientos")
        return Asientos(pesetas, empresa);
    if (nombre == u"Asientos predefinidos")
        return QStringLiteral("SELECT Nombre, Count(IDApuntePredefinido) AS NumApuntes, IDAsientoPredefinido "
                              "FROM AsientoPredefinido, ApuntePredefinido "
                              "WHERE IDAsientoPredefinido = CodAsientoPredefinido AND codEmpresa = ")
               + id + QStringLiteral(" GROUP BY IDAsientoPredefinido, Nombre ORDER BY Nombre");
    if (nombre == u"Cuentas" || nombre == u"SubCuentas")
        return QStringLiteral("SELECT Codigo, Descripcion, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=%1 AND CodEmpresa=")
                   .arg(nombre == u"Cuentas" ? 1 : 2)
               + id + QStringLiteral(" ORDER BY Codigo");
    // The company selection writes the budget without the blanks around
    // "=" that the currency switch writes.
    if (nombre == u"Presupuesto")
        return QStringLiteral("SELECT Codigo, ")
               + (pesetas ? QStringLiteral("PresupuestoTotal") : QStringLiteral("PresupuestoTotalEuros"))
               + QStringLiteral(", IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=") + id
               + QStringLiteral(" AND PresupuestoTotal <> '0' ORDER BY Codigo");
    return {};
}

bool DependeDeEmpresa(const cNodo& nodo)
{
    static const QStringList kNombres = {QStringLiteral("Asientos"), QStringLiteral("Asientos predefinidos"),
                                         QStringLiteral("Cuentas"), QStringLiteral("SubCuentas"),
                                         QStringLiteral("Presupuesto")};
    return nodo.PadreDeNivel2() == QLatin1String("Contabilidad") && kNombres.contains(nodo.Nombre())
           && nodo.Descripcion() == nodo.Nombre();
}

namespace {

// One list's new query: `guardada` for `Nodo`, `enModelo` for the model
// (they differ for the emptied query).
struct Cambio {
    cNodo* nodo;
    QString guardada;
    QString enModelo;
};

// The table first, all or nothing, with bound values; the model follows
// only a commit.
void Reescribir(db::Connection& conLocal, const QList<Cambio>& cambios)
{
    if (cambios.isEmpty())
        return;
    db::Transaction transaccion(conLocal);
    for (const Cambio& cambio : cambios)
        conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"),
                      {db::Value(cambio.guardada), db::Value(cambio.nodo->IDNodo())});
    transaccion.Commit();
    for (const Cambio& cambio : cambios)
        cambio.nodo->SetSQLSelect(cambio.enModelo);
}

QList<Cambio> CambiosEmpresa(ColeccionNodos& gcolNodo, const std::function<Cambio(cNodo&)>& cambio)
{
    QList<Cambio> cambios;
    for (const auto& nodo : gcolNodo) {
        if (DependeDeEmpresa(*nodo))
            cambios << cambio(*nodo);
    }
    return cambios;
}

} // namespace

void ApuntarAEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal, qint32 empresa, bool pesetas)
{
    Reescribir(conLocal, CambiosEmpresa(gcolNodo, [&](cNodo& nodo) {
                   const QString consulta = DeEmpresa(nodo.Nombre(), empresa, pesetas);
                   return Cambio {&nodo, consulta, consulta};
               }));
}

void VaciarEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal)
{
    Reescribir(conLocal,
               CambiosEmpresa(gcolNodo, [](cNodo& nodo) { return Cambio {&nodo, QStringLiteral(" "), QString()}; }));
}

void AjustarAlPuesto(ColeccionNodos& gcolNodo, qint32 empresa, bool contabilidadEnPesetas, bool donativosEnPesetas)
{
    for (const auto& nodo : gcolNodo) {
        if (DependeDeEmpresa(*nodo)) {
            nodo->SetSQLSelect(empresa == 0 ? QString() : DeEmpresa(nodo->Nombre(), empresa, contabilidadEnPesetas));
            continue;
        }
        const Lista lista = ListaDe(*nodo);
        if (lista == Lista::RecibosCaja || lista == Lista::Remesas)
            nodo->SetSQLSelect(Consulta(lista, donativosEnPesetas, empresa));
    }
}

void CambiarMoneda(bool pesetas, EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                   db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    QList<Cambio> cambios;
    for (const auto& nodo : estado.gcolNodo) {
        const Lista lista = ListaDe(*nodo);
        if (lista == Lista::Ninguna)
            continue;
        const QString consulta = Consulta(lista, pesetas, estado.mlngCodEmpresaSeleccionada);
        cambios.append({nodo.get(), consulta, consulta});
    }
    Reescribir(conLocal, cambios);

    gobjInfoConfig.TrabajarConPesetas = pesetas;
    estado.mobjConfigContab.SetTrabajarConPesetas(pesetas);

    const QString valor = pesetas ? QStringLiteral("1") : QStringLiteral("0");
    ajustes.Guardar(ajustes.Seccion(PVAPI::cCRegistry::CONTABILIDAD()),
                    PVAPI::cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(), valor);
    ajustes.Guardar(ajustes.Seccion(PVAPI::cCRegistry::VODIDAZAZ()),
                    PVAPI::cCRegistry::VODIDAZAZ_TRABAJARENPESETAS(), valor);
}

} // namespace ConsultasNodo

void ActualizarSQLPesetas(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                          db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    ConsultasNodo::CambiarMoneda(true, estado, gobjInfoConfig, conLocal, ajustes);
}

void ActualizarSQLEuros(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                        db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    ConsultasNodo::CambiarMoneda(false, estado, gobjInfoConfig, conLocal, ajustes);
}
