#pragma once

#include "addin_doubles/GrabadoraLlamadas.h"
#include "platform/addins/cVodidazaz.h"

#include <memory>

namespace dobles {

// Test double of addins::cVodidazaz: records every call in its recorder and
// answers from it (see GrabadoraLlamadas).
class DobleVodidazaz : public addins::cVodidazaz {
public:
    explicit DobleVodidazaz(std::shared_ptr<GrabadoraLlamadas> grabadora = std::make_shared<GrabadoraLlamadas>())
        : m_grabadora(std::move(grabadora))
    {
    }
    GrabadoraLlamadas& Grabadora() const { return *m_grabadora; }

    bool DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevoDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                      PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevoPresentador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void NuevoTipoDonativo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen, qint32& lngID,
                      PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaPresentador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                           PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EditaRecibosRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaDonante(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaPresentador(db::Connection& conLocal, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                             PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                       PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaRecibosCaja(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void GenerarRemesa(db::Connection& conLocal, db::Connection& conContabilidad,
                       PVAPI::cInfoConfiguracion& objInfoConfig) override;
    addins::ColeccionRecibos GenerarReciboCaja(db::Connection& conLocal, db::Connection& conContabilidad,
                                               PVAPI::cInfoConfiguracion& objInfoConfig) override;
    addins::ColeccionRecibos ImprimirRecibosCaja(db::Connection& conLocal,
                                                 PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void GenerarCertificado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void GenerarDisco(db::Connection& conLocal, qint32& lngIDRemesa,
                      PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void ModeloHacienda(db::Connection& conLocal, db::Connection& conInformes,
                        PVAPI::cInfoConfiguracion& objInfoConfig, PVAPI::IControlInforme& crptInformes) override;
    void CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void ExportarTotales(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EnlaceContabilidad(db::Connection& conLocal, db::Connection& conContabilidad,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EnlaceContabManual(db::Connection& conLocal, db::Connection& conContabilidad,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void TraspasaEnlace(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngEmpresaOrigen,
                        qint32& lngEmpresaDestino, quint8& bytOrigen,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfCertificadoRecibos(db::Connection& conLocal, db::Connection& conInformes,
                                  PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar, QString& strPlantilla,
                                  bool& blnEtiquetas) override;
    void SelInfVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfRemesas(db::Connection& conLocal, db::Connection& conInformes,
                       PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfPersonas(db::Connection& conLocal, db::Connection& conInformes,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfDonantes(db::Connection& conLocal, db::Connection& conInformes,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                         PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfImpagados(db::Connection& conLocal, db::Connection& conInformes,
                         PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void SelInfTotalesVodidazaz(db::Connection& conLocal, db::Connection& conInformes,
                                PVAPI::IControlInforme& crptInformes,
                                PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void INFORMECERTIFICADORECIBOS(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeRemesas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformePersonas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                         PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeEtiquetas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                          PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void InformeVodidazazImpagados(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void INFORMETOTALESVODIDAZAZ(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                 PVAPI::IControlInforme& crptInformes,
                                 PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminaCertificadoRecibos(db::Connection& conInformes) override;
    void EliminaVodidazazPorDonante(db::Connection& conInformes) override;
    void EliminaRemesas(db::Connection& conInformes) override;
    void EliminaPersona(db::Connection& conInformes) override;
    void EliminaDonanteDonativo(db::Connection& conInformes) override;
    void EliminaEtiqueta(db::Connection& conInformes) override;
    void EliminaImpagados(db::Connection& conInformes) override;
    QString ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                             QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso, addins::ColeccionTrasvase& col1,
                             addins::ColeccionTrasvase& col2, addins::ColeccionTrasvase& col3,
                             addins::ColeccionTrasvase& col4, addins::ColeccionTrasvase& col5,
                             addins::ColeccionTrasvase& col6, addins::ColeccionTrasvase& col7,
                             addins::ColeccionTrasvase& col8, addins::ColeccionTrasvase& col9,
                             addins::ColeccionInstituciones& colInstituciones, addins::ColeccionTrasvase& col11,
                             PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                        QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes, quint8& bytOrdenNombres,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;

private:
    std::shared_ptr<GrabadoraLlamadas> m_grabadora;
};

} // namespace dobles
