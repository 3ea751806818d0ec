#include "addin_doubles/DobleGestPar.h"

namespace dobles {

bool DobleGestPar::DatosSetup(db::Connection& conLocal)
{
    m_grabadora->Recibir("DatosSetup", conLocal);
    return m_grabadora->Resultado<bool>("DatosSetup", true);
}

void DobleGestPar::nuevasolicitud(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Recibir("nuevasolicitud", conLocal, objInfoConfig, strTextDescription);
}

void DobleGestPar::nuevolibro(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                              QString& strTextDescription)
{
    m_grabadora->Recibir("nuevolibro", conLocal, objInfoConfig, strTextDescription);
}

void DobleGestPar::nuevapartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription)
{
    m_grabadora->Recibir("nuevapartida", conLocal, objInfoConfig, strTextDescription);
}

void DobleGestPar::NuevoEmpadronado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoEmpadronado", conLocal, objInfoConfig);
}

void DobleGestPar::NuevoColaborador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoColaborador", conLocal, objInfoConfig);
}

void DobleGestPar::NuevoCargo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoCargo", conLocal, objInfoConfig);
}

void DobleGestPar::NuevaActividad(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevaActividad", conLocal, objInfoConfig);
}

void DobleGestPar::PropiedadesSolicitudes(db::Connection& conLocal, qint32& lngID,
                                          PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Recibir("PropiedadesSolicitudes", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::PropiedadesPartida(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Recibir("PropiedadesPartida", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::PropiedadesLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                    QString& strTextDescription)
{
    m_grabadora->Recibir("PropiedadesLibro", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::EditaColaborador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaColaborador", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EditaEmpadronado(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaEmpadronado", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EditaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaCargo", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EditaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaActividad", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EliminarSolicitud(db::Connection& conLocal, qint32& lngID,
                                     PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription)
{
    m_grabadora->Recibir("EliminarSolicitud", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::EliminarPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                   QString& strTextDescription)
{
    m_grabadora->Recibir("EliminarPartida", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::EliminarLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                 QString& strTextDescription)
{
    m_grabadora->Recibir("EliminarLibro", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::EliminaEmpadronado(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaEmpadronado", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EliminaColaborador(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaColaborador", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EliminaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaCargo", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::EliminaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaActividad", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::ImportarSolicitudes(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                       QString& strTextDescription)
{
    m_grabadora->Recibir("ImportarSolicitudes", conLocal, objInfoConfig, strTextDescription);
}

void DobleGestPar::AntiguaPartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Recibir("AntiguaPartida", conLocal, objInfoConfig, strTextDescription);
}

void DobleGestPar::CerrarLiBautismo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("CerrarLiBautismo", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::CerrarLiConfirmacion(db::Connection& conLocal, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("CerrarLiConfirmacion", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::CerrarLiMatrimonio(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("CerrarLiMatrimonio", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::CerrarLiDefuncion(db::Connection& conLocal, qint32& lngID,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("CerrarLiDefuncion", conLocal, lngID, objInfoConfig);
}

void DobleGestPar::AnularPartidas(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription)
{
    m_grabadora->Recibir("AnularPartidas", conLocal, lngID, objInfoConfig, strTextDescription);
}

void DobleGestPar::InformeLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeLibroBautismo", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeLibroConfirmacion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeLibroMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeLibroDefuncion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeIndiceLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeIndiceLibroBautismo", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeIndiceLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                  qint32& lngID)
{
    m_grabadora->Recibir("InformeIndiceLibroConfirmacion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeIndiceLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeIndiceLibroMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeIndiceLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeIndiceLibroDefuncion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformePartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformePartidaBautismo", conLocal, conInformes, lngID);
}

void DobleGestPar::InformePartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformePartidaConfirmacion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformePartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformePartidaMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformePartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformePartidaDefuncion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeVolanteBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeVolanteBautismo", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeVolanteMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeVolanteMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeNotificacionConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                   qint32& lngID)
{
    m_grabadora->Recibir("InformeNotificacionConfirmacion", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeNotificacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeNotificacionMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeSolicitudPartidaBautismoDatos(db::Connection& conLocal, db::Connection& conInformes,
                                                        qint32& lngID)
{
    m_grabadora->Recibir("InformeSolicitudPartidaBautismoDatos", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeComunicacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeComunicacionMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeExhortoMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    m_grabadora->Recibir("InformeExhortoMatrimonio", conLocal, conInformes, lngID);
}

QString DobleGestPar::selecencargado(db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                                     QString& strCargo)
{
    m_grabadora->Recibir("selecencargado", conLocal, strSacramento, lngID, strCargo);
    return m_grabadora->Resultado<QString>("selecencargado");
}

void DobleGestPar::InformeCertificadoPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                     qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoPartidaBautismo", conLocal, conInformes, lngID, strFirmante, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                         qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoPartidaConfirmacion", conLocal, conInformes, lngID, strFirmante, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                      qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoPartidaDefuncion", conLocal, conInformes, lngID, strFirmante, strCargo);
}

void DobleGestPar::InformeCertificadoPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                       qint32& lngID)
{
    m_grabadora->Recibir("InformeCertificadoPartidaMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::InformeCertificadoLiteralPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                            qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoLiteralPartidaBautismo", conLocal, conInformes, lngID, strFirmante,
                         strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                                qint32& lngID, QString& strFirmante,
                                                                QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoLiteralPartidaConfirmacion", conLocal, conInformes, lngID, strFirmante,
                         strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                             qint32& lngID, QString& strFirmante, QString& strCargo)
{
    m_grabadora->Recibir("InformeCertificadoLiteralPartidaDefuncion", conLocal, conInformes, lngID, strFirmante,
                         strCargo);
}

void DobleGestPar::InformeCertificadoLiteralPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                              qint32& lngID)
{
    m_grabadora->Recibir("InformeCertificadoLiteralPartidaMatrimonio", conLocal, conInformes, lngID);
}

void DobleGestPar::ImprimirPartidaSinLibro(db::Connection& conLocal, db::Connection& conInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ImprimirPartidaSinLibro", conLocal, conInformes, objInfoConfig);
}

void DobleGestPar::InformeExpedienteFormato1(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Recibir("InformeExpedienteFormato1", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato2(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Recibir("InformeExpedienteFormato2", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato3(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave, bool& TramitaParroquia, bool& EnviaCuria,
                                             bool& EnviaCuriaAntes)
{
    m_grabadora->Recibir("InformeExpedienteFormato3", conLocal, conInformes, strClave, TramitaParroquia, EnviaCuria,
                         EnviaCuriaAntes);
}

void DobleGestPar::InformeResumenMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                            const QString& strClave)
{
    m_grabadora->Recibir("InformeResumenMatrimonio", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeResumenMatrimonio2(db::Connection& conLocal, db::Connection& conInformes,
                                             const QString& strClave)
{
    m_grabadora->Recibir("InformeResumenMatrimonio2", conLocal, conInformes, strClave);
}

void DobleGestPar::InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes)
{
    m_grabadora->Recibir("InformeExpedienteFormato3Plantilla", TramitaParroquia, EnviaCuria, EnviaCuriaAntes);
}

void DobleGestPar::imprimirduplicadas(db::Connection& conLocal, db::Connection& conInformes,
                                      const QString& strInforme, QString& strOrden)
{
    m_grabadora->Recibir("imprimirduplicadas", conLocal, conInformes, strInforme, strOrden);
}

void DobleGestPar::SelInfTareasAgenda(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Recibir("SelInfTareasAgenda", conLocal, conInformes);
}

void DobleGestPar::SelInfActividad(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Recibir("SelInfActividad", conLocal, conInformes);
}

void DobleGestPar::SelInfColaborador(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Recibir("SelInfColaborador", conLocal, conInformes);
}

void DobleGestPar::SelInfColaboradorExt(db::Connection& conLocal, db::Connection& conInformes)
{
    m_grabadora->Recibir("SelInfColaboradorExt", conLocal, conInformes);
}

void DobleGestPar::InformeAgenda(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes)
{
    m_grabadora->Recibir("InformeAgenda", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeActividad(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes)
{
    m_grabadora->Recibir("InformeActividad", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeColaborador(db::Connection& conLocal, db::Connection& conInformes,
                                      QProgressBar* nvbpInformes)
{
    m_grabadora->Recibir("InformeColaborador", conLocal, conInformes, nvbpInformes);
}

void DobleGestPar::InformeColaboradorExt(db::Connection& conLocal, db::Connection& conInformes,
                                         QProgressBar* nvbpInformes)
{
    m_grabadora->Recibir("InformeColaboradorExt", conLocal, conInformes, nvbpInformes);
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
    m_grabadora->Recibir("ImportarKaldexGP", conLocal, colEtiquetas, strPathBautismo, strPathConfirmacion,
                         strPathMatrimonio, strPathDefuncion, lngIDInstitucion, strSiglo, prgProgreso,
                         intDatosBautismo, strParroquiaBautismo, strDiocesisBautismo, lngMunicipioBautismo,
                         intDatosConfirmacion, strParroquiaConfirmacion, strDiocesisConfirmacion,
                         lngMunicipioConfirmacion, intDatosMatrimonio, strParroquiaMatrimonio, strDiocesisMatrimonio,
                         lngMunicipioMatrimonio, intDatosDefuncion, strParroquiaDefuncion, strDiocesisDefuncion,
                         lngMunicipioDefuncion, bytOrdenNombres, lngFormatoBautismo, lngFormatoConfirmacion,
                         lngFormatoMatrimonio, lngFormatoDefuncion);
}

} // namespace dobles
