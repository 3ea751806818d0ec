#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The donations add-in ("PVVodidazaz.cVodidazaz"): donors, donation types,
// presenters, remittances, cash receipts, the tax declaration, the link with
// the accounting, the donation reports and the import of older data.
//
// Every member is the add-in's whole command, dialogs and messages included.
// Arguments keep the order in which the program has always passed them;
// a non-const reference is an argument the add-in may change for the caller.
class cVodidazaz : public Complemento {
public:
    static constexpr const char* NombreClase = "PVVodidazaz.cVodidazaz";
    ~cVodidazaz() override;

    // Set-up of a newly installed add-in at start-up: false ends the start.
    virtual bool DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Record dialogs. `bytOrigen` is the origin code of the donor record.
    virtual void NuevoDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                              PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void NuevoPresentador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void NuevoTipoDonativo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                              qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaPresentador(db::Connection& conLocal, qint32& lngID,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaRecibosRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaDonante(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaPresentador(db::Connection& conLocal, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                     PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                               PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaRecibosCaja(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Remittances, cash receipts (the new ones, or those the user picks, to
    // print), certificate numbers, the remittance's bank file.
    virtual void GenerarRemesa(db::Connection& conLocal, db::Connection& conContabilidad,
                               PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual ColeccionRecibos GenerarReciboCaja(db::Connection& conLocal, db::Connection& conContabilidad,
                                               PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual ColeccionRecibos ImprimirRecibosCaja(db::Connection& conLocal,
                                                 PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void GenerarCertificado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void GenerarDisco(db::Connection& conLocal, qint32& lngIDRemesa,
                              PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Tax declaration (Model 182), its deductions, the totals for the diocese.
    virtual void ModeloHacienda(db::Connection& conLocal, db::Connection& conInformes,
                                PVAPI::cInfoConfiguracion& objInfoConfig, PVAPI::IControlInforme& crptInformes) = 0;
    virtual void CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void ExportarTotales(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Link between the donations and the accounting; TraspasaEnlace moves the
    // institutions' link from one company to another.
    virtual void EnlaceContabilidad(db::Connection& conLocal, db::Connection& conContabilidad,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EnlaceContabManual(db::Connection& conLocal, db::Connection& conContabilidad,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void TraspasaEnlace(db::Connection& conLocal, db::Connection& conContabilidad,
                                qint32& lngEmpresaOrigen, qint32& lngEmpresaDestino, quint8& bytOrigen,
                                PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Report selections: the add-in's dialog leaves the chosen rows in the
    // report's work table of "Informes.mdb" (none when cancelled). For the
    // certificates it also says whether to print them, with which template
    // (relative to the program folder) and whether labels were asked for.
    virtual void SelInfCertificadoRecibos(db::Connection& conLocal, db::Connection& conInformes,
                                          PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar,
                                          QString& strPlantilla, bool& blnEtiquetas) = 0;
    virtual void SelInfVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfRemesas(db::Connection& conLocal, db::Connection& conInformes,
                               PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfPersonas(db::Connection& conLocal, db::Connection& conInformes,
                                PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfDonantes(db::Connection& conLocal, db::Connection& conInformes,
                                PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                 PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                 PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void SelInfTotalesVodidazaz(db::Connection& conLocal, db::Connection& conInformes,
                                        PVAPI::IControlInforme& crptInformes,
                                        PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // The same reports over all records, with the viewer's progress bar (may
    // be null). The two upper-case names are the add-in's own spelling.
    virtual void INFORMECERTIFICADORECIBOS(db::Connection& conLocal, db::Connection& conInformes,
                                           QProgressBar* nvbpInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                            QProgressBar* nvbpInformes,
                                            PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeRemesas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformePersonas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                 PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes,
                                            QProgressBar* nvbpInformes,
                                            PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                            QProgressBar* nvbpInformes,
                                            PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeEtiquetas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void InformeVodidazazImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                           QProgressBar* nvbpInformes,
                                           PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void INFORMETOTALESVODIDAZAZ(db::Connection& conLocal, db::Connection& conInformes,
                                         QProgressBar* nvbpInformes, PVAPI::IControlInforme& crptInformes,
                                         PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    // Emptying of the report work tables after a print.
    virtual void EliminaCertificadoRecibos(db::Connection& conInformes) = 0;
    virtual void EliminaVodidazazPorDonante(db::Connection& conInformes) = 0;
    virtual void EliminaRemesas(db::Connection& conInformes) = 0;
    virtual void EliminaPersona(db::Connection& conInformes) = 0;
    virtual void EliminaDonanteDonativo(db::Connection& conInformes) = 0;
    virtual void EliminaEtiqueta(db::Connection& conInformes) = 0;
    virtual void EliminaImpagados(db::Connection& conInformes) = 0;

    // Import of the previous version's database: a check run (`intModo` 0)
    // and a transfer run (1). The check run answers "ERROR", "ERRORBD", the
    // path of an incidences file or ""; the transfer run the path of its log.
    // The eleven collections go from one run to the other; the tenth holds
    // the institutions found.
    virtual QString ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                                     QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso,
                                     ColeccionTrasvase& col1, ColeccionTrasvase& col2, ColeccionTrasvase& col3,
                                     ColeccionTrasvase& col4, ColeccionTrasvase& col5, ColeccionTrasvase& col6,
                                     ColeccionTrasvase& col7, ColeccionTrasvase& col8, ColeccionTrasvase& col9,
                                     ColeccionInstituciones& colInstituciones, ColeccionTrasvase& col11,
                                     PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    // Import of the donations of the older parish program (dBase tables).
    virtual void ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                                QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes,
                                quint8& bytOrdenNombres, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
};

} // namespace addins
