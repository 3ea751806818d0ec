#pragma once

#include "platform/addins/cVodidazaz.h"

namespace addins {

// Stand-in of the donations add-in. It sets up its data at start-up (the
// institutions it works on must be readable) and answers every other
// command with the "not available" message, doing nothing: cancel flags come
// back set, change flags clear, lists empty, and the import check fails.
class VodidazazSustituto : public cVodidazaz {
public:
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
    ColeccionRecibos GenerarReciboCaja(db::Connection& conLocal, db::Connection& conContabilidad,
                                       PVAPI::cInfoConfiguracion& objInfoConfig) override;
    ColeccionRecibos ImprimirRecibosCaja(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
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
                             QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso, ColeccionTrasvase& col1,
                             ColeccionTrasvase& col2, ColeccionTrasvase& col3, ColeccionTrasvase& col4,
                             ColeccionTrasvase& col5, ColeccionTrasvase& col6, ColeccionTrasvase& col7,
                             ColeccionTrasvase& col8, ColeccionTrasvase& col9,
                             ColeccionInstituciones& colInstituciones, ColeccionTrasvase& col11,
                             PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                        QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes, quint8& bytOrdenNombres,
                        PVAPI::cInfoConfiguracion& objInfoConfig) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
