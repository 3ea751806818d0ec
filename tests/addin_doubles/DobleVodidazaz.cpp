#include "addin_doubles/DobleVodidazaz.h"

namespace dobles {

bool DobleVodidazaz::DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("DatosSetup", conLocal, objInfoConfig);
    return m_grabadora->Resultado<bool>("DatosSetup", true);
}

void DobleVodidazaz::NuevoDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                                  PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoDonante", conLocal, conContabilidad, bytOrigen, objInfoConfig);
}

void DobleVodidazaz::NuevoPresentador(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoPresentador", conLocal, objInfoConfig);
}

void DobleVodidazaz::NuevoTipoDonativo(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoTipoDonativo", conLocal, objInfoConfig);
}

void DobleVodidazaz::EditaDonante(db::Connection& conLocal, db::Connection& conContabilidad, quint8 bytOrigen,
                                  qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaDonante", conLocal, conContabilidad, bytOrigen, lngID, objInfoConfig);
    m_grabadora->Salida("EditaDonante", 3, lngID);
}

void DobleVodidazaz::EditaPresentador(db::Connection& conLocal, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaPresentador", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaPresentador", 1, lngID);
}

void DobleVodidazaz::EditaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                       PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaTipoDonativo", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EditaTipoDonativo", 1, lngID);
}

void DobleVodidazaz::EditaRecibosRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EditaRecibosRemesa", conLocal, conContabilidad, lngID, objInfoConfig);
    m_grabadora->Salida("EditaRecibosRemesa", 2, lngID);
}

void DobleVodidazaz::EliminaDonante(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaDonante", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaDonante", 1, lngID);
}

void DobleVodidazaz::EliminaPresentador(db::Connection& conLocal, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaPresentador", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaPresentador", 1, lngID);
}

void DobleVodidazaz::EliminaTipoDonativo(db::Connection& conLocal, qint32& lngID,
                                         PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaTipoDonativo", conLocal, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaTipoDonativo", 1, lngID);
}

void DobleVodidazaz::EliminaRemesa(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaRemesa", conLocal, conContabilidad, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaRemesa", 2, lngID);
}

void DobleVodidazaz::EliminaRecibosCaja(db::Connection& conLocal, db::Connection& conContabilidad, qint32& lngID,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EliminaRecibosCaja", conLocal, conContabilidad, lngID, objInfoConfig);
    m_grabadora->Salida("EliminaRecibosCaja", 2, lngID);
}

void DobleVodidazaz::GenerarRemesa(db::Connection& conLocal, db::Connection& conContabilidad,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("GenerarRemesa", conLocal, conContabilidad, objInfoConfig);
}

addins::ColeccionRecibos DobleVodidazaz::GenerarReciboCaja(db::Connection& conLocal, db::Connection& conContabilidad,
                                                           PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("GenerarReciboCaja", conLocal, conContabilidad, objInfoConfig);
    return m_grabadora->Resultado<addins::ColeccionRecibos>("GenerarReciboCaja");
}

addins::ColeccionRecibos DobleVodidazaz::ImprimirRecibosCaja(db::Connection& conLocal,
                                                             PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("ImprimirRecibosCaja", conLocal, objInfoConfig);
    return m_grabadora->Resultado<addins::ColeccionRecibos>("ImprimirRecibosCaja");
}

void DobleVodidazaz::GenerarCertificado(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("GenerarCertificado", conLocal, objInfoConfig);
}

void DobleVodidazaz::GenerarDisco(db::Connection& conLocal, qint32& lngIDRemesa,
                                  PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("GenerarDisco", conLocal, lngIDRemesa, objInfoConfig);
    m_grabadora->Salida("GenerarDisco", 1, lngIDRemesa);
}

void DobleVodidazaz::ModeloHacienda(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig, PVAPI::IControlInforme& crptInformes)
{
    m_grabadora->Anotar("ModeloHacienda", conLocal, conInformes, objInfoConfig, crptInformes);
}

void DobleVodidazaz::CambiarDeduccionComAut(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("CambiarDeduccionComAut", conLocal, objInfoConfig);
}

void DobleVodidazaz::ExportarTotales(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("ExportarTotales", conLocal, objInfoConfig);
}

void DobleVodidazaz::EnlaceContabilidad(db::Connection& conLocal, db::Connection& conContabilidad,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EnlaceContabilidad", conLocal, conContabilidad, objInfoConfig);
}

void DobleVodidazaz::EnlaceContabManual(db::Connection& conLocal, db::Connection& conContabilidad,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("EnlaceContabManual", conLocal, conContabilidad, objInfoConfig);
}

void DobleVodidazaz::TraspasaEnlace(db::Connection& conLocal, db::Connection& conContabilidad,
                                    qint32& lngEmpresaOrigen, qint32& lngEmpresaDestino, quint8& bytOrigen,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("TraspasaEnlace", conLocal, conContabilidad, lngEmpresaOrigen, lngEmpresaDestino, bytOrigen,
                        objInfoConfig);
    m_grabadora->Salida("TraspasaEnlace", 2, lngEmpresaOrigen);
    m_grabadora->Salida("TraspasaEnlace", 3, lngEmpresaDestino);
    m_grabadora->Salida("TraspasaEnlace", 4, bytOrigen);
}

void DobleVodidazaz::SelInfCertificadoRecibos(db::Connection& conLocal, db::Connection& conInformes,
                                              PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar,
                                              QString& strPlantilla, bool& blnEtiquetas)
{
    m_grabadora->Anotar("SelInfCertificadoRecibos", conLocal, conInformes, objInfoConfig, blnCancelar, strPlantilla,
                        blnEtiquetas);
    m_grabadora->Salida("SelInfCertificadoRecibos", 3, blnCancelar);
    m_grabadora->Salida("SelInfCertificadoRecibos", 4, strPlantilla);
    m_grabadora->Salida("SelInfCertificadoRecibos", 5, blnEtiquetas);
}

void DobleVodidazaz::SelInfVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                               PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfVodidazazPorDonante", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfRemesas(db::Connection& conLocal, db::Connection& conInformes,
                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfRemesas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfPersonas(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfPersonas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfDonantes(db::Connection& conLocal, db::Connection& conInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfDonantes", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                               PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfVodidazazConDonante", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfEtiquetas", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                     PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfImpagados", conLocal, conInformes, objInfoConfig);
}

void DobleVodidazaz::SelInfTotalesVodidazaz(db::Connection& conLocal, db::Connection& conInformes,
                                            PVAPI::IControlInforme& crptInformes,
                                            PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("SelInfTotalesVodidazaz", conLocal, conInformes, crptInformes, objInfoConfig);
}

void DobleVodidazaz::INFORMECERTIFICADORECIBOS(db::Connection& conLocal, db::Connection& conInformes,
                                               QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("INFORMECERTIFICADORECIBOS", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeVodidazazPorDonante", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeRemesas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar* nvbpInformes,
                                    PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeRemesas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformePersonas(db::Connection& conLocal, db::Connection& conInformes,
                                     QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformePersonas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeDonantesConDonativo", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeVodidazazConDonante", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                      QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeEtiquetas", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::InformeVodidazazImpagados(db::Connection& conLocal, db::Connection& conInformes,
                                               QProgressBar* nvbpInformes, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("InformeVodidazazImpagados", conLocal, conInformes, nvbpInformes, objInfoConfig);
}

void DobleVodidazaz::INFORMETOTALESVODIDAZAZ(db::Connection& conLocal, db::Connection& conInformes,
                                             QProgressBar* nvbpInformes, PVAPI::IControlInforme& crptInformes,
                                             PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("INFORMETOTALESVODIDAZAZ", conLocal, conInformes, nvbpInformes, crptInformes, objInfoConfig);
}

void DobleVodidazaz::EliminaCertificadoRecibos(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaCertificadoRecibos", conInformes);
}

void DobleVodidazaz::EliminaVodidazazPorDonante(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaVodidazazPorDonante", conInformes);
}

void DobleVodidazaz::EliminaRemesas(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaRemesas", conInformes);
}

void DobleVodidazaz::EliminaPersona(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaPersona", conInformes);
}

void DobleVodidazaz::EliminaDonanteDonativo(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaDonanteDonativo", conInformes);
}

void DobleVodidazaz::EliminaEtiqueta(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaEtiqueta", conInformes);
}

void DobleVodidazaz::EliminaImpagados(db::Connection& conInformes)
{
    m_grabadora->Anotar("EliminaImpagados", conInformes);
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
    m_grabadora->Anotar("ImportarDuzediv1", conLocal, strPath, intModo, colEtiquetas, prgProgreso, col1, col2, col3,
                        col4, col5, col6, col7, col8, col9, colInstituciones, col11, objInfoConfig);
    return m_grabadora->Resultado<QString>("ImportarDuzediv1");
}

void DobleVodidazaz::ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                                    QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes,
                                    quint8& bytOrdenNombres, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("ImportarKaldex", conLocal, lngIDInstitucion, strPath, prgProgreso, lblBancos, lblDonantes,
                        bytOrdenNombres, objInfoConfig);
    m_grabadora->Salida("ImportarKaldex", 1, lngIDInstitucion);
    m_grabadora->Salida("ImportarKaldex", 6, bytOrdenNombres);
}

} // namespace dobles
