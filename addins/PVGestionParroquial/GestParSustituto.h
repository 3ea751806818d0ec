#pragma once

#include "platform/addins/cGestPar.h"

namespace addins {

// Stand-in of the parish-management add-in. It sets up its data at start-up
// (the institutions it works on must be readable), prepares the documents
// of baptism, confirmation and death books and entries and their signer
// (DocumentosParroquia.h), and answers the commands it does not carry out
// with the "not available" message, doing nothing.
class GestParSustituto : public cGestPar {
public:
    bool DatosSetup(db::Connection& conLocal) override;
    void nuevasolicitud(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                        QString& strTextDescription) override;
    void nuevolibro(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                    QString& strTextDescription) override;
    void nuevapartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                      QString& strTextDescription) override;
    void NuevoEmpadronado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevoColaborador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevoCargo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevaActividad(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void PropiedadesSolicitudes(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription) override;
    void PropiedadesPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                            QString& strTextDescription) override;
    void PropiedadesLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                          QString& strTextDescription) override;
    void EditaColaborador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaEmpadronado(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminarSolicitud(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                           QString& strTextDescription) override;
    void EliminarPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                         QString& strTextDescription) override;
    void EliminarLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                       QString& strTextDescription) override;
    void EliminaEmpadronado(db::Connection& conLocal, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaColaborador(db::Connection& conLocal, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void ImportarSolicitudes(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                             QString& strTextDescription) override;
    void AntiguaPartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                        QString& strTextDescription) override;
    void CerrarLiBautismo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void CerrarLiConfirmacion(db::Connection& conLocal, qint32& lngID,
                              PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void CerrarLiMatrimonio(db::Connection& conLocal, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void CerrarLiDefuncion(db::Connection& conLocal, qint32& lngID,
                           PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void AnularPartidas(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                        QString& strTextDescription) override;
    void InformeLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeIndiceLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeIndiceLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                        qint32& lngID) override;
    void InformeIndiceLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeIndiceLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformePartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformePartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformePartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformePartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeVolanteBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeVolanteMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeNotificacionConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                         qint32& lngID) override;
    void InformeNotificacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeSolicitudPartidaBautismoDatos(db::Connection& conLocal, db::Connection& conInformes,
                                              qint32& lngID) override;
    void InformeComunicacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    void InformeExhortoMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) override;
    QString selecencargado(db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                           QString& strCargo) override;
    void InformeCertificadoPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID,
                                           QString& strFirmante, QString& strCargo) override;
    void InformeCertificadoPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID,
                                               QString& strFirmante, QString& strCargo) override;
    void InformeCertificadoPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID,
                                            QString& strFirmante, QString& strCargo) override;
    void InformeCertificadoPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                             qint32& lngID) override;
    void InformeCertificadoLiteralPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                  qint32& lngID, QString& strFirmante, QString& strCargo) override;
    void InformeCertificadoLiteralPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                      qint32& lngID, QString& strFirmante,
                                                      QString& strCargo) override;
    void InformeCertificadoLiteralPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                   qint32& lngID, QString& strFirmante, QString& strCargo) override;
    void InformeCertificadoLiteralPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                    qint32& lngID) override;
    void ImprimirPartidaSinLibro(db::Connection& conLocal, db::Connection& conInformes,
                                 PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeExpedienteFormato1(db::Connection& conLocal, db::Connection& conInformes,
                                   const QString& strClave) override;
    void InformeExpedienteFormato2(db::Connection& conLocal, db::Connection& conInformes,
                                   const QString& strClave) override;
    void InformeExpedienteFormato3(db::Connection& conLocal, db::Connection& conInformes, const QString& strClave,
                                   bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes) override;
    void InformeResumenMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                  const QString& strClave) override;
    void InformeResumenMatrimonio2(db::Connection& conLocal, db::Connection& conInformes,
                                   const QString& strClave) override;
    void InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes) override;
    void imprimirduplicadas(db::Connection& conLocal, db::Connection& conInformes, const QString& strInforme,
                            QString& strOrden) override;
    void SelInfTareasAgenda(db::Connection& conLocal, db::Connection& conInformes) override;
    void SelInfActividad(db::Connection& conLocal, db::Connection& conInformes) override;
    void SelInfColaborador(db::Connection& conLocal, db::Connection& conInformes) override;
    void SelInfColaboradorExt(db::Connection& conLocal, db::Connection& conInformes) override;
    void InformeAgenda(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes) override;
    void InformeActividad(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes) override;
    void InformeColaborador(db::Connection& conLocal, db::Connection& conInformes,
                            QProgressBar* nvbpInformes) override;
    void InformeColaboradorExt(db::Connection& conLocal, db::Connection& conInformes,
                               QProgressBar* nvbpInformes) override;
    void ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas, QString& strPathBautismo,
                          QString& strPathConfirmacion, QString& strPathMatrimonio, QString& strPathDefuncion,
                          qint32& lngIDInstitucion, QString& strSiglo, QProgressBar* prgProgreso,
                          qint16 intDatosBautismo, const QString& strParroquiaBautismo,
                          const QString& strDiocesisBautismo, qint32& lngMunicipioBautismo,
                          qint16 intDatosConfirmacion, const QString& strParroquiaConfirmacion,
                          const QString& strDiocesisConfirmacion, qint32& lngMunicipioConfirmacion,
                          qint16 intDatosMatrimonio, const QString& strParroquiaMatrimonio,
                          const QString& strDiocesisMatrimonio, qint32& lngMunicipioMatrimonio,
                          qint16 intDatosDefuncion, const QString& strParroquiaDefuncion,
                          const QString& strDiocesisDefuncion, qint32& lngMunicipioDefuncion, quint8& bytOrdenNombres,
                          qint32 lngFormatoBautismo, qint32 lngFormatoConfirmacion, qint32 lngFormatoMatrimonio,
                          qint32 lngFormatoDefuncion) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
