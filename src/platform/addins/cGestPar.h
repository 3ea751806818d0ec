#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The parish-management add-in ("PVGestionParroquial.cGestPar"): sacramental
// books, entries and requests, the census, collaborators, offices and
// activities, the data of every parish document and list, and the import of
// the older parish program's books.
//
// Every member is the add-in's whole command, dialogs and messages included.
// Arguments keep the order in which the program has always passed them;
// a non-const reference is an argument the add-in may change for the caller.
// `strTextDescription` is the kind key of the node ("LibrosBautismo", ...).
class cGestPar : public Complemento {
public:
    static constexpr const char* NombreClase = "PVGestionParroquial.cGestPar";
    ~cGestPar() override;

    // Set-up of a newly installed add-in at start-up: false ends the start.
    virtual bool DatosSetup(db::Connection& conLocal) = 0;

    // Record dialogs. The three lower-case names are the add-in's own spelling.
    virtual void nuevasolicitud(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription) = 0;
    virtual void nuevolibro(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                            QString& strTextDescription) = 0;
    virtual void nuevapartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                              QString& strTextDescription) = 0;
    virtual void NuevoEmpadronado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void NuevoColaborador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void NuevoCargo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void NuevaActividad(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    virtual void PropiedadesSolicitudes(db::Connection& conLocal, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription) = 0;
    virtual void PropiedadesPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                    QString& strTextDescription) = 0;
    virtual void PropiedadesLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                  QString& strTextDescription) = 0;
    virtual void EditaColaborador(db::Connection& conLocal, qint32& lngID,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaEmpadronado(db::Connection& conLocal, qint32& lngID,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    virtual void EliminarSolicitud(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                   QString& strTextDescription) = 0;
    virtual void EliminarPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                 QString& strTextDescription) = 0;
    virtual void EliminarLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                               QString& strTextDescription) = 0;
    virtual void EliminaEmpadronado(db::Connection& conLocal, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaColaborador(db::Connection& conLocal, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaActividad(db::Connection& conLocal, qint32& lngID,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Book and entry commands.
    virtual void ImportarSolicitudes(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                     QString& strTextDescription) = 0;
    virtual void AntiguaPartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription) = 0;
    virtual void CerrarLiBautismo(db::Connection& conLocal, qint32& lngID,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void CerrarLiConfirmacion(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void CerrarLiMatrimonio(db::Connection& conLocal, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void CerrarLiDefuncion(db::Connection& conLocal, qint32& lngID,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void AnularPartidas(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                                QString& strTextDescription) = 0;

    // Document data: each leaves the record's rows in the sacrament's work
    // tables of "Informes.mdb" for the template that prints them.
    virtual void InformeLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeIndiceLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeIndiceLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                qint32& lngID) = 0;
    virtual void InformeIndiceLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                              qint32& lngID) = 0;
    virtual void InformeIndiceLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformePartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformePartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformePartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformePartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeVolanteBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeVolanteMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;
    virtual void InformeNotificacionConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                 qint32& lngID) = 0;
    virtual void InformeNotificacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                               qint32& lngID) = 0;
    virtual void InformeSolicitudPartidaBautismoDatos(db::Connection& conLocal, db::Connection& conInformes,
                                                      qint32& lngID) = 0;
    virtual void InformeComunicacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                               qint32& lngID) = 0;
    virtual void InformeExhortoMatrimonio(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID) = 0;

    // Certificates. `selecencargado` asks who signs ("" = cancelled) and
    // fills the signer's office; marriage certificates ask no signer.
    virtual QString selecencargado(db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                                   QString& strCargo) = 0;
    virtual void InformeCertificadoPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                   qint32& lngID, QString& strFirmante, QString& strCargo) = 0;
    virtual void InformeCertificadoPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                       qint32& lngID, QString& strFirmante, QString& strCargo) = 0;
    virtual void InformeCertificadoPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                    qint32& lngID, QString& strFirmante, QString& strCargo) = 0;
    virtual void InformeCertificadoPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                     qint32& lngID) = 0;
    virtual void InformeCertificadoLiteralPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                          qint32& lngID, QString& strFirmante,
                                                          QString& strCargo) = 0;
    virtual void InformeCertificadoLiteralPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                              qint32& lngID, QString& strFirmante,
                                                              QString& strCargo) = 0;
    virtual void InformeCertificadoLiteralPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                           qint32& lngID, QString& strFirmante,
                                                           QString& strCargo) = 0;
    virtual void InformeCertificadoLiteralPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                            qint32& lngID) = 0;

    // A confirmation notification without a book entry: the add-in asks for
    // the data (no rows = nothing to print).
    virtual void ImprimirPartidaSinLibro(db::Connection& conLocal, db::Connection& conInformes,
                                         PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Marriage file and summary of the request with key `strClave` (the list
    // row's key). Format 3 also says which parts to print; all three false
    // means there is nothing to print.
    virtual void InformeExpedienteFormato1(db::Connection& conLocal, db::Connection& conInformes,
                                           const QString& strClave) = 0;
    virtual void InformeExpedienteFormato2(db::Connection& conLocal, db::Connection& conInformes,
                                           const QString& strClave) = 0;
    virtual void InformeExpedienteFormato3(db::Connection& conLocal, db::Connection& conInformes,
                                           const QString& strClave, bool& TramitaParroquia, bool& EnviaCuria,
                                           bool& EnviaCuriaAntes) = 0;
    virtual void InformeResumenMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                          const QString& strClave) = 0;
    virtual void InformeResumenMatrimonio2(db::Connection& conLocal, db::Connection& conInformes,
                                           const QString& strClave) = 0;
    // The blank format-3 template: the three answers (all false = cancelled).
    virtual void InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria,
                                                    bool& EnviaCuriaAntes) = 0;

    // Duplicate book of the report `strInforme`; hands back the sort fields,
    // separated by ",". The lower-case name is the add-in's own spelling.
    virtual void imprimirduplicadas(db::Connection& conLocal, db::Connection& conInformes,
                                    const QString& strInforme, QString& strOrden) = 0;

    // Parish lists: the chosen rows (SelInf...) or all rows (Informe...) in
    // `Informe_Colaboradores` or `Tareas_Agenda`. The progress bar may be null.
    virtual void SelInfTareasAgenda(db::Connection& conLocal, db::Connection& conInformes) = 0;
    virtual void SelInfActividad(db::Connection& conLocal, db::Connection& conInformes) = 0;
    virtual void SelInfColaborador(db::Connection& conLocal, db::Connection& conInformes) = 0;
    virtual void SelInfColaboradorExt(db::Connection& conLocal, db::Connection& conInformes) = 0;
    virtual void InformeAgenda(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes) = 0;
    virtual void InformeActividad(db::Connection& conLocal, db::Connection& conInformes,
                                  QProgressBar* nvbpInformes) = 0;
    virtual void InformeColaborador(db::Connection& conLocal, db::Connection& conInformes,
                                    QProgressBar* nvbpInformes) = 0;
    virtual void InformeColaboradorExt(db::Connection& conLocal, db::Connection& conInformes,
                                       QProgressBar* nvbpInformes) = 0;

    // Import of the older parish program's books. A sacrament with an empty
    // folder is not imported; the four values per sacrament are: the "data"
    // check box (0/1), parish, diocese and town id.
    virtual void ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas, QString& strPathBautismo,
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
                                  qint32& lngMunicipioDefuncion, quint8& bytOrdenNombres,
                                  qint32 lngFormatoBautismo, qint32 lngFormatoConfirmacion,
                                  qint32 lngFormatoMatrimonio, qint32 lngFormatoDefuncion) = 0;
};

} // namespace addins
