// The document prints of the action class: each hands the record to the
// printing module with the main window's report control, its enabled state
// and the program's connections and add-in.

#include "actions/IVentanaAcciones.h"
#include "actions/cIActionMenus.h"

#include "platform/addins/cVodidazaz.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "printing/ExpedientesMatrimonio.h"
#include "printing/ImpresionesPartidas.h"
#include "printing/PrepararPagina.h"
#include "printing/cInformes.h"
#include "startup/App.h"

namespace {

ContextoImpresion Contexto(App& app, IVentanaAcciones& ventana)
{
    ContextoImpresion ctx;
    ctx.control = &ventana.crptInformes();
    ctx.conLocal = &app.den.conLocal;
    ctx.conInformes = &app.den.conInformes;
    ctx.config = app.gobjInfoConfig.get();
    ctx.duzediv = app.gobjDuzediv.get();
    ctx.gestPar = app.gobjGestPar.get();
    ctx.appPath = App::Path();
    ctx.appTitle = App::Title();
    ctx.habilitar = [&ventana](bool habilitada) { ventana.Habilitar(habilitada); };
    return ctx;
}

} // namespace

void cIActionMenus::ImprimirLibro(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirLibro(lngID, strDescripcion);
}

void cIActionMenus::ImprimirIndiceLibro(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirIndiceLibro(lngID, strDescripcion);
}

void cIActionMenus::ImprimirPartidaSinLibro()
{
    cInformes(Contexto(m_app, Ventana())).ImprimirPartidaSinLibro();
}

void cIActionMenus::ImprimirPartida(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirPartida(lngID, strDescripcion);
}

void cIActionMenus::ImprimirVolante(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirVolante(lngID, strDescripcion);
}

void cIActionMenus::ImprimirNotificacion(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirNotificacion(lngID, strDescripcion);
}

void cIActionMenus::ImprimirSolicitudPartidaDatos(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirSolicitudPartidaDatos(lngID, strDescripcion);
}

void cIActionMenus::ImprimirCertificadoPartida(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirCertificadoPartida(lngID, strDescripcion);
}

void cIActionMenus::ImprimirCertificadoLiteralPartida(qint32& lngID, QString& strDescripcion)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirCertificadoLiteralPartida(lngID, strDescripcion);
}

void cIActionMenus::ImprimirComunicacionMatrimonio(qint32& lngID)
{
    ImpresionesPartidas(Contexto(m_app, Ventana())).ImprimirComunicacionMatrimonio(lngID);
}

void cIActionMenus::ImprimirRecibos(const QList<qint32>& colRecibos)
{
    if (colRecibos.isEmpty())
        return;
    cInformes(Contexto(m_app, Ventana())).ImprimirRecibos(colRecibos);
}

void cIActionMenus::ImprimirExhortoAmonestacionesMatrimonio(qint32& lngID)
{
    cInformes(Contexto(m_app, Ventana())).ImprimirExhortoAmonestacionesMatrimonio(lngID);
}

void cIActionMenus::ImprimirExpedienteFormato1(const QString& strClave)
{
    expedientes::ImprimirExpediente(Contexto(m_app, Ventana()), expedientes::Documento::Formato1, strClave,
                                    m_app.gobjConstante().Aplicacion());
}

void cIActionMenus::ImprimirExpedienteFormato2(const QString& strClave)
{
    expedientes::ImprimirExpediente(Contexto(m_app, Ventana()), expedientes::Documento::Formato2, strClave,
                                    m_app.gobjConstante().Aplicacion());
}

void cIActionMenus::ImprimirExpedienteFormato3(const QString& strClave)
{
    expedientes::ImprimirExpediente(Contexto(m_app, Ventana()), expedientes::Documento::Formato3, strClave,
                                    m_app.gobjConstante().Aplicacion());
}

void cIActionMenus::ImprimirResumenMatrimonio(const QString& strClave)
{
    expedientes::ImprimirExpediente(Contexto(m_app, Ventana()), expedientes::Documento::Resumen1, strClave,
                                    m_app.gobjConstante().Aplicacion());
}

void cIActionMenus::ImprimirResumenMatrimonio2(const QString& strClave)
{
    expedientes::ImprimirExpediente(Contexto(m_app, Ventana()), expedientes::Documento::Resumen2, strClave,
                                    m_app.gobjConstante().Aplicacion());
}

void cIActionMenus::PrepararPagina()
{
    ContextoImpresion ctx;
    ctx.config = m_app.gobjInfoConfig.get();
    ctx.appTitle = App::Title();
    impresion::PrepararPagina(ctx);
}

void cIActionMenus::ImprimirRecibosCaja()
{
    if (!m_app.gobjVodidazaz) {
        ui::AvisoNoDisponible();
        return;
    }
    const addins::ColeccionRecibos recibos =
        m_app.gobjVodidazaz->ImprimirRecibosCaja(m_app.den.conLocal, *m_app.gobjInfoConfig);
    if (!recibos.isEmpty())
        ImprimirRecibos(recibos);
}
