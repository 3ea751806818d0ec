#pragma once

#include "platform/addins/cGestPar.h"

#include <gmock/gmock.h>

namespace dobles {

// gmock mocks members of up to 15 arguments, so the 30 of ImportarKaldexGP reach
// its mock as one call: by-reference arguments as pointers, so that a
// matcher can name them (Field) and an action can write through them.
struct LlamadaImportarKaldexGP {
    db::Connection* conLocal;
    QList<QLabel*>* colEtiquetas;
    QString* strPathBautismo;
    QString* strPathConfirmacion;
    QString* strPathMatrimonio;
    QString* strPathDefuncion;
    qint32* lngIDInstitucion;
    QString* strSiglo;
    QProgressBar* prgProgreso;
    qint16 intDatosBautismo;
    QString strParroquiaBautismo;
    QString strDiocesisBautismo;
    qint32* lngMunicipioBautismo;
    qint16 intDatosConfirmacion;
    QString strParroquiaConfirmacion;
    QString strDiocesisConfirmacion;
    qint32* lngMunicipioConfirmacion;
    qint16 intDatosMatrimonio;
    QString strParroquiaMatrimonio;
    QString strDiocesisMatrimonio;
    qint32* lngMunicipioMatrimonio;
    qint16 intDatosDefuncion;
    QString strParroquiaDefuncion;
    QString strDiocesisDefuncion;
    qint32* lngMunicipioDefuncion;
    quint8* bytOrdenNombres;
    qint32 lngFormatoBautismo;
    qint32 lngFormatoConfirmacion;
    qint32 lngFormatoMatrimonio;
    qint32 lngFormatoDefuncion;
};

// gmock mock of addins::cGestPar. Unless a test says otherwise, DatosSetup
// answers true, as the add-in does when it works, and every other member does
// nothing and returns an empty value.
class MockGestPar : public addins::cGestPar {
public:
    MockGestPar();
    ~MockGestPar() override;

    MOCK_METHOD(bool, DatosSetup, (db::Connection& conLocal), (override));
    MOCK_METHOD(void, nuevasolicitud, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, nuevolibro, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, nuevapartida, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, NuevoEmpadronado, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoColaborador, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoCargo, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevaActividad, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, PropiedadesSolicitudes, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, PropiedadesPartida, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, PropiedadesLibro, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, EditaColaborador, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaEmpadronado, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaCargo, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaActividad, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminarSolicitud, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, EliminarPartida, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, EliminarLibro, (db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, EliminaEmpadronado, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaColaborador, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaCargo, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaActividad, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, ImportarSolicitudes, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, AntiguaPartida, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig,
                QString& strTextDescription), (override));
    MOCK_METHOD(void, CerrarLiBautismo, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, CerrarLiConfirmacion, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, CerrarLiMatrimonio, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, CerrarLiDefuncion, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, AnularPartidas, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig, QString& strTextDescription), (override));
    MOCK_METHOD(void, InformeLibroBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeLibroConfirmacion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeLibroMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeLibroDefuncion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeIndiceLibroBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeIndiceLibroConfirmacion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeIndiceLibroMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeIndiceLibroDefuncion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformePartidaBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformePartidaConfirmacion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformePartidaMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformePartidaDefuncion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeVolanteBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeVolanteMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeNotificacionConfirmacion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeNotificacionMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeSolicitudPartidaBautismoDatos, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeComunicacionMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeExhortoMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(QString, selecencargado, (db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoPartidaBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoPartidaConfirmacion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoPartidaDefuncion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoPartidaMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID), (override));
    MOCK_METHOD(void, InformeCertificadoLiteralPartidaBautismo, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoLiteralPartidaConfirmacion, (db::Connection& conLocal,
                db::Connection& conInformes, qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoLiteralPartidaDefuncion, (db::Connection& conLocal, db::Connection& conInformes,
                qint32& lngID, QString& strFirmante, QString& strCargo), (override));
    MOCK_METHOD(void, InformeCertificadoLiteralPartidaMatrimonio, (db::Connection& conLocal,
                db::Connection& conInformes, qint32& lngID), (override));
    MOCK_METHOD(void, ImprimirPartidaSinLibro, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeExpedienteFormato1, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strClave), (override));
    MOCK_METHOD(void, InformeExpedienteFormato2, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strClave), (override));
    MOCK_METHOD(void, InformeExpedienteFormato3, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strClave, bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes), (override));
    MOCK_METHOD(void, InformeResumenMatrimonio, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strClave), (override));
    MOCK_METHOD(void, InformeResumenMatrimonio2, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strClave), (override));
    MOCK_METHOD(void, InformeExpedienteFormato3Plantilla, (bool& TramitaParroquia, bool& EnviaCuria,
                bool& EnviaCuriaAntes), (override));
    MOCK_METHOD(void, imprimirduplicadas, (db::Connection& conLocal, db::Connection& conInformes,
                const QString& strInforme, QString& strOrden), (override));
    MOCK_METHOD(void, SelInfTareasAgenda, (db::Connection& conLocal, db::Connection& conInformes), (override));
    MOCK_METHOD(void, SelInfActividad, (db::Connection& conLocal, db::Connection& conInformes), (override));
    MOCK_METHOD(void, SelInfColaborador, (db::Connection& conLocal, db::Connection& conInformes), (override));
    MOCK_METHOD(void, SelInfColaboradorExt, (db::Connection& conLocal, db::Connection& conInformes), (override));
    MOCK_METHOD(void, InformeAgenda, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes), (override));
    MOCK_METHOD(void, InformeActividad, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes), (override));
    MOCK_METHOD(void, InformeColaborador, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes), (override));
    MOCK_METHOD(void, InformeColaboradorExt, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes), (override));

    void ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas, QString& strPathBautismo,
                          QString& strPathConfirmacion, QString& strPathMatrimonio, QString& strPathDefuncion,
                          qint32& lngIDInstitucion, QString& strSiglo, QProgressBar* prgProgreso,
                          qint16 intDatosBautismo, const QString& strParroquiaBautismo,
                          const QString& strDiocesisBautismo, qint32& lngMunicipioBautismo, qint16 intDatosConfirmacion,
                          const QString& strParroquiaConfirmacion, const QString& strDiocesisConfirmacion,
                          qint32& lngMunicipioConfirmacion, qint16 intDatosMatrimonio,
                          const QString& strParroquiaMatrimonio, const QString& strDiocesisMatrimonio,
                          qint32& lngMunicipioMatrimonio, qint16 intDatosDefuncion,
                          const QString& strParroquiaDefuncion, const QString& strDiocesisDefuncion,
                          qint32& lngMunicipioDefuncion, quint8& bytOrdenNombres, qint32 lngFormatoBautismo,
                          qint32 lngFormatoConfirmacion, qint32 lngFormatoMatrimonio,
                          qint32 lngFormatoDefuncion) override;
    MOCK_METHOD(void, ImportarKaldexGP, (const LlamadaImportarKaldexGP& llamada));
};

} // namespace dobles
