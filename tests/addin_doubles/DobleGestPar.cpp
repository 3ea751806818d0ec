#include "addin_doubles/DobleGestPar.h"

namespace dobles {

bool DobleGestPar::DatosSetup(db::Connection& conLocal)
{
    m_grabadora->Anotar("DatosSetup", conLocal);
    return m_grabadora->Resultado<bool>("DatosSetup", true);
}

void DobleGestPar::nuevasolicitud(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Anotar("nuevasolicitud", conLocal, objInfoConfig, strTextDescription);
    m_grabadora->Salida("nuevasolicitud", 2, strTextDescription);
}

void DobleGestPar::nuevolibro(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                              QString& strTextDescription)
{
    m_grabadora->Anotar("nuevolibro", conLocal, objInfoConfig, strTextDescription);
    m_grabadora->Salida("nuevolibro", 2, strTextDescription);
}

void DobleGestPar::nuevapartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription)
{
    m_grabadora->Anotar("nuevapartida", conLocal, objInfoConfig, strTextDescription);
    m_grabadora->Salida("nuevapartida", 2, strTextDescription);
}

void DobleGestPar::NuevoEmpadronado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoEmpadronado", conLocal, objInfoConfig);
}

void DobleGestPar::NuevoColaborador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoColaborador", conLocal, objInfoConfig);
}

void DobleGestPar::NuevoCargo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoCargo", conLocal, objInfoConfig);
}

void DobleGestPar::NuevaActividad(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevaActividad", conLocal, objInfoConfig);
}

void DobleGestPar::PropiedadesSolicitudes(db::Connection& conLocal, qint32& lngID,
                                          PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Anotar("PropiedadesSolicitudes", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("PropiedadesSolicitudes", 1, lngID);
    m_grabadora->Salida("PropiedadesSolicitudes", 3, strTextDescription);
}

void DobleGestPar::PropiedadesPartida(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Anotar("PropiedadesPartida", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("PropiedadesPartida", 1, lngID);
    m_grabadora->Salida("PropiedadesPartida", 3, strTextDescription);
}

void DobleGestPar::PropiedadesLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                    QString& strTextDescription)
{
    m_grabadora->Anotar("PropiedadesLibro", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("PropiedadesLibro", 1, lngID);
    m_grabadora->Salida("PropiedadesLibro", 3, strTextDescription);
}

void DobleGestPar::EditaColaborador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaColaborador", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaColaborador", 1, lngID);
}

void DobleGestPar::EditaEmpadronado(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaEmpadronado", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaEmpadronado", 1, lngID);
}

void DobleGestPar::EditaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaCargo", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaCargo", 1, lngID);
}

void DobleGestPar::EditaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaActividad", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaActividad", 1, lngID);
}

void DobleGestPar::EliminarSolicitud(db::Connection& conLocal, qint32& lngID,
                                     PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Anotar("EliminarSolicitud", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("EliminarSolicitud", 1, lngID);
    m_grabadora->Salida("EliminarSolicitud", 3, strTextDescription);
}

void DobleGestPar::EliminarPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                   QString& strTextDescription)
{
    m_grabadora->Anotar("EliminarPartida", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("EliminarPartida", 1, lngID);
    m_grabadora->Salida("EliminarPartida", 3, strTextDescription);
}

void DobleGestPar::EliminarLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                 QString& strTextDescription)
{
    m_grabadora->Anotar("EliminarLibro", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("EliminarLibro", 1, lngID);
    m_grabadora->Salida("EliminarLibro", 3, strTextDescription);
}

void DobleGestPar::EliminaEmpadronado(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaEmpadronado", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaEmpadronado", 1, lngID);
}

void DobleGestPar::EliminaColaborador(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaColaborador", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaColaborador", 1, lngID);
}

void DobleGestPar::EliminaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaCargo", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaCargo", 1, lngID);
}

void DobleGestPar::EliminaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaActividad", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaActividad", 1, lngID);
}

void DobleGestPar::ImportarSolicitudes(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                       QString& strTextDescription)
{
    m_grabadora->Anotar("ImportarSolicitudes", conLocal, objInfoConfig, strTextDescription);
    m_grabadora->Salida("ImportarSolicitudes", 2, strTextDescription);
}

void DobleGestPar::AntiguaPartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Anotar("AntiguaPartida", conLocal, objInfoConfig, strTextDescription);
    m_grabadora->Salida("AntiguaPartida", 2, strTextDescription);
}

void DobleGestPar::CerrarLiBautismo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("CerrarLiBautismo", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("CerrarLiBautismo", 1, lngID);
}

void DobleGestPar::CerrarLiConfirmacion(db::Connection& conLocal, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("CerrarLiConfirmacion", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("CerrarLiConfirmacion", 1, lngID);
}

void DobleGestPar::CerrarLiMatrimonio(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("CerrarLiMatrimonio", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("CerrarLiMatrimonio", 1, lngID);
}

void DobleGestPar::CerrarLiDefuncion(db::Connection& conLocal, qint32& lngID,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("CerrarLiDefuncion", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("CerrarLiDefuncion", 1, lngID);
}

void DobleGestPar::AnularPartidas(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Anotar("AnularPartidas", conLocal, lngID, objInfoConfig, strTextDescription);
    m_grabadora->Salida("AnularPartidas", 1, lngID);
    m_grabadora->Salida("AnularPartidas", 3, strTextDescription);
}

void DobleGestPar::InformeLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeLibroBautismo", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeLibroBautismo", 2, lngID);
}

void DobleGestPar::InformeLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeLibroConfirmacion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeLibroConfirmacion", 2, lngID);
}

void DobleGestPar::InformeLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeLibroMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeLibroMatrimonio", 2, lngID);
}

void DobleGestPar::InformeLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeLibroDefuncion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeLibroDefuncion", 2, lngID);
}

void DobleGestPar::InformeIndiceLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeIndiceLibroBautismo", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeIndiceLibroBautismo", 2, lngID);
}

void DobleGestPar::InformeIndiceLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                  qint32& lngID)
{
    m_grabadora->Anotar("InformeIndiceLibroConfirmacion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeIndiceLibroConfirmacion", 2, lngID);
}

void DobleGestPar::InformeIndiceLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeIndiceLibroMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeIndiceLibroMatrimonio", 2, lngID);
}

void DobleGestPar::InformeIndiceLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeIndiceLibroDefuncion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeIndiceLibroDefuncion", 2, lngID);
}

void DobleGestPar::InformePartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformePartidaBautismo", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformePartidaBautismo", 2, lngID);
}

void DobleGestPar::InformePartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformePartidaConfirmacion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformePartidaConfirmacion", 2, lngID);
}

void DobleGestPar::InformePartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformePartidaMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformePartidaMatrimonio", 2, lngID);
}

void DobleGestPar::InformePartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformePartidaDefuncion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformePartidaDefuncion", 2, lngID);
}

void DobleGestPar::InformeVolanteBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeVolanteBautismo", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeVolanteBautismo", 2, lngID);
}

void DobleGestPar::InformeVolanteMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeVolanteMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeVolanteMatrimonio", 2, lngID);
}

void DobleGestPar::InformeNotificacionConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                   qint32& lngID)
{
    m_grabadora->Anotar("InformeNotificacionConfirmacion", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeNotificacionConfirmacion", 2, lngID);
}

void DobleGestPar::InformeNotificacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeNotificacionMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeNotificacionMatrimonio", 2, lngID);
}

void DobleGestPar::InformeSolicitudPartidaBautismoDatos(db::Connection& conLocal, db::Connection& conInformes,
                                                        qint32& lngID)
{
    m_grabadora->Anotar("InformeSolicitudPartidaBautismoDatos", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeSolicitudPartidaBautismoDatos", 2, lngID);
}

void DobleGestPar::InformeComunicacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeComunicacionMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeComunicacionMatrimonio", 2, lngID);
}

void DobleGestPar::InformeExhortoMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Anotar("InformeExhortoMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeExhortoMatrimonio", 2, lngID);
}

QString DobleGestPar::selecencargado(db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                                     QString& strCargo)
{
    m_grabadora->Anotar("selecencargado", conLocal, strSacramento, lngID, strCargo);
    m_grabadora->Salida("selecencargado", 2, lngID);
    m_grabadora->Salida("selecencargado", 3, strCargo);
    return m_grabadora->Resultado<QString>("selecencargado");
}

void DobleGestPar::InformeCertificadoPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                     qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoPartidaBautismo", conLocal, conInformes, lngID, strFirmante, strCargo);
    m_grabadora->Salida("InformeCertificadoPartidaBautismo", 2, lngID);
    m_grabadora->Salida("InformeCertificadoPartidaBautismo", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoPartidaBautismo", 4, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                         qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoPartidaConfirmacion", conLocal, conInformes, lngID, strFirmante, strCargo);
    m_grabadora->Salida("InformeCertificadoPartidaConfirmacion", 2, lngID);
    m_grabadora->Salida("InformeCertificadoPartidaConfirmacion", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoPartidaConfirmacion", 4, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                      qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoPartidaDefuncion", conLocal, conInformes, lngID, strFirmante, strCargo);
    m_grabadora->Salida("InformeCertificadoPartidaDefuncion", 2, lngID);
    m_grabadora->Salida("InformeCertificadoPartidaDefuncion", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoPartidaDefuncion", 4, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                       qint32& lngID)
{
    m_grabadora->Anotar("InformeCertificadoPartidaMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeCertificadoPartidaMatrimonio", 2, lngID);
}

void DobleGestPar::InformeCertificadoLiteralPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                            qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoLiteralPartidaBautismo", conLocal, conInformes, lngID, strFirmante,
                        strCargo);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaBautismo", 2, lngID);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaBautismo", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaBautismo", 4, strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                                qint32& lngID, QString& strFirmante,
                                                                QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoLiteralPartidaConfirmacion", conLocal, conInformes, lngID, strFirmante,
                        strCargo);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaConfirmacion", 2, lngID);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaConfirmacion", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaConfirmacion", 4, strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                             qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Anotar("InformeCertificadoLiteralPartidaDefuncion", conLocal, conInformes, lngID, strFirmante,
                        strCargo);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaDefuncion", 2, lngID);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaDefuncion", 3, strFirmante);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaDefuncion", 4, strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                              qint32& lngID)
{
    m_grabadora->Anotar("InformeCertificadoLiteralPartidaMatrimonio", conLocal, conInformes, lngID);
    m_grabadora->Salida("InformeCertificadoLiteralPartidaMatrimonio", 2, lngID);
}

void DobleGestPar::ImprimirPartidaSinLibro(db::Connection& conLocal, db::Connection& conInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("ImprimirPartidaSinLibro", conLocal, conInformes, objInfoConfig);
}

void DobleGestPar::InformeExpedienteFormato1(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Anotar("InformeExpedienteFormato1", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato2(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Anotar("InformeExpedienteFormato2", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato3(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave, bool& TramitaParroquia, bool& EnviaCuria,
                                             bool& EnviaCuriaAntes)
{
    m_grabadora->Anotar("InformeExpedienteFormato3", conLocal, conInformes, strClave, TramitaParroquia, EnviaCuria,
                        EnviaCuriaAntes);
    m_grabadora->Salida("InformeExpedienteFormato3", 3, TramitaParroquia);
    m_grabadora->Salida("InformeExpedienteFormato3", 4, EnviaCuria);
    m_grabadora->Salida("InformeExpedienteFormato3", 5, EnviaCuriaAntes);
}

void DobleGestPar::InformeResumenMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                            const QString& strClave)
{
    m_grabadora->Anotar("InformeResumenMatrimonio", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeResumenMatrimonio2(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Anotar("InformeResumenMatrimonio2", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes)
{
    m_grabadora->Anotar("InformeExpedienteFormato3Plantilla", TramitaParroquia, EnviaCuria, EnviaCuriaAntes);
    m_grabadora->Salida("InformeExpedienteFormato3Plantilla", 0, TramitaParroquia);
    m_grabadora->Salida("InformeExpedienteFormato3Plantilla", 1, EnviaCuria);
    m_grabadora->Salida("InformeExpedienteFormato3Plantilla", 2, EnviaCuriaAntes);
}

void DobleGestPar::imprimirduplicadas(db::Connection& conLocal, db::Connection& conInformes,
                                      const QString& strInforme, QString& strOrden)
{
    m_grabadora->Anotar("imprimirduplicadas", conLocal, conInformes, strInforme, strOrden);
    m_grabadora->Salida("imprimirduplicadas", 3, strOrden);
}

void DobleGestPar::SelInfTareasAgenda(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Anotar("SelInfTareasAgenda", conLocal, conInformes);
}

void DobleGestPar::SelInfActividad(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Anotar("SelInfActividad", conLocal, conInformes);
}

void DobleGestPar::SelInfColaborador(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Anotar("SelInfColaborador", conLocal, conInformes);
}

void DobleGestPar::SelInfColaboradorExt(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Anotar("SelInfColaboradorExt", conLocal, conInformes);
}

void DobleGestPar::InformeAgenda(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes)
{
    m_grabadora->Anotar("InformeAgenda", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeActividad(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes)
{
    m_grabadora->Anotar("InformeActividad", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeColaborador(db::Connection& conLocal, db::Connection& conInformes,
                                      QProgressBar* nvbpInformes)
{
    m_grabadora->Anotar("InformeColaborador", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeColaboradorExt(db::Connection& conLocal, db::Connection& conInformes,
                                         QProgressBar* nvbpInformes)
{
    m_grabadora->Anotar("InformeColaboradorExt", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas, QString& strPathBautismo,
                                    QString& strPathConfirmacion, QString& strPathMatrimonio,
                                    QString& strPathDefuncion, qint32& lngIDInstitucion, QString& strSiglo,
                                    QProgressBar* prgProgreso, qint16 intDatosBautismo,
                                    const QString& strParroquiaBautismo, const QString& strDiocesisBautismo,
                                    qint32& lngMunicipioBautismo, qint16 intDatosConfirmacion,
                                    const QString& strParroquiaConfirmacion, const QString& strDiocesisConfirmacion,
                                    qint32& lngMunicipioConfirmacion, qint16 intDatosMatrimonio,
                                    const QString& strParroquiaMatrimonio, const QString& strDiocesisMatrimonio,
                                    qint32& lngMunicipioMatrimonio, qint16 intDatosDefuncion,
                                    const QString& strParroquiaDefuncion, const QString& strDiocesisDefuncion,
                                    qint32& lngMunicipioDefuncion, quint8& bytOrdenNombres, qint32 lngFormatoBautismo,
                                    qint32 lngFormatoConfirmacion, qint32 lngFormatoMatrimonio,
                                    qint32 lngFormatoDefuncion)
{
    m_grabadora->Anotar("ImportarKaldexGP", conLocal, colEtiquetas, strPathBautismo, strPathConfirmacion,
                        strPathMatrimonio, strPathDefuncion, lngIDInstitucion, strSiglo, prgProgreso,
                        intDatosBautismo, strParroquiaBautismo, strDiocesisBautismo, lngMunicipioBautismo,
                        intDatosConfirmacion, strParroquiaConfirmacion, strDiocesisConfirmacion,
                        lngMunicipioConfirmacion, intDatosMatrimonio, strParroquiaMatrimonio, strDiocesisMatrimonio,
                        lngMunicipioMatrimonio, intDatosDefuncion, strParroquiaDefuncion, strDiocesisDefuncion,
                        lngMunicipioDefuncion, bytOrdenNombres, lngFormatoBautismo, lngFormatoConfirmacion,
                        lngFormatoMatrimonio, lngFormatoDefuncion);
    m_grabadora->Salida("ImportarKaldexGP", 2, strPathBautismo);
    m_grabadora->Salida("ImportarKaldexGP", 3, strPathConfirmacion);
    m_grabadora->Salida("ImportarKaldexGP", 4, strPathMatrimonio);
    m_grabadora->Salida("ImportarKaldexGP", 5, strPathDefuncion);
    m_grabadora->Salida("ImportarKaldexGP", 6, lngIDInstitucion);
    m_grabadora->Salida("ImportarKaldexGP", 7, strSiglo);
    m_grabadora->Salida("ImportarKaldexGP", 12, lngMunicipioBautismo);
    m_grabadora->Salida("ImportarKaldexGP", 16, lngMunicipioConfirmacion);
    m_grabadora->Salida("ImportarKaldexGP", 20, lngMunicipioMatrimonio);
    m_grabadora->Salida("ImportarKaldexGP", 24, lngMunicipioDefuncion);
    m_grabadora->Salida("ImportarKaldexGP", 25, bytOrdenNombres);
}

} // namespace dobles
