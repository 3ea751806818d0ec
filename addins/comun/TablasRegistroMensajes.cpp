#include "comun/TablasRegistroMensajes.h"

#include "platform/db/Connection.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroDatos.h"

#include <QDate>

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Messages written here are notes of this office; the message lists show the
// code of their type, so every message has one.
qint64 TipoNota(db::Connection& con)
{
    db::Recordset rs = con.Query(L("SELECT IDTipoMensaje FROM TipoMensaje WHERE Codigo = ?"), {L("Nota")});
    if (!rs.isEOF())
        return rs.value(0).toInt64();
    con.Exec(L("INSERT INTO TipoMensaje (Codigo) VALUES (?)"), {L("Nota")});
    return con.LastInsertId();
}

std::shared_ptr<DefinicionRegistro> Construir(bool leido)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo mensaje");
    d->titulo = L("Mensaje");
    d->nombre = L("el mensaje");
    d->soloLectura = leido;
    d->secciones = {SeccionPrincipal(L("Mensaje"), L("IDMensaje"))};
    d->campos = {
        CampoTexto(L("De"), L("Remitente"), 255),
        CampoTexto(L("Para"), L("Destinatario"), 255).Obligatorio(),
        CampoFecha(L("Fecha"), L("FechaEnvio")).SoloLectura(),
        CampoMemo(L("Mensaje"), L("Descripcion")).Obligatorio(),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("Nodo"), TablasRegistroMensajes::BandejaSalida());
        datos.EstablecerValor(L("FechaEnvio"), vb::DateAFechaTexto(QDate::currentDate()));
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (datos.EsNuevo())
            datos.EstablecerValor(L("CodTipoMensaje"), TipoNota(con));
    };
    return d;
}

} // namespace

QString TablasRegistroMensajes::BandejaSalida()
{
    return L("BandejaSalida");
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroMensajes::Mensaje()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = Construir(false);
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroMensajes::MensajeLeido()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = Construir(true);
    return definicion;
}

} // namespace addins
