#include "actions/EmpresaSeleccionada.h"

#include "actions/IVentanaAcciones.h"
#include "core/EstadoPrincipal.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QList>

#include <functional>

namespace {

bool EsSeleccionada(IVentanaAcciones& ventana, qint32 lngID)
{
    return lngID != 0 && lngID == ventana.Estado().mlngCodEmpresaSeleccionada;
}

// The company node: "<…>", or blank once its company lost its row.
bool EsNodoEmpresa(const QString& texto)
{
    return (texto.startsWith(QLatin1Char('<')) && texto.endsWith(QLatin1Char('>'))) || texto.trimmed().isEmpty();
}

void RotularNodoEmpresa(IVentanaAcciones& ventana, const QString& rotulo)
{
    const int nodos = ventana.ContarNodos();
    for (int indice = 1; indice <= nodos; ++indice) {
        if (EsNodoEmpresa(ventana.TextoNodo(indice))) {
            ventana.CambiarTextoNodo(indice, rotulo);
            return;
        }
    }
}

// The accounting lists whose query names the selected company.
bool DependeDeEmpresa(const cNodo& nodo)
{
    static const QStringList kNombres = {QStringLiteral("Asientos"), QStringLiteral("Asientos predefinidos"),
                                         QStringLiteral("Cuentas"), QStringLiteral("SubCuentas"),
                                         QStringLiteral("Presupuesto")};
    return nodo.PadreDeNivel2() == QLatin1String("Contabilidad") && kNombres.contains(nodo.Nombre())
           && nodo.Descripcion() == nodo.Nombre();
}

// Gives each accounting list the query `consulta` makes of its caption,
// in `Nodo` in one transaction, then in the model (the stored text may
// differ from the model's, as for the emptied query).
void CambiarConsultasEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal,
                             const std::function<QString(const cNodo&)>& guardada,
                             const std::function<QString(const cNodo&)>& enModelo)
{
    QList<cNodo*> nodos;
    for (const auto& nodo : gcolNodo) {
        if (DependeDeEmpresa(*nodo))
            nodos << nodo.get();
    }
    if (nodos.isEmpty())
        return;
    db::Transaction transaccion(conLocal);
    for (const cNodo* nodo : nodos)
        conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"),
                      {db::Value(guardada(*nodo)), db::Value(nodo->IDNodo())});
    transaccion.Commit();
    for (cNodo* nodo : nodos)
        nodo->SetSQLSelect(enModelo(*nodo));
}

void VaciarConsultasEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal)
{
    CambiarConsultasEmpresa(
        gcolNodo, conLocal, [](const cNodo&) { return QStringLiteral(" "); }, [](const cNodo&) { return QString(); });
}

QString RotuloEmpresa(const db::Recordset& empresa)
{
    return QLatin1Char('<') + empresa.value(QStringLiteral("Abreviatura")).toString().toUpper() + QStringLiteral(" - ")
           + empresa.value(QStringLiteral("AñoEjercicio")).toString() + QLatin1Char('>');
}

} // namespace

void EmpresaSeleccionada::Reetiquetar(IVentanaAcciones& ventana, db::Connection& conContabilidad, qint32 lngID)
{
    if (!EsSeleccionada(ventana, lngID))
        return;
    db::Recordset empresa = conContabilidad.Query(
        QStringLiteral("SELECT Abreviatura, AñoEjercicio FROM Empresa WHERE IDEmpresa=?"), {db::Value(lngID)});
    if (empresa.isEOF())
        return;
    RotularNodoEmpresa(ventana, RotuloEmpresa(empresa));
}

void EmpresaSeleccionada::Quitar(IVentanaAcciones& ventana, db::Connection& conLocal, qint32 lngID)
{
    if (!EsSeleccionada(ventana, lngID))
        return;
    EstadoPrincipal& estado = ventana.Estado();
    RotularNodoEmpresa(ventana, QStringLiteral("<>"));
    estado.mlngCodEmpresaSeleccionada = 0;
    estado.mblnEjercicioCerrado = false;
    ventana.LiberarBloqueoEmpresa();
    VaciarConsultasEmpresa(estado.gcolNodo, conLocal);
}

QString EmpresaSeleccionada::ConsultaNodo(const QString& caption, const QString& id, bool pesetas)
{
    const QString crlf = QStringLiteral("\r\n");
    if (caption == u"Asientos") {
        const QString descuadre =
            pesetas ? QStringLiteral("(sum(CCur(CtdadDebe)) - sum(CCur(CtdadHaber))) AS Descuadre, IDAsiento ")
                    : QStringLiteral("(sum(CCur(CtdadDebeEuros)) - sum(CCur(CtdadHaberEuros))) AS Descuadre, IDAsiento ");
        return QStringLiteral("SELECT Numero, IDAsiento AS Clave, ConceptoAsiento, Fecha, COUNT(Apunte.IDApunte) AS "
                              "NumApuntes, ")
               + descuadre + crlf + QStringLiteral("FROM Asiento, Apunte ") + crlf
               + QStringLiteral("WHERE Asiento.IDAsiento = Apunte.CodAsiento AND Asiento.CodEmpresa = ") + id
               + QStringLiteral(" ") + crlf + QStringLiteral("GROUP BY Numero, IDAsiento, ConceptoAsiento, Fecha ")
               + crlf + QStringLiteral("ORDER BY Numero, Fecha");
    }
    if (caption == u"Asientos predefinidos")
        return QStringLiteral("SELECT Nombre, Count(IDApuntePredefinido) AS NumApuntes, IDAsientoPredefinido "
                              "FROM AsientoPredefinido, ApuntePredefinido "
                              "WHERE IDAsientoPredefinido = CodAsientoPredefinido AND codEmpresa = ")
               + id + QStringLiteral(" GROUP BY IDAsientoPredefinido, Nombre ORDER BY Nombre");
    if (caption == u"Cuentas" || caption == u"SubCuentas")
        return QStringLiteral("SELECT Codigo, Descripcion, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=%1 AND CodEmpresa=")
                   .arg(caption == u"Cuentas" ? 1 : 2)
               + id + QStringLiteral(" ORDER BY Codigo");
    if (caption == u"Presupuesto")
        return QStringLiteral("SELECT Codigo, ")
               + (pesetas ? QStringLiteral("PresupuestoTotal") : QStringLiteral("PresupuestoTotalEuros"))
               + QStringLiteral(", IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=") + id
               + QStringLiteral(" AND PresupuestoTotal <> '0' ORDER BY Codigo");
    return {};
}

void EmpresaSeleccionada::ActualizarNodos(IVentanaAcciones& ventana, db::Connection& conLocal,
                                          db::Connection& conContabilidad)
{
    ventana.BloquearEmpresa();
    EstadoPrincipal& estado = ventana.Estado();
    const qint32 lngID = estado.mlngCodEmpresaSeleccionada;
    const QString id = QString::number(lngID);
    const bool pesetas = estado.mobjConfigContab.TrabajarConPesetas();
    const auto consulta = [&](const cNodo& nodo) { return ConsultaNodo(nodo.Nombre(), id, pesetas); };
    CambiarConsultasEmpresa(estado.gcolNodo, conLocal, consulta, consulta);

    db::Recordset empresa = conContabilidad.Query(
        QStringLiteral("SELECT Abreviatura, AñoEjercicio, EjercicioCerrado FROM Empresa WHERE IDEmpresa=?"), {lngID});
    QString rotulo;
    if (!empresa.isEOF()) {
        rotulo = RotuloEmpresa(empresa);
        estado.mblnEjercicioCerrado = empresa.value(QStringLiteral("EjercicioCerrado")).toBool();
    }
    RotularNodoEmpresa(ventana, rotulo);
}
