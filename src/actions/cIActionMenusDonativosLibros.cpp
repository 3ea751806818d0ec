#include "actions/DuenoAccion.h"
#include "actions/IVentanaAcciones.h"
#include "actions/PunteroEspera.h"
#include "actions/cIActionMenus.h"

#include "startup/App.h"

// ------------------------------------------------------------ donations

void cIActionMenus::ModeloHacienda()
{
    PVAPI::IControlInforme& crptInformes = Ventana().crptInformes();
    if (!DuenoDisponible(m_app, DuenoAccion::Vodidazaz))
        return;
    PunteroEspera puntero;
    m_app.gobjVodidazaz->ModeloHacienda(m_app.den.conLocal, m_app.den.conInformes, *m_app.gobjInfoConfig,
                                        crptInformes);
}

void cIActionMenus::ExportarTotales()
{
    if (!DuenoDisponible(m_app, DuenoAccion::Vodidazaz))
        return;
    PunteroEspera puntero;
    m_app.gobjVodidazaz->ExportarTotales(m_app.den.conLocal, *m_app.gobjInfoConfig);
}

void cIActionMenus::GenerarCertificado()
{
    if (!DuenoDisponible(m_app, DuenoAccion::Vodidazaz))
        return;
    PunteroEspera puntero;
    m_app.gobjVodidazaz->GenerarCertificado(m_app.den.conLocal, *m_app.gobjInfoConfig);
}

void cIActionMenus::GenerarDisco(qint32& lngIDRemesa)
{
    if (!DuenoDisponible(m_app, DuenoAccion::Vodidazaz))
        return;
    PunteroEspera puntero;
    m_app.gobjVodidazaz->GenerarDisco(m_app.den.conLocal, lngIDRemesa, *m_app.gobjInfoConfig);
}

// ------------------------------------------------------------ parish books

void cIActionMenus::ImportarSolicitudes(QString&, QString& strTextDescription)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->ImportarSolicitudes(m_app.den.conLocal, *m_app.gobjInfoConfig, strTextDescription);
    puntero.MantenerAlTerminar();
}

void cIActionMenus::AntiguaPartida(QString&, QString& strTextDescription)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->AntiguaPartida(m_app.den.conLocal, *m_app.gobjInfoConfig, strTextDescription);
}

void cIActionMenus::CerrarLibrosBautismo(QString&, qint32& lngID)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->CerrarLiBautismo(m_app.den.conLocal, lngID, *m_app.gobjInfoConfig);
}

void cIActionMenus::CerrarLibrosConfirmacion(QString&, qint32& lngID)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->CerrarLiConfirmacion(m_app.den.conLocal, lngID, *m_app.gobjInfoConfig);
}

void cIActionMenus::CerrarLibrosMatrimonio(QString&, qint32& lngID)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->CerrarLiMatrimonio(m_app.den.conLocal, lngID, *m_app.gobjInfoConfig);
}

void cIActionMenus::CerrarLibrosDefuncion(QString&, qint32& lngID)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    PunteroEspera puntero;
    m_app.gobjGestPar->CerrarLiDefuncion(m_app.den.conLocal, lngID, *m_app.gobjInfoConfig);
}

// The add-in's dialog sets the pointer itself; the action never touches it.
void cIActionMenus::AnularDesanularPartida(qint32& lngID, QString& strTextDescription)
{
    if (!DuenoDisponible(m_app, DuenoAccion::GestPar))
        return;
    m_app.gobjGestPar->AnularPartidas(m_app.den.conLocal, lngID, *m_app.gobjInfoConfig, strTextDescription);
}
