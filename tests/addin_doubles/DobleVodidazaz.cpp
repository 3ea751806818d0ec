#include "addin_doubles/DobleVodidazaz.h"

namespace dobles {

bool DobleVodidazaz::DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("DatosSetup", conLocal, objInfoConfig);
    return m_grabadora->Resultado<bool>("DatosSetup", true);
}

void DobleVodidazaz::NuevoDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                                  PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoDonante", conLocal, conContabilidad, bytOrigen, objInfoConfig);
}

void DobleVodidazaz::NuevoPresentador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoPresentador", conLocal, objInfoConfig);
}

void DobleVodidazaz::NuevoTipoDonativo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoTipoDonativo", conLocal, objInfoConfig);
}

void DobleVodidazaz::EditaDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                                  qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaDonante", conLocal, conContabilidad, bytOrigen, lngID, objInfoConfig);
}

void DobleVodidazaz::EditaPresentador(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaPresentador", conLocal, lngID, objInfoConfig);
}

void DobleVodidazaz::EditaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                       PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaTipoDonativo", conLocal, lngID, objInfoConfig);
}

void DobleVodidazaz::EditaRecibosRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EditaRecibosRemesa", conLocal, conContabilidad, lngID, objInfoConfig);
}

void DobleVodidazaz::EliminaDonante(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaDonante", conLocal, lngID, objInfoConfig);
}

void DobleVodidazaz::EliminaPresentador(db::Connection& conLocal, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaPresentador", conLocal, lngID, objInfoConfig);
}

void DobleVodidazaz::EliminaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                         PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaTipoDonativo", conLocal, lngID, objInfoConfig);
}

void DobleVodidazaz::EliminaRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaRemesa", conLocal, conContabilidad, lngID, objInfoConfig);
}

void DobleVodidazaz::EliminaRecibosCaja(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EliminaRecibosCaja", conLocal, conContabilidad, lngID, objInfoConfig);
}

void DobleVodidazaz::GenerarRemesa(db::Connection& conLocal, db::Connection& conContabilidad,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("GenerarRemesa", conLocal, conContabilidad, objInfoConfig);
}

addins::ColeccionRecibos DobleVodidazaz::GenerarReciboCaja(db::Connection& conLocal, db::Connection& conContabilidad,
                                                           PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("GenerarReciboCaja", conLocal, conContabilidad, objInfoConfig);
    return m_grabadora->Resultado<addins::ColeccionRecibos>("GenerarReciboCaja");
}

addins::ColeccionRecibos DobleVodidazaz::ImprimirRecibosCaja(db::Connection& conLocal,
                                                             PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ImprimirRecibosCaja", conLocal, objInfoConfig);
    return m_grabadora->Resultado<addins::ColeccionRecibos>("ImprimirRecibosCaja");
}

void DobleVodidazaz::GenerarCertificado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("GenerarCertificado", conLocal, objInfoConfig);
}

void DobleVodidazaz::GenerarDisco(db::Connection& conLocal, qint32& lngIDRemesa,
                                  PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("GenerarDisco", conLocal, lngIDRemesa, objInfoConfig);
}

void DobleVodidazaz::ModeloHacienda(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig, PVAPI::IControlInforme& crptInformes)
{
    m_grabadora->Recibir("ModeloHacienda", conLocal, conInformes, objInfoConfig, crptInformes);
}

void DobleVodidazaz::CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("CambiarDeduccionComAut", conLocal, objInfoConfig);
}

void DobleVodidazaz::ExportarTotales(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ExportarTotales", conLocal, objInfoConfig);
}

void DobleVodidazaz::EnlaceContabilidad(db::Connection& conLocal, db::Connection& conContabilidad,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EnlaceContabilidad", conLocal, conContabilidad, objInfoConfig);
}

void DobleVodidazaz::EnlaceContabManual(db::Connection& conLocal, db::Connection& conContabilidad,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("EnlaceContabManual", conLocal, conContabilidad, objInfoConfig);
}

void DobleVodidazaz::TraspasaEnlace(db::Connection& conLocal, db::Connection& conContabilidad,
                                    qint32& lngEmpresaOrigen, qint32& lngEmpresaDestino, quint8& bytOrigen,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("TraspasaEnlace", conLocal, conContabilidad, lngEmpresaOrigen, lngEmpresaDestino, bytOrigen,
                         objInfoConfig);
}

void DobleVodidazaz::SelInfCertificadoRecibos(db::Connection& conLocal, db::Connection& conInformes,
                                              PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar,
                                              QString& strPlantilla, bool& blnEtiquetas)
{
    m_grabadora->Recibir("SelInfCertificadoRecibos", conLocal, conInformes, objInfoConfig, blnCancelar, strPlantilla,
                         blnEtiquetas);
}

void DobleVodidazaz::SelInfVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                               PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfVodidazazPorDonante", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfRemesas(db::Connection& conLocal, db::Connection& conInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfRemesas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfPersonas(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfPersonas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfDonantes(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfDonantes", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                               PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfVodidazazConDonante", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfEtiquetas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfImpagados", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfTotalesVodidazaz(db::Connection& conLocal, db::Connection& conInformes,
                                            PVAPI::IControlInforme& crptInformes,
                                            PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("SelInfTotalesVodidazaz", conLocal, conInformes, crptInformes, objInfoConfig);
}

void DobleVodidazaz::INFORMECERTIFICADORECIBOS(db::Connection& conLocal, db::Connection& conInformes,
                                               QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("INFORMECERTIFICADORECIBOS", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeVodidazazPorDonante", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeRemesas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeRemesas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformePersonas(db::Connection& conLocal, db::Connection& conInformes,
                                     QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformePersonas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeDonantesConDonativo", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeVodidazazConDonante", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                      QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeEtiquetas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                               QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("InformeVodidazazImpagados", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::INFORMETOTALESVODIDAZAZ(db::Connection& conLocal, db::Connection& conInformes,
                                             QProgressBar* nvbpInformes, PVAPI::IControlInforme& crptInformes,
                                             PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("INFORMETOTALESVODIDAZAZ", conLocal, conInformes, nvbpInformes, crptInformes, objInfoConfig);
}

void DobleVodidazaz::EliminaCertificadoRecibos(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaCertificadoRecibos", conInformes);
}

void DobleVodidazaz::EliminaVodidazazPorDonante(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaVodidazazPorDonante", conInformes);
}

void DobleVodidazaz::EliminaRemesas(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaRemesas", conInformes);
}

void DobleVodidazaz::EliminaPersona(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaPersona", conInformes);
}

void DobleVodidazaz::EliminaDonanteDonativo(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaDonanteDonativo", conInformes);
}

void DobleVodidazaz::EliminaEtiqueta(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaEtiqueta", conInformes);
}

void DobleVodidazaz::EliminaImpagados(db::Connection& conInformes)
{
    m_grabadora->Recibir("EliminaImpagados", conInformes);
}

QString DobleVodidazaz::ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                                         QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso,
                                         addins::ColeccionTrasvase& col1, addins::ColeccionTrasvase& col2,
                                         addins::ColeccionTrasvase& col3, addins::ColeccionTrasvase& col4,
                                         addins::ColeccionTrasvase& col5, addins::ColeccionTrasvase& col6,
                                         addins::ColeccionTrasvase& col7, addins::ColeccionTrasvase& col8,
                                         addins::ColeccionTrasvase& col9,
                                         addins::ColeccionInstituciones& colInstituciones,
                                         addins::ColeccionTrasvase& col11, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ImportarDuzediv1", conLocal, strPath, intModo, colEtiquetas, prgProgreso, col1, col2, col3,
                         col4, col5, col6, col7, col8, col9, colInstituciones, col11, objInfoConfig);
    return m_grabadora->Resultado<QString>("ImportarDuzediv1");
}

void DobleVodidazaz::ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                                    QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes,
                                    quint8& bytOrdenNombres, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ImportarKaldex", conLocal, lngIDInstitucion, strPath, prgProgreso, lblBancos, lblDonantes,
                         bytOrdenNombres, objInfoConfig);
}

} // namespace dobles
