#include "comun/RolesPersona.h"

#include "comun/RecibosDonativo.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroEleccion.h"
#include "platform/widgets/DialogoRegistroError.h"

namespace addins {

using namespace widgets;

namespace {

// Census details: they belong to the census role.
const char* const kDatosPadron[] = {"Padron_Nacimiento",    "Padron_Bautismo",    "Padron_Comunion",
                                    "Padron_Confirmacion",  "Padron_Matrimonio",  "Padron_Defuncion",
                                    "Padron_NotasPersonales"};

qint64 Contar(db::Connection& con, const QString& sql, const QList<db::Value>& parametros)
{
    return con.Query(sql, parametros).value(0).toInt64();
}

void QuitarDatosDonante(db::Connection& con, qint64 id)
{
    RecibosDonativo::EliminarDeDonativos(con, QStringLiteral("CodPersonaDonativo = ?"), {id});
    con.Exec(QStringLiteral("DELETE FROM Donativo WHERE CodPersonaDonativo = ?"), {id});
    QList<qint64> cuentas;
    db::Recordset rs =
        con.Query(QStringLiteral("SELECT CodCuenta FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodPersonaDonativo = ?"),
                  {id});
    for (; !rs.isEOF(); rs.MoveNext())
        cuentas << rs.value(0).toInt64();
    con.Exec(QStringLiteral("DELETE FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodPersonaDonativo = ?"), {id});
    for (qint64 cuenta : cuentas) {
        const qint64 usos =
            Contar(con, QStringLiteral("SELECT COUNT(*) FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodCuenta = ?"), {cuenta})
            + Contar(con, QStringLiteral("SELECT COUNT(*) FROM Institucion_TipoDonativo_Cuenta WHERE CodCuenta = ?"), {cuenta});
        if (usos == 0)
            con.Exec(QStringLiteral("DELETE FROM Cuenta WHERE IDCuenta = ?"), {cuenta});
    }
    con.Exec(QStringLiteral("DELETE FROM Contab_Enlace_Padron WHERE CodPadron = ?"), {id});
}

void QuitarDatosEmpadronado(db::Connection& con, qint64 id)
{
    for (const char* tabla : kDatosPadron)
        con.Exec(QStringLiteral("DELETE FROM %1 WHERE CodPadron = ?").arg(QString::fromLatin1(tabla)), {id});
    con.Exec(QStringLiteral("UPDATE Padron SET CodInstitucionEmpadronado = 0 WHERE IDPadron = ?"), {id});
}

void QuitarRol(db::Connection& con, qint64 id, int rol)
{
    if (Contar(con, QStringLiteral("SELECT COUNT(*) FROM Padron_TipoPersona WHERE CodPadron = ? AND CodTipoPersona = ?"),
               {id, rol})
        == 0)
        throw DialogoRegistroError(QStringLiteral("¡La persona ya no tiene ese papel: otro puesto la ha cambiado o eliminado!"));
    switch (rol) {
    case RolesPersona::Donante: QuitarDatosDonante(con, id); break;
    case RolesPersona::Empadronado: QuitarDatosEmpadronado(con, id); break;
    case RolesPersona::Colaborador:
        con.Exec(QStringLiteral("DELETE FROM Padron_Actividad WHERE CodPadron = ?"), {id});
        break;
    }
    con.Exec(QStringLiteral("DELETE FROM Padron_TipoPersona WHERE CodPadron = ? AND CodTipoPersona = ?"), {id, rol});
    if (Contar(con, QStringLiteral("SELECT COUNT(*) FROM Padron_TipoPersona WHERE CodPadron = ?"), {id}) > 0)
        return;
    QuitarDatosEmpadronado(con, id);
    con.Exec(QStringLiteral("DELETE FROM Padron WHERE IDPadron = ?"), {id});
}

QString ConsultaSinRol(int rol)
{
    return QStringLiteral("SELECT IDPadron, PrimerApellido & IIf(IsNull(SegundoApellido) OR SegundoApellido = '', '', ' ' "
                          "& SegundoApellido) & ', ' & Nombre & IIf(IsNull(DNI) OR DNI = '', '', '  (' & DNI & ')') "
                          "FROM Padron WHERE IDPadron NOT IN (SELECT CodPadron FROM Padron_TipoPersona "
                          "WHERE CodTipoPersona = %1) ORDER BY PrimerApellido, SegundoApellido, Nombre")
        .arg(rol);
}

} // namespace

void RolesPersona::Anadir(db::Connection& con, qint64 idPadron, int rol)
{
    if (Contar(con, QStringLiteral("SELECT COUNT(*) FROM Padron_TipoPersona WHERE CodPadron = ? AND CodTipoPersona = ?"),
               {idPadron, rol})
        == 0)
        con.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)"),
                 {idPadron, rol});
}

bool RolesPersona::Nuevo(db::Connection& con, std::shared_ptr<const DefinicionRegistro> definicion, int rol,
                         const MonedaRegistro& moneda)
{
    DialogoRegistroEleccion::Textos textos;
    textos.titulo = definicion->tituloNuevo;
    textos.pregunta = QStringLiteral("¿Figura ya en el programa? Si es así, búsquela y elíjala en la lista; "
                                     "si no, pulse «Persona nueva».");
    textos.etiqueta = QStringLiteral("Persona");
    textos.usar = QStringLiteral("&Usar esta persona");
    textos.nueva = QStringLiteral("&Persona nueva");
    const qint64 eleccion = DialogoRegistroEleccion::Elegir(con, ConsultaSinRol(rol), textos);
    if (eleccion == DialogoRegistroEleccion::Cancelada)
        return false;
    DialogoRegistroDatos datos(std::move(definicion), moneda);
    try {
        if (eleccion == DialogoRegistroEleccion::Nueva)
            datos.Nuevo();
        else
            datos.Cargar(con, eleccion);
    } catch (const DialogoRegistroError& error) {
        DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
    return DialogoRegistro::Editar(con, datos, datos.Definicion().tituloNuevo);
}

bool RolesPersona::Eliminar(db::Connection& con, qint64 idPadron, int rol, const QString& pregunta)
{
    if (DialogoRegistroEjecutor::Mensaje(pregunta, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2) != ui::vbYes)
        return false;
    try {
        ui::HourglassGuard reloj;
        db::Transaction transaccion(con);
        QuitarRol(con, idPadron, rol);
        transaccion.Commit();
    } catch (const DialogoRegistroError& error) {
        DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
    return true;
}

} // namespace addins
