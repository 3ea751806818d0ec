#include "navigation/ConsultasMoneda.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <QList>
#include <memory>

namespace ConsultasMoneda {

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

void Cambiar(bool pesetas, EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
             db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    struct Cambio {
        std::shared_ptr<cNodo> nodo;
        QString consulta;
    };
    QList<Cambio> cambios;
    for (int i = 1; i <= estado.gcolNodo.Count(); ++i) {
        const auto& nodo = estado.gcolNodo.Item(i);
        const Lista lista = ListaDe(*nodo);
        if (lista != Lista::Ninguna)
            cambios.append({nodo, Consulta(lista, pesetas, estado.mlngCodEmpresaSeleccionada)});
    }

    // The table first, all or nothing; the model follows only a commit.
    if (!cambios.isEmpty()) {
        db::Transaction transaccion(conLocal);
        for (const Cambio& cambio : cambios)
            conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"),
                          {db::Value(cambio.consulta), db::Value(cambio.nodo->IDNodo())});
        transaccion.Commit();
    }
    for (const Cambio& cambio : cambios)
        cambio.nodo->SetSQLSelect(cambio.consulta);

    gobjInfoConfig.TrabajarConPesetas = pesetas;
    estado.mobjConfigContab.SetTrabajarConPesetas(pesetas);

    const QString valor = pesetas ? QStringLiteral("1") : QStringLiteral("0");
    ajustes.Guardar(ajustes.Seccion(PVAPI::cCRegistry::CONTABILIDAD()),
                    PVAPI::cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(), valor);
    ajustes.Guardar(ajustes.Seccion(PVAPI::cCRegistry::VODIDAZAZ()),
                    PVAPI::cCRegistry::VODIDAZAZ_TRABAJARENPESETAS(), valor);
}

} // namespace ConsultasMoneda

void ActualizarSQLPesetas(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                          db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    ConsultasMoneda::Cambiar(true, estado, gobjInfoConfig, conLocal, ajustes);
}

void ActualizarSQLEuros(EstadoPrincipal& estado, PVAPI::cInfoConfiguracion& gobjInfoConfig,
                        db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    ConsultasMoneda::Cambiar(false, estado, gobjInfoConfig, conLocal, ajustes);
}
