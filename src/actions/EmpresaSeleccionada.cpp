#include "actions/EmpresaSeleccionada.h"

#include "actions/IVentanaAcciones.h"
#include "core/EstadoPrincipal.h"
#include "navigation/ConsultasNodo.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

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
    ConsultasNodo::VaciarEmpresa(estado.gcolNodo, conLocal);
}

void EmpresaSeleccionada::ActualizarNodos(IVentanaAcciones& ventana, db::Connection& conLocal,
                                          db::Connection& conContabilidad)
{
    ventana.BloquearEmpresa();
    EstadoPrincipal& estado = ventana.Estado();
    const qint32 lngID = estado.mlngCodEmpresaSeleccionada;
    ConsultasNodo::ApuntarAEmpresa(estado.gcolNodo, conLocal, lngID, estado.mobjConfigContab.TrabajarConPesetas());

    db::Recordset empresa = conContabilidad.Query(
        QStringLiteral("SELECT Abreviatura, AñoEjercicio, EjercicioCerrado FROM Empresa WHERE IDEmpresa=?"), {lngID});
    QString rotulo;
    if (!empresa.isEOF()) {
        rotulo = RotuloEmpresa(empresa);
        estado.mblnEjercicioCerrado = empresa.value(QStringLiteral("EjercicioCerrado")).toBool();
    }
    RotularNodoEmpresa(ventana, rotulo);
}
