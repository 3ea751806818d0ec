#pragma once

#include "platform/addins/cVodidazaz.h"

#include <gmock/gmock.h>

namespace dobles {

// gmock mocks members of up to 15 arguments, so the 17 of ImportarDuzediv1 reach
// its mock as one call: by-reference arguments as pointers, so that a
// matcher can name them (Field) and an action can write through them.
struct LlamadaImportarDuzediv1 {
    db::Connection* conLocal;
    QString strPath;
    qint16 intModo;
    QList<QLabel*>* colEtiquetas;
    QProgressBar* prgProgreso;
    addins::ColeccionTrasvase* col1;
    addins::ColeccionTrasvase* col2;
    addins::ColeccionTrasvase* col3;
    addins::ColeccionTrasvase* col4;
    addins::ColeccionTrasvase* col5;
    addins::ColeccionTrasvase* col6;
    addins::ColeccionTrasvase* col7;
    addins::ColeccionTrasvase* col8;
    addins::ColeccionTrasvase* col9;
    addins::ColeccionInstituciones* colInstituciones;
    addins::ColeccionTrasvase* col11;
    PVAPI::cInfoConfiguracion* objInfoConfig;
};

// gmock mock of addins::cVodidazaz. Unless a test says otherwise, DatosSetup
// answers true, as the add-in does when it works, and every other member does
// nothing and returns an empty value.
class MockVodidazaz : public addins::cVodidazaz {
public:
    MockVodidazaz();
    ~MockVodidazaz() override;

    MOCK_METHOD(bool, DatosSetup, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoDonante, (db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoPresentador, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoTipoDonativo, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaDonante, (db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaPresentador, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaTipoDonativo, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EditaRecibosRemesa, (db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaDonante, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaPresentador, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaTipoDonativo, (db::Connection& conLocal, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaRemesa, (db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaRecibosCaja, (db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, GenerarRemesa, (db::Connection& conLocal, db::Connection& conContabilidad,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(addins::ColeccionRecibos, GenerarReciboCaja, (db::Connection& conLocal, db::Connection& conContabilidad,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(addins::ColeccionRecibos, ImprimirRecibosCaja, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, GenerarCertificado, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, GenerarDisco, (db::Connection& conLocal, qint32& lngIDRemesa,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, ModeloHacienda, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig, PVAPI::IControlInforme& crptInformes), (override));
    MOCK_METHOD(void, CambiarDeduccionComAut, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, ExportarTotales, (db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EnlaceContabilidad, (db::Connection& conLocal, db::Connection& conContabilidad,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EnlaceContabManual, (db::Connection& conLocal, db::Connection& conContabilidad,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, TraspasaEnlace, (db::Connection& conLocal, db::Connection& conContabilidad,
                qint32& lngEmpresaOrigen, qint32& lngEmpresaDestino, quint8& bytOrigen,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfCertificadoRecibos, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar, QString& strPlantilla,
                bool& blnEtiquetas), (override));
    MOCK_METHOD(void, SelInfVodidazazPorDonante, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfRemesas, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfPersonas, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfDonantes, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfVodidazazConDonante, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfEtiquetas, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfImpagados, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, SelInfTotalesVodidazaz, (db::Connection& conLocal, db::Connection& conInformes,
                PVAPI::IControlInforme& crptInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, INFORMECERTIFICADORECIBOS, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeVodidazazPorDonante, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeRemesas, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformePersonas, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeDonantesConDonativo, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeVodidazazConDonante, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeEtiquetas, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, InformeVodidazazImpagados, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, INFORMETOTALESVODIDAZAZ, (db::Connection& conLocal, db::Connection& conInformes,
                QProgressBar* nvbpInformes, PVAPI::IControlInforme& crptInformes,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaCertificadoRecibos, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaVodidazazPorDonante, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaRemesas, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaPersona, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaDonanteDonativo, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaEtiqueta, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, EliminaImpagados, (db::Connection& conInformes), (override));
    MOCK_METHOD(void, ImportarKaldex, (db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes, quint8& bytOrdenNombres,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));

    QString ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                             QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso, addins::ColeccionTrasvase& col1,
                             addins::ColeccionTrasvase& col2, addins::ColeccionTrasvase& col3,
                             addins::ColeccionTrasvase& col4, addins::ColeccionTrasvase& col5,
                             addins::ColeccionTrasvase& col6, addins::ColeccionTrasvase& col7,
                             addins::ColeccionTrasvase& col8, addins::ColeccionTrasvase& col9,
                             addins::ColeccionInstituciones& colInstituciones, addins::ColeccionTrasvase& col11,
                             PVAPI::cInfoConfiguracion& objInfoConfig) override;
    MOCK_METHOD(QString, ImportarDuzediv1, (const LlamadaImportarDuzediv1& llamada));
};

} // namespace dobles
