#include "actions/EmpresaSeleccionada.h"

#include "actions/IVentanaAcciones.h"
#include "core/EstadoPrincipal.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"

#include <QList>

namespace {

bool EsSeleccionada(IVentanaAcciones& ventana, qint32 lngID)
{
    return lngID != 0 && lngID == ventana.Estado().mlngCodEmpresaSeleccionada;
}

bool EsNodoEmpresa(const QString& texto)
{
    return texto.startsWith(QLatin1Char('<')) && texto.endsWith(QLatin1Char('>'));
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

void VaciarConsultasEmpresa(ColeccionNodos& gcolNodo, db::Connection& conLocal)
{
    QList<cNodo*> vaciar;
    for (const auto& nodo : gcolNodo) {
        if (DependeDeEmpresa(*nodo))
            vaciar << nodo.get();
    }
    if (vaciar.isEmpty())
        return;
    db::Transaction transaccion(conLocal);
    for (const cNodo* nodo : vaciar)
        conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"),
                      {db::Value(QStringLiteral(" ")), db::Value(nodo->IDNodo())});
    transaccion.Commit();
    for (cNodo* nodo : vaciar)
        nodo->SetSQLSelect(QString());
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
    RotularNodoEmpresa(ventana, QLatin1Char('<') + empresa.value(QStringLiteral("Abreviatura")).toString().toUpper()
                                    + QStringLiteral(" - ") + empresa.value(QStringLiteral("AñoEjercicio")).toString()
                                    + QLatin1Char('>'));
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
