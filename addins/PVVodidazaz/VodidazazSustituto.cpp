#include "PVVodidazaz/VodidazazSustituto.h"

#include "PVVodidazaz/RecibosCaja.h"

#include "comun/TraspasoEnlace.h"
#include "comun/AvisoNoDisponible.h"
#include "comun/CertificadosDonativo.h"
#include "comun/ImportacionKaldex.h"
#include "comun/InformesDonativos.h"
#include "platform/pvapi/cCOrigen.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "comun/MonedaComplemento.h"
#include "comun/RolesPersona.h"
#include "comun/TrasvaseVersionAnterior.h"
#include "comun/SeleccionDonativos.h"
#include "comun/TablasRegistroDonativos.h"
#include "comun/TablasRegistroPersonas.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiConstants.h"
#include "comun/ComprobarDatosInstituciones.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

using widgets::DialogoRegistro;

void VodidazazSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVVodidazaz"), QString::fromLatin1(funcion));
}

bool VodidazazSustituto::DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    return ComprobarDatosInstituciones(conLocal);
}

void VodidazazSustituto::NuevoDonante(db::Connection& conLocal, db::Connection&, quint8,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    RolesPersona::Nuevo(conLocal, TablasRegistroPersonas::Donante(), RolesPersona::Donante,
                        MonedaComplemento(objInfoConfig));
}

void VodidazazSustituto::NuevoPresentador(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::Presentador(), 0);
}

void VodidazazSustituto::NuevoTipoDonativo(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::TipoDonativo(), 0);
}

void VodidazazSustituto::EditaDonante(db::Connection& conLocal, db::Connection&, quint8, qint32& lngID,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroPersonas::Donante(), lngID, MonedaComplemento(objInfoConfig));
}

void VodidazazSustituto::EditaPresentador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::Presentador(), lngID);
}

void VodidazazSustituto::EditaTipoDonativo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::TipoDonativo(), lngID);
}

void VodidazazSustituto::EditaRecibosRemesa(db::Connection& conLocal, db::Connection&, qint32& lngID,
                                            PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::Remesa(), lngID, MonedaComplemento(objInfoConfig));
}

void VodidazazSustituto::EliminaDonante(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    RolesPersona::Eliminar(conLocal, lngID, RolesPersona::Donante,
                           QStringLiteral("¿Desea eliminar el donante seleccionado?\r\n\r\n"
                                          "Se eliminarán también sus donativos, con sus recibos, y sus cuentas "
                                          "bancarias. Si la persona figura además en el padrón o como "
                                          "colaborador, esos datos se conservan."));
}

void VodidazazSustituto::EliminaPresentador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroDonativos::Presentador(), lngID,
                                      QStringLiteral("¿Desea eliminar el presentador seleccionado?"));
}

void VodidazazSustituto::EliminaTipoDonativo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroDonativos::TipoDonativo(), lngID,
                                      QStringLiteral("¿Desea eliminar el tipo de donativo seleccionado?"));
}

void VodidazazSustituto::EliminaRemesa(db::Connection& conLocal, db::Connection&, qint32& lngID,
                                       PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroDonativos::Remesa(), lngID,
                                      QStringLiteral("¿Desea eliminar la remesa seleccionada con todos sus recibos?"));
}

void VodidazazSustituto::EliminaRecibosCaja(db::Connection& conLocal, db::Connection&, qint32& lngID,
                                            PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroDonativos::ReciboCaja(), lngID,
                                      QStringLiteral("¿Desea eliminar el recibo seleccionado?"));
}

void VodidazazSustituto::GenerarRemesa(db::Connection& conLocal, db::Connection&,
                                       PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroDonativos::GeneracionRemesa(), 0,
                                    MonedaComplemento(objInfoConfig));
}

ColeccionRecibos VodidazazSustituto::GenerarReciboCaja(db::Connection& conLocal, db::Connection&,
                                                       PVAPI::cInfoConfiguracion& objInfoConfig)
{
    widgets::DialogoRegistroDatos recibo(TablasRegistroDonativos::ReciboCaja(), MonedaComplemento(objInfoConfig));
    recibo.Nuevo();
    if (!DialogoRegistro::Editar(conLocal, recibo))
        return {};
    return {qint32(recibo.Id())};
}

ColeccionRecibos VodidazazSustituto::ImprimirRecibosCaja(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    return recibos_caja::Elegir(conLocal);
}

void VodidazazSustituto::GenerarCertificado(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    CertificadosDonativo::Generar(conLocal);
}

void VodidazazSustituto::GenerarDisco(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("GenerarDisco");
}

void VodidazazSustituto::ModeloHacienda(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&,
                                        PVAPI::IControlInforme&)
{
    NoDisponible("ModeloHacienda");
}

void VodidazazSustituto::CambiarDeduccionComAut(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("CambiarDeduccionComAut");
}

void VodidazazSustituto::ExportarTotales(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ExportarTotales");
}

void VodidazazSustituto::EnlaceContabilidad(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EnlaceContabilidad");
}

void VodidazazSustituto::EnlaceContabManual(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EnlaceContabManual");
}

// From the menu the user is asked and told; a year close hands over
// silently.
void VodidazazSustituto::TraspasaEnlace(db::Connection& conLocal, db::Connection& conContabilidad,
                                        qint32& lngEmpresaOrigen, qint32& lngEmpresaDestino, quint8& bytOrigen,
                                        PVAPI::cInfoConfiguracion&)
{
    traspaso_enlace::Traspasar(conLocal, conContabilidad, lngEmpresaOrigen, lngEmpresaDestino,
                               bytOrigen == PVAPI::cCOrigen::PRINCIPAL);
}

void VodidazazSustituto::SelInfCertificadoRecibos(db::Connection& conLocal, db::Connection& conInformes,
                                                  PVAPI::cInfoConfiguracion& objInfoConfig, bool& blnCancelar,
                                                  QString& strPlantilla, bool& blnEtiquetas)
{
    seleccion_donativos::Certificados(conLocal, conInformes, objInfoConfig.TrabajarConPesetas, blnCancelar,
                                      strPlantilla, blnEtiquetas);
}

void VodidazazSustituto::SelInfVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    seleccion_donativos::DonativosPorDonante(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::SelInfRemesas(db::Connection& conLocal, db::Connection& conInformes,
                                       PVAPI::cInfoConfiguracion& objInfoConfig)
{
    seleccion_donativos::Remesas(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::SelInfPersonas(db::Connection& conLocal, db::Connection& conInformes,
                                        PVAPI::cInfoConfiguracion&)
{
    seleccion_donativos::Personas(conLocal, conInformes);
}

void VodidazazSustituto::SelInfDonantes(db::Connection& conLocal, db::Connection& conInformes,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    seleccion_donativos::DonantesConDonativo(conLocal, conInformes, objInfoConfig.TrabajarConPesetas,
                                             QStringLiteral("Donantes con donativo"));
}

void VodidazazSustituto::SelInfVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                   PVAPI::cInfoConfiguracion& objInfoConfig)
{
    seleccion_donativos::DonantesConDonativo(conLocal, conInformes, objInfoConfig.TrabajarConPesetas,
                                             QStringLiteral("Vodidazaz con donante"));
}

void VodidazazSustituto::SelInfEtiquetas(db::Connection& conLocal, db::Connection& conInformes,
                                         PVAPI::cInfoConfiguracion&)
{
    seleccion_donativos::Etiquetas(conLocal, conInformes);
}

void VodidazazSustituto::SelInfImpagados(db::Connection&, db::Connection& conInformes, PVAPI::cInfoConfiguracion&)
{
    seleccion_donativos::Impagados(conInformes);
}

void VodidazazSustituto::SelInfTotalesVodidazaz(db::Connection& conLocal, db::Connection& conInformes,
                                                PVAPI::IControlInforme&, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    seleccion_donativos::Totales(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::INFORMECERTIFICADORECIBOS(db::Connection& conLocal, db::Connection& conInformes,
                                                   QProgressBar*, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarCertificados(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::InformeVodidazazPorDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                    QProgressBar*, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarDonativosPorDonante(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::InformeRemesas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarRemesas(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::InformePersonas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*,
                                         PVAPI::cInfoConfiguracion&)
{
    informes_donativos::LlenarPersonas(conLocal, conInformes);
}

void VodidazazSustituto::InformeDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes,
                                                    QProgressBar*, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarDonantesConDonativo(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::InformeVodidazazConDonante(db::Connection& conLocal, db::Connection& conInformes,
                                                    QProgressBar*, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarDonantesConDonativo(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::InformeEtiquetas(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*,
                                          PVAPI::cInfoConfiguracion&)
{
    informes_donativos::LlenarEtiquetas(conLocal, conInformes);
}

// Nothing records which receipts the bank returned, so there is nothing to
// list; the viewer's own "no records" message is the one answer to "Todos".
void VodidazazSustituto::InformeVodidazazImpagados(db::Connection&, db::Connection& conInformes, QProgressBar*,
                                                   PVAPI::cInfoConfiguracion&)
{
    informes_donativos::Vaciar(conInformes, "Impagados");
}

void VodidazazSustituto::INFORMETOTALESVODIDAZAZ(db::Connection& conLocal, db::Connection& conInformes,
                                                 QProgressBar*, PVAPI::IControlInforme&,
                                                 PVAPI::cInfoConfiguracion& objInfoConfig)
{
    informes_donativos::LlenarTotales(conLocal, conInformes, objInfoConfig.TrabajarConPesetas);
}

void VodidazazSustituto::EliminaCertificadoRecibos(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Informe_Certificado_Recibo");
}

void VodidazazSustituto::EliminaVodidazazPorDonante(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Informe_Persona_Donativo");
}

void VodidazazSustituto::EliminaRemesas(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Informe_Remesa");
}

void VodidazazSustituto::EliminaPersona(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Informe_Persona");
}

void VodidazazSustituto::EliminaDonanteDonativo(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Vodidazaz_Donantes");
}

void VodidazazSustituto::EliminaEtiqueta(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Etiquetas");
}

void VodidazazSustituto::EliminaImpagados(db::Connection& conInformes)
{
    informes_donativos::Vaciar(conInformes, "Impagados");
}

// The previous version's database is read when it is one of our own files
// (comun/TrasvaseVersionAnterior.h); anything else is explained and answers
// "ERRORBD", which takes the wizard back to its first page.
QString VodidazazSustituto::ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                                             QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso,
                                             ColeccionTrasvase& col1, ColeccionTrasvase& col2, ColeccionTrasvase& col3,
                                             ColeccionTrasvase& col4, ColeccionTrasvase& col5, ColeccionTrasvase& col6,
                                             ColeccionTrasvase& col7, ColeccionTrasvase& col8, ColeccionTrasvase& col9,
                                             ColeccionInstituciones& colInstituciones, ColeccionTrasvase& col11,
                                             PVAPI::cInfoConfiguracion&)
{
    trasvase_version_anterior::ColeccionesTrasvase colecciones;
    colecciones.tablas = {&col1, &col2, &col3, &col4, &col5, &col6, &col7, &col8, &col9};
    colecciones.instituciones = &colInstituciones;
    colecciones.once = &col11;
    return trasvase_version_anterior::ImportarVersionAnterior(conLocal, strPath, intModo, colEtiquetas, prgProgreso,
                                                              colecciones);
}

void VodidazazSustituto::ImportarKaldex(db::Connection& conLocal, qint32& lngIDInstitucion, const QString& strPath,
                                        QProgressBar* prgProgreso, QLabel* lblBancos, QLabel* lblDonantes,
                                        quint8& bytOrdenNombres, PVAPI::cInfoConfiguracion&)
{
    OpcionesDonativosKaldex opciones;
    opciones.carpeta = strPath;
    opciones.idInstitucion = lngIDInstitucion;
    opciones.ordenNombres = bytOrdenNombres;
    importacion_kaldex::ImportarDonativos(conLocal, opciones, prgProgreso, lblBancos, lblDonantes);
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::VodidazazSustituto)
