#include "NvContabilidad/ContabilidadSustituto.h"
#include "NvContabilidad/MoverSubcuenta.h"

#include "comun/ArbolContabilidad.h"
#include "comun/AvisoNoDisponible.h"
#include "comun/EmpresasContabilidad.h"
#include "comun/ModuloDeUnaClase.h"
#include "comun/TablasRegistroContabilidad.h"
#include "core/cConfigContabilidad.h"
#include "platform/addins/ContabilidadPassword.h"
#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroEleccion.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/vb/Format.h"

#include <QApplication>
#include <QTreeWidget>

#include <cmath>

namespace addins {

namespace {

void Mensaje(const QString& texto)
{
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
}

bool Preguntar(const QString& texto)
{
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2)
        == ui::vbYes;
}

QString TextoCambiadaPorOtro()
{
    return QStringLiteral("¡Otro puesto ha cambiado la empresa mientras tanto; no se ha hecho nada!");
}

// The selected company of a year command, or a message saying why there is none.
bool EmpresaDelEjercicio(db::Connection& con, qint32 lngEmpresa, EmpresasContabilidad::Empresa& empresa)
{
    if (lngEmpresa == 0) {
        Mensaje(QStringLiteral("¡No hay ninguna empresa seleccionada!"));
        return false;
    }
    if (!EmpresasContabilidad::Leer(con, lngEmpresa, empresa)) {
        Mensaje(QStringLiteral("¡La empresa seleccionada ya no existe!"));
        return false;
    }
    return true;
}

// The members that work on the selected company say so when there is none.
bool HayEmpresa(qint32 lngEmpresa)
{
    if (lngEmpresa != 0)
        return true;
    Mensaje(QStringLiteral("¡No hay ninguna empresa seleccionada!"));
    return false;
}

bool EmpresaAbierta(db::Connection& con, qint32 lngEmpresa)
{
    if (!HayEmpresa(lngEmpresa))
        return false;
    if (TablasRegistroContabilidad::EjercicioCerrado(con, lngEmpresa)) {
        Mensaje(QStringLiteral("¡El ejercicio de esta empresa está cerrado: sus asientos no se pueden crear, cambiar "
                               "ni eliminar!"));
        return false;
    }
    return true;
}

qint64 EmpresaDe(db::Connection& con, const QString& consulta, qint64 id)
{
    db::Recordset rs = con.Query(consulta, {id});
    return rs.isEOF() || rs.value(0).isNull() ? 0 : rs.value(0).toInt64();
}

bool Cargar(db::Connection& con, widgets::DialogoRegistroDatos& datos, qint64 id)
{
    try {
        datos.Cargar(con, id);
    } catch (const widgets::DialogoRegistroError& error) {
        Mensaje(error.texto());
        return false;
    }
    return true;
}

// The heading selected in the tree, or a message asking for one.
qint64 EpigrafeSeleccionado(const QTreeWidget& trvConta)
{
    const qint64 id = ArbolContabilidad::IdEpigrafe(ArbolContabilidad::Seleccionado(trvConta));
    if (id == 0)
        Mensaje(QStringLiteral("¡Seleccione un epígrafe en el árbol!"));
    return id;
}

bool EliminarCuentaDeEmpresa(db::Connection& con, qint32 lngEmpresa, qint64 id, int tipo)
{
    db::Recordset rs = con.Query(QStringLiteral("SELECT Codigo, Descripcion FROM Cuenta WHERE IDCuenta = ?"), {id});
    const QString pregunta = rs.isEOF() ? QStringLiteral("¿Desea eliminar la cuenta?")
                                        : QStringLiteral("¿Desea eliminar la %1 %2 - %3?")
                                              .arg(tipo == 2 ? QStringLiteral("subcuenta") : QStringLiteral("cuenta"),
                                                   rs.value(0).toString(), rs.value(1).toString());
    return widgets::DialogoRegistro::EliminarRegistro(con, TablasRegistroContabilidad::Cuenta(lngEmpresa, tipo), id,
                                                      pregunta);
}

// An entry's dialog: the record is kept in memory while the user edits it,
// so the questions about it are asked with nothing locked. An entry without
// lines is refused; one whose debit and credit differ is written only when
// the user agrees; otherwise the dialog comes back with what was typed.
bool EditarAsientoEnDialogo(db::Connection& con, widgets::DialogoRegistroDatos& asiento, bool pesetas)
{
    for (;;) {
        widgets::DialogoRegistro dialogo(con, asiento, widgets::DialogoRegistro::Modo::Memoria,
                                         QApplication::activeWindow());
        if (widgets::DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
            return false;
        if (asiento.Filas(0) == 0) {
            Mensaje(QStringLiteral("¡El asiento debe tener al menos un apunte!"));
            continue;
        }
        double debe = 0;
        double haber = 0;
        for (int i = 0; i < asiento.Filas(0); ++i) {
            const widgets::DialogoRegistroDatos& apunte = asiento.Fila(0, i);
            const db::Value d = apunte.Valor(TablasRegistroContabilidad::ColumnaDebe(pesetas));
            const db::Value h = apunte.Valor(TablasRegistroContabilidad::ColumnaHaber(pesetas));
            debe += d.isNull() ? 0 : d.toDouble();
            haber += h.isNull() ? 0 : h.toDouble();
        }
        const qint64 descuadre = std::llround((debe - haber) * 100);
        if (descuadre != 0
            && !Preguntar(QStringLiteral("El asiento está descuadrado: el Debe suma %1 y el Haber %2 %3.\r\n"
                                         "¿Desea guardarlo así?")
                              .arg(vb::FormatNumber(debe, pesetas ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00")),
                                   vb::FormatNumber(haber, pesetas ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00")),
                                   pesetas ? QStringLiteral("pesetas") : QStringLiteral("euros"))))
            continue;
        try {
            asiento.Escribir(con);
            return true;
        } catch (const widgets::DialogoRegistroError& error) {
            Mensaje(error.texto());
        }
    }
}

} // namespace

void ContabilidadSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvContabilidad"), QString::fromLatin1(funcion));
}

QString ContabilidadSustituto::ObtenerPasswordContabilidad(const QString&)
{
    return PasswordContabilidad();
}

void ContabilidadSustituto::CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta,
                                        const ListaImagenes& imlConta, qint16 intTipo, qint32& lngEmpresa)
{
    ArbolContabilidad::Cargar(conContabilidad, trvConta, imlConta, intTipo, lngEmpresa);
}

void ContabilidadSustituto::NuevaEmpresa(const cConfigContabilidad&, db::Connection& conContabilidad,
                                         qint32& lngCodNuevaEmpr)
{
    lngCodNuevaEmpr = 0;
    widgets::DialogoRegistroDatos empresa(TablasRegistroContabilidad::Empresa(true));
    empresa.Nuevo();
    if (widgets::DialogoRegistro::Editar(conContabilidad, empresa))
        lngCodNuevaEmpr = qint32(empresa.Id());
}

void ContabilidadSustituto::EditaEmpresa(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Empresa(false), lngID);
}

void ContabilidadSustituto::EliminaEmpresa(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID,
                                           bool& blnEliminada)
{
    blnEliminada = false;
    EmpresasContabilidad::Empresa empresa;
    const QString pregunta =
        EmpresasContabilidad::Leer(conContabilidad, lngID, empresa)
            ? QStringLiteral("¿Desea eliminar la empresa %1 (%2) con todas sus cuentas, epígrafes y asientos?")
                  .arg(empresa.nombre, EmpresasContabilidad::Nombre(empresa))
            : QStringLiteral("¿Desea eliminar la empresa?");
    blnEliminada = widgets::DialogoRegistro::EliminarRegistro(conContabilidad,
                                                              TablasRegistroContabilidad::Empresa(false), lngID,
                                                              pregunta);
}

void ContabilidadSustituto::NuevoAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                         qint32 lngEmpresa)
{
    if (!EmpresaAbierta(conContabilidad, lngEmpresa))
        return;
    widgets::DialogoRegistroDatos asiento(TablasRegistroContabilidad::Asiento(lngEmpresa),
                                          TablasRegistroContabilidad::Moneda(objConfig));
    asiento.Nuevo();
    // The next number of the company's journal; the user may change it.
    const db::Value ultimo =
        conContabilidad.Query(QStringLiteral("SELECT MAX(Numero) FROM Asiento WHERE CodEmpresa = ?"), {lngEmpresa})
            .value(0);
    asiento.EstablecerValor(QStringLiteral("Numero"), (ultimo.isNull() ? qint64(0) : ultimo.toInt64()) + 1);
    EditarAsientoEnDialogo(conContabilidad, asiento, objConfig.TrabajarConPesetas());
}

void ContabilidadSustituto::NuevoAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                    qint32 lngEmpresa)
{
    if (!HayEmpresa(lngEmpresa))
        return;
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::AsientoPredefinido(lngEmpresa),
                                             0, TablasRegistroContabilidad::Moneda(objConfig));
}

void ContabilidadSustituto::NuevoPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                             qint32 lngEmpresa)
{
    if (!HayEmpresa(lngEmpresa))
        return;
    // The company's id is a number of ours, written into the offer's query.
    const qint64 subcuenta = widgets::DialogoRegistroEleccion::Elegir(
        conContabilidad,
        QStringLiteral("SELECT IDCuenta, Codigo & \" - \" & Descripcion FROM Cuenta WHERE CodTipo_Cuenta = 2 "
                       "AND CodEmpresa = %1 AND PresupuestoTotal = '0' ORDER BY Codigo")
            .arg(lngEmpresa),
        {QStringLiteral("Nuevo presupuesto"), QStringLiteral("¿Qué subcuenta desea presupuestar?"),
         QStringLiteral("Subcuenta"), QStringLiteral("Presupuestar"), QString()});
    if (subcuenta == widgets::DialogoRegistroEleccion::Cancelada)
        return;
    if (subcuenta == widgets::DialogoRegistroEleccion::Nueva) {
        Mensaje(QStringLiteral("¡No hay ninguna subcuenta sin presupuesto en esta empresa!"));
        return;
    }
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Presupuesto(), subcuenta,
                                             TablasRegistroContabilidad::Moneda(objConfig));
}

void ContabilidadSustituto::NuevoGrupo(cConfigContabilidad&, db::Connection& conContabilidad)
{
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Grupo(), 0);
}

void ContabilidadSustituto::EditarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngID)
{
    const qint64 empresa = EmpresaDe(conContabilidad, QStringLiteral("SELECT CodEmpresa FROM Asiento WHERE IDAsiento = ?"),
                                     lngID);
    widgets::DialogoRegistroDatos asiento(TablasRegistroContabilidad::Asiento(empresa),
                                          TablasRegistroContabilidad::Moneda(objConfig));
    if (!Cargar(conContabilidad, asiento, lngID))
        return;
    // A closed year's entries are shown, not changed.
    if (TablasRegistroContabilidad::EjercicioCerrado(conContabilidad, empresa)) {
        widgets::DialogoRegistro dialogo(conContabilidad, asiento, widgets::DialogoRegistro::Modo::Consulta,
                                         QApplication::activeWindow());
        dialogo.setWindowTitle(QStringLiteral("Asiento (ejercicio cerrado)"));
        widgets::DialogoRegistroEjecutor::Ejecutar(dialogo);
        return;
    }
    EditarAsientoEnDialogo(conContabilidad, asiento, objConfig.TrabajarConPesetas());
}

void ContabilidadSustituto::EditarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                     qint32& lngID)
{
    const qint64 empresa = EmpresaDe(
        conContabilidad, QStringLiteral("SELECT codEmpresa FROM AsientoPredefinido WHERE IDAsientoPredefinido = ?"),
        lngID);
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::AsientoPredefinido(empresa),
                                             lngID, TablasRegistroContabilidad::Moneda(objConfig));
}

void ContabilidadSustituto::EditarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                              qint32& lngID)
{
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Presupuesto(), lngID,
                                             TablasRegistroContabilidad::Moneda(objConfig));
}

void ContabilidadSustituto::EditarGrupo(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Grupo(), lngID);
}

void ContabilidadSustituto::EliminarAsiento(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    db::Recordset rs = conContabilidad.Query(
        QStringLiteral("SELECT CodEmpresa, Numero FROM Asiento WHERE IDAsiento = ?"), {lngID});
    if (!rs.isEOF() && TablasRegistroContabilidad::EjercicioCerrado(conContabilidad, rs.value(0).toInt64())) {
        Mensaje(QStringLiteral("¡El ejercicio de esta empresa está cerrado: sus asientos no se pueden crear, cambiar "
                               "ni eliminar!"));
        return;
    }
    const qint64 empresa = rs.isEOF() ? 0 : rs.value(0).toInt64();
    widgets::DialogoRegistro::EliminarRegistro(
        conContabilidad, TablasRegistroContabilidad::Asiento(empresa), lngID,
        rs.isEOF() ? QStringLiteral("¿Desea eliminar el asiento?")
                   : QStringLiteral("¿Desea eliminar el asiento número %1 con todos sus apuntes?").arg(rs.value(1).toString()));
}

void ContabilidadSustituto::EliminarAsientoPredefinido(cConfigContabilidad&, db::Connection& conContabilidad,
                                                       qint32& lngID)
{
    widgets::DialogoRegistro::EliminarRegistro(conContabilidad, TablasRegistroContabilidad::AsientoPredefinido(0),
                                               lngID,
                                               QStringLiteral("¿Desea eliminar el asiento predefinido con todos sus "
                                                              "apuntes?"));
}

void ContabilidadSustituto::EliminarPresupuesto(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    if (!Preguntar(QStringLiteral("¿Desea eliminar el presupuesto de la subcuenta?")))
        return;
    // "0" in both currencies is "no budget"; the sub-account stays.
    if (conContabilidad.Exec(QStringLiteral("UPDATE Cuenta SET PresupuestoTotal = '0', PresupuestoTotalEuros = '0' "
                                            "WHERE IDCuenta = ?"),
                             {lngID})
        == 0)
        Mensaje(QStringLiteral("¡La subcuenta ya no existe!"));
}

void ContabilidadSustituto::EliminarGrupo(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    widgets::DialogoRegistro::EliminarRegistro(conContabilidad, TablasRegistroContabilidad::Grupo(), lngID,
                                               QStringLiteral("¿Desea eliminar el grupo?"));
}

void ContabilidadSustituto::NuevaCuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa,
                                        bool& blnCancelar)
{
    blnCancelar = true;
    if (HayEmpresa(lngEmpresa))
        blnCancelar =
            !widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Cuenta(lngEmpresa, 1), 0);
}

void ContabilidadSustituto::EditarCuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa,
                                         qint32& lngCuenta, bool& blnCancelar)
{
    blnCancelar = !widgets::DialogoRegistro::EditarRegistro(conContabilidad,
                                                            TablasRegistroContabilidad::Cuenta(lngEmpresa, 1), lngCuenta);
}

void ContabilidadSustituto::EliminarCuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa,
                                           qint32& lngCuenta, QTreeWidget* trvConta)
{
    if (EliminarCuentaDeEmpresa(conContabilidad, lngEmpresa, lngCuenta, 1) && trvConta)
        ArbolContabilidad::Recargar(conContabilidad, *trvConta, lngEmpresa);
}

void ContabilidadSustituto::NuevaSubcuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa,
                                           bool& blnCancelar)
{
    blnCancelar = true;
    if (HayEmpresa(lngEmpresa))
        blnCancelar =
            !widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Cuenta(lngEmpresa, 2), 0);
}

void ContabilidadSustituto::EditarSubcuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa,
                                            qint32& lngSubcuenta, bool& blnCancelar)
{
    blnCancelar = !widgets::DialogoRegistro::EditarRegistro(
        conContabilidad, TablasRegistroContabilidad::Cuenta(lngEmpresa, 2), lngSubcuenta);
}

void ContabilidadSustituto::EliminarSubcuenta(cConfigContabilidad&, db::Connection& conContabilidad, qint32 lngEmpresa,
                                              qint32& lngID)
{
    EliminarCuentaDeEmpresa(conContabilidad, lngEmpresa, lngID, 2);
}

void ContabilidadSustituto::NuevoEpigrafe(cConfigContabilidad&, QTreeWidget& trvConta, db::Connection& conContabilidad,
                                          qint32& lngEmpresa, qint32& lngDocumento, qint32& lngNaturaleza,
                                          bool& blnCancelar)
{
    blnCancelar = true;
    if (!HayEmpresa(lngEmpresa))
        return;
    widgets::DialogoRegistroDatos epigrafe(
        TablasRegistroContabilidad::Epigrafe(lngEmpresa, lngDocumento, lngNaturaleza));
    epigrafe.Nuevo();
    // Under the heading selected: its code begins the new one's.
    const qint64 padre = ArbolContabilidad::IdEpigrafe(ArbolContabilidad::Seleccionado(trvConta));
    if (padre != 0) {
        db::Recordset rs = conContabilidad.Query(
            QStringLiteral("SELECT CodigoEpigrafe FROM Estructura WHERE IDEstructura = ?"), {padre});
        if (!rs.isEOF())
            epigrafe.EstablecerValor(QStringLiteral("CodigoEpigrafe"), rs.value(0).toString());
    }
    if (!widgets::DialogoRegistro::Editar(conContabilidad, epigrafe))
        return;
    blnCancelar = false;
    ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa, ArbolContabilidad::ClaveEpigrafe(epigrafe.Id()));
}

void ContabilidadSustituto::EditarEpigrafe(cConfigContabilidad&, QTreeWidget& trvConta, db::Connection& conContabilidad,
                                           qint32& lngEmpresa, qint32& lngDocumento, bool& blnCancelar)
{
    blnCancelar = true;
    const qint64 id = EpigrafeSeleccionado(trvConta);
    if (id == 0)
        return;
    if (!widgets::DialogoRegistro::EditarRegistro(conContabilidad,
                                                  TablasRegistroContabilidad::Epigrafe(lngEmpresa, lngDocumento, 0), id))
        return;
    blnCancelar = false;
    ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa);
}

void ContabilidadSustituto::EliminarEpigrafe(cConfigContabilidad&, QTreeWidget& trvConta, db::Connection& conContabilidad,
                                             qint32& lngEmpresa)
{
    const qint64 id = EpigrafeSeleccionado(trvConta);
    if (id == 0)
        return;
    const QTreeWidgetItem* nodo = ArbolContabilidad::Seleccionado(trvConta);
    const QString padre = ArbolContabilidad::Clave(nodo->parent());
    if (widgets::DialogoRegistro::EliminarRegistro(
            conContabilidad, TablasRegistroContabilidad::Epigrafe(lngEmpresa, 0, 0), id,
            QStringLiteral("¿Desea eliminar el epígrafe «%1»?").arg(nodo->text(0))))
        ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa, padre);
}

void ContabilidadSustituto::AsignarCuenta(cConfigContabilidad&, QTreeWidget& trvConta, db::Connection& conContabilidad,
                                          qint32& lngEmpresa, qint32, bool& blnCancelar)
{
    blnCancelar = true;
    const qint64 epigrafe = EpigrafeSeleccionado(trvConta);
    if (epigrafe == 0)
        return;
    // Ids of ours, written into the offer's query.
    const qint64 cuenta = widgets::DialogoRegistroEleccion::Elegir(
        conContabilidad,
        QStringLiteral("SELECT IDCuenta, Codigo & \" - \" & Descripcion FROM Cuenta WHERE CodEmpresa = %1 "
                       "AND IDCuenta NOT IN (SELECT codCuenta FROM Rel_Estructura_Cuenta WHERE codEstructura = %2) "
                       "ORDER BY Codigo")
            .arg(lngEmpresa)
            .arg(epigrafe),
        {QStringLiteral("Asignar cuenta a epígrafe"),
         QStringLiteral("¿Qué cuenta desea asignar al epígrafe «%1»?")
             .arg(ArbolContabilidad::Seleccionado(trvConta)->text(0)),
         QStringLiteral("Cuenta"), QStringLiteral("Asignar"), QString()});
    if (cuenta == widgets::DialogoRegistroEleccion::Cancelada)
        return;
    if (cuenta == widgets::DialogoRegistroEleccion::Nueva) {
        Mensaje(QStringLiteral("¡No queda ninguna cuenta que asignar a este epígrafe!"));
        return;
    }
    QString codigo;
    {
        db::Transaction transaccion(conContabilidad);
        db::Recordset rs = conContabilidad.Query(
            QStringLiteral("SELECT Codigo FROM Cuenta WHERE IDCuenta = ? AND CodEmpresa = ?"), {cuenta, lngEmpresa});
        if (rs.isEOF()
            || conContabilidad.Query(QStringLiteral("SELECT COUNT(*) FROM Estructura WHERE IDEstructura = ?"), {epigrafe})
                       .value(0)
                       .toInt64()
                   == 0) {
            transaccion.Rollback();
            Mensaje(QStringLiteral("¡Otro puesto ha eliminado la cuenta o el epígrafe mientras tanto!"));
            ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa);
            return;
        }
        codigo = rs.value(0).toString();
        if (conContabilidad
                .Query(QStringLiteral("SELECT COUNT(*) FROM Rel_Estructura_Cuenta WHERE codEstructura = ? AND codCuenta = ?"),
                       {epigrafe, cuenta})
                .value(0)
                .toInt64()
            == 0)
            conContabilidad.Exec(
                QStringLiteral("INSERT INTO Rel_Estructura_Cuenta (codEstructura, codCuenta, Desglosar) VALUES (?, ?, 0)"),
                {epigrafe, cuenta});
        transaccion.Commit();
    }
    blnCancelar = false;
    ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa, ArbolContabilidad::ClaveCuenta(codigo));
}

void ContabilidadSustituto::DesasignarCuenta(cConfigContabilidad&, QTreeWidget& trvConta, db::Connection& conContabilidad,
                                             qint32& lngEmpresa, qint32)
{
    const QTreeWidgetItem* nodo = ArbolContabilidad::Seleccionado(trvConta);
    const QString clave = ArbolContabilidad::Clave(nodo);
    const qint64 epigrafe = nodo ? ArbolContabilidad::IdEpigrafe(nodo->parent()) : 0;
    if (!clave.startsWith(QLatin1Char('c')) || epigrafe == 0) {
        Mensaje(QStringLiteral("¡Seleccione en el árbol la cuenta que desea desasignar de su epígrafe!"));
        return;
    }
    if (!Preguntar(QStringLiteral("¿Desea desasignar la cuenta %1 del epígrafe «%2»?")
                       .arg(clave.mid(1), nodo->parent()->text(0))))
        return;
    const QString padre = ArbolContabilidad::Clave(nodo->parent());
    conContabilidad.Exec(QStringLiteral("DELETE FROM Rel_Estructura_Cuenta WHERE codEstructura = ? AND codCuenta IN "
                                        "(SELECT IDCuenta FROM Cuenta WHERE Codigo = ? AND CodEmpresa = ?)"),
                         {epigrafe, clave.mid(1), lngEmpresa});
    ArbolContabilidad::Recargar(conContabilidad, trvConta, lngEmpresa, padre);
}

bool ContabilidadSustituto::AbrirEjercicio(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (!empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 no está cerrado!").arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!Preguntar(QStringLiteral("Se dispone a abrir de nuevo el ejercicio %1.\r\n¿Desea continuar?")
                       .arg(EmpresasContabilidad::Nombre(empresa))))
        return false;
    if (!EmpresasContabilidad::AbrirEjercicio(conContabilidad, lngEmpresa)) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
}

bool ContabilidadSustituto::CerrarEjercicio(cConfigContabilidad&, db::Connection& conContabilidad,
                                            qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 ya está cerrado!").arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!Preguntar(QStringLiteral("Se dispone a cerrar el ejercicio %1; sus asientos no se podrán cambiar "
                                  "y el ejercicio %2 empezará con su plan de cuentas.\r\n¿Desea continuar?")
                       .arg(EmpresasContabilidad::Nombre(empresa), QString::number(empresa.anio + 1))))
        return false;
    if (EmpresasContabilidad::CerrarEjercicio(conContabilidad, lngEmpresa) == 0) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
}

bool ContabilidadSustituto::RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                              qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 está cerrado: sus totales no se pueden cambiar!")
                    .arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!EmpresasContabilidad::RecalcularTotales(conContabilidad, lngEmpresa, objConfig.TrabajarConPesetas())) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
}

void ContabilidadSustituto::RenumerarAsientos(cConfigContabilidad&, db::Connection& conContabilidad,
                                              qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 está cerrado: sus asientos no se pueden renumerar!")
                    .arg(EmpresasContabilidad::Nombre(empresa)));
        return;
    }
    if (!Preguntar(QStringLiteral("Se dispone a numerar de nuevo los asientos del ejercicio %1 por orden de fecha."
                                  "\r\n¿Desea continuar?")
                       .arg(EmpresasContabilidad::Nombre(empresa))))
        return;
    const qint64 asientos = EmpresasContabilidad::RenumerarAsientos(conContabilidad, lngEmpresa);
    if (asientos < 0) {
        Mensaje(TextoCambiadaPorOtro());
        return;
    }
    widgets::DialogoRegistroEjecutor::Mensaje(QStringLiteral("Se han numerado de nuevo %1 asientos.").arg(asientos),
                                              ui::vbOKOnly + ui::vbInformation);
}

void ContabilidadSustituto::MoverSubctaDiario(cConfigContabilidad&, db::Connection& conContabilidad,
                                              qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 está cerrado: sus apuntes no se pueden cambiar!")
                    .arg(EmpresasContabilidad::Nombre(empresa)));
        return;
    }
    DialogoMoverSubcuenta dialogo(conContabilidad, lngEmpresa);
    if (dialogo.Subcuentas() < 2) {
        Mensaje(QStringLiteral("¡El ejercicio %1 no tiene dos subcuentas entre las que pasar apuntes!")
                    .arg(EmpresasContabilidad::Nombre(empresa)));
        return;
    }
    if (widgets::DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
        return;
    if (!Preguntar(QStringLiteral("Se dispone a pasar los apuntes de la subcuenta %1 a la subcuenta %2.\r\n"
                                  "¿Desea continuar?")
                       .arg(dialogo.Texto(true), dialogo.Texto(false))))
        return;
    const qint64 apuntes =
        EmpresasContabilidad::MoverApuntes(conContabilidad, lngEmpresa, dialogo.Origen(), dialogo.Destino());
    if (apuntes < 0) {
        Mensaje(TextoCambiadaPorOtro());
        return;
    }
    widgets::DialogoRegistroEjecutor::Mensaje(QStringLiteral("Se han pasado %1 apuntes a la subcuenta %2.")
                                                  .arg(apuntes)
                                                  .arg(dialogo.Texto(false)),
                                              ui::vbOKOnly + ui::vbInformation);
}

void ContabilidadSustituto::ConsolidarEmpresas(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("ConsolidarEmpresas");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteCopiarDatos(cConfigContabilidad&, db::Connection&, bool& blnCancelar, qint32&)
{
    NoDisponible("AsistenteCopiarDatos");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteExportar(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("AsistenteExportar");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteImportar(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("AsistenteImportar");
    blnCancelar = true;
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::ContabilidadSustituto)
