#include "actions/IVentanaAcciones.h"
#include "actions/PunteroEspera.h"
#include "actions/cIActionMenus.h"

#include "core/EstadoPrincipal.h"
#include "core/cConfigContabilidad.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "startup/App.h"

#include <QTreeWidget>

#include <optional>

namespace {

// The add-in's object, or the not-available answer when it is not installed.
template <class T>
T* Objeto(const std::unique_ptr<T>& objeto)
{
    if (!objeto)
        ui::AvisoNoDisponible();
    return objeto.get();
}

// The id of the first row, if any: a lookup that finds nothing calls
// nothing.
std::optional<qint32> PrimerId(db::Recordset rs)
{
    if (rs.isEOF())
        return std::nullopt;
    return qint32(rs.value(0).toInt64());
}

std::optional<qint32> IdNaturaleza(db::Connection& con, const QString& strNaturaleza)
{
    return PrimerId(
        con.Query(QStringLiteral("SELECT IDNaturaleza FROM Naturaleza WHERE Descripcion = ?"), {strNaturaleza}));
}

// The structure tree's selected node, if any.
QTreeWidgetItem* NodoSeleccionado(QTreeWidget& trvConta)
{
    const QList<QTreeWidgetItem*> seleccion = trvConta.selectedItems();
    return seleccion.isEmpty() ? nullptr : seleccion.first();
}

} // namespace

void cIActionMenus::NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                                  qint32 lngDocumento, qint32 lngNaturaleza, bool& blnCancelar)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    const PunteroEspera puntero;
    contabilidad->NuevoEpigrafe(objConfig, trvConta, m_app.den.conContabilidad, lngEmpresa, lngDocumento,
                                lngNaturaleza, blnCancelar);
}

void cIActionMenus::EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                                   qint32 lngDocumento, bool& blnCancelar)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    const PunteroEspera puntero;
    contabilidad->EditarEpigrafe(objConfig, trvConta, m_app.den.conContabilidad, lngEmpresa, lngDocumento,
                                 blnCancelar);
}

// A heading's key begins with a lower-case "e"; any other node is an
// account, whose key is "c" and its code.
void cIActionMenus::EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                                     qint32)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    const PunteroEspera puntero;
    const QTreeWidgetItem* nodo = NodoSeleccionado(trvConta);
    if (!nodo)
        return;
    const QString clave = nodo->data(0, Qt::UserRole).toString();
    db::Connection& con = m_app.den.conContabilidad;
    if (clave.startsWith(QLatin1Char('e'))) {
        contabilidad->EliminarEpigrafe(objConfig, trvConta, con, lngEmpresa);
        return;
    }
    const std::optional<qint32> cuenta =
        PrimerId(con.Query(QStringLiteral("SELECT IDCuenta FROM Cuenta WHERE Codigo = ? AND CodEmpresa = ?"),
                           {clave.mid(1), lngEmpresa}));
    if (!cuenta)
        return;
    qint32 lngCuenta = *cuenta;
    contabilidad->EliminarCuenta(objConfig, con, lngEmpresa, lngCuenta, &trvConta);
}

// Accounts and sub-accounts: the add-in's dialog with a cancel flag of its
// own; the hourglass stays for the caller's list reload.
template <class Llamar>
void EnCuentas(const std::unique_ptr<addins::cContabilidad>& objeto, Llamar llamar)
{
    addins::cContabilidad* contabilidad = Objeto(objeto);
    if (!contabilidad)
        return;
    PunteroEspera puntero;
    puntero.MantenerAlTerminar();
    bool blnCancelar = false;
    llamar(*contabilidad, blnCancelar);
}

void cIActionMenus::NuevaCuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa)
{
    EnCuentas(m_app.gobjContabilidad, [&](addins::cContabilidad& c, bool& cancelar) {
        c.NuevaCuenta(objConfig, m_app.den.conContabilidad, lngEmpresa, cancelar);
    });
}

void cIActionMenus::EditarCuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa, qint32 lngCuenta)
{
    EnCuentas(m_app.gobjContabilidad, [&](addins::cContabilidad& c, bool& cancelar) {
        c.EditarCuenta(objConfig, m_app.den.conContabilidad, lngEmpresa, lngCuenta, cancelar);
    });
}

void cIActionMenus::NuevaSubcuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa)
{
    EnCuentas(m_app.gobjContabilidad, [&](addins::cContabilidad& c, bool& cancelar) {
        c.NuevaSubcuenta(objConfig, m_app.den.conContabilidad, lngEmpresa, cancelar);
    });
}

void cIActionMenus::EditarSubcuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa, qint32 lngSubcuenta)
{
    EnCuentas(m_app.gobjContabilidad, [&](addins::cContabilidad& c, bool& cancelar) {
        c.EditarSubcuenta(objConfig, m_app.den.conContabilidad, lngEmpresa, lngSubcuenta, cancelar);
    });
}

void cIActionMenus::AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                                  const QString& strNaturaleza, bool& blnCancelar)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    db::Connection& con = m_app.den.conContabilidad;
    if (const std::optional<qint32> naturaleza = IdNaturaleza(con, strNaturaleza))
        contabilidad->AsignarCuenta(objConfig, trvConta, con, lngEmpresa, *naturaleza, blnCancelar);
}

void cIActionMenus::DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                                     const QString& strNaturaleza)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    db::Connection& con = m_app.den.conContabilidad;
    if (const std::optional<qint32> naturaleza = IdNaturaleza(con, strNaturaleza))
        contabilidad->DesasignarCuenta(objConfig, trvConta, con, lngEmpresa, *naturaleza);
}

void cIActionMenus::NuevaEmpresa(qint32& lngCodNuevaEmpr)
{
    addins::cContabilidad* contabilidad = Objeto(m_app.gobjContabilidad);
    if (!contabilidad)
        return;
    const PunteroEspera puntero;
    qint32 nueva = 0;
    contabilidad->NuevaEmpresa(Ventana().Estado().mobjConfigContab, m_app.den.conContabilidad, nueva);
    lngCodNuevaEmpr = nueva;
}

void cIActionMenus::EnlaceContabilidad()
{
    if (addins::cVodidazaz* vodidazaz = Objeto(m_app.gobjVodidazaz))
        vodidazaz->EnlaceContabilidad(m_app.den.conLocal, m_app.den.conContabilidad, *m_app.gobjInfoConfig);
}

void cIActionMenus::EnlaceContabManual()
{
    if (addins::cVodidazaz* vodidazaz = Objeto(m_app.gobjVodidazaz))
        vodidazaz->EnlaceContabManual(m_app.den.conLocal, m_app.den.conContabilidad, *m_app.gobjInfoConfig);
}
