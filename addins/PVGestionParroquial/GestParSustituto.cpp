#include "PVGestionParroquial/GestParSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ComprobarDatosInstituciones.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void GestParSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVGestionParroquial"), QString::fromLatin1(funcion));
}

bool GestParSustituto::DatosSetup(db::Connection& conLocal)
{
    return ComprobarDatosInstituciones(conLocal);
}

void GestParSustituto::nuevasolicitud(db::Connection&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("nuevasolicitud");
}

void GestParSustituto::nuevolibro(db::Connection&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("nuevolibro");
}

void GestParSustituto::nuevapartida(db::Connection&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("nuevapartida");
}

void GestParSustituto::NuevoEmpadronado(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoEmpadronado");
}

void GestParSustituto::NuevoColaborador(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoColaborador");
}

void GestParSustituto::NuevoCargo(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoCargo");
}

void GestParSustituto::NuevaActividad(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevaActividad");
}

void GestParSustituto::PropiedadesSolicitudes(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("PropiedadesSolicitudes");
}

void GestParSustituto::PropiedadesPartida(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("PropiedadesPartida");
}

void GestParSustituto::PropiedadesLibro(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("PropiedadesLibro");
}

void GestParSustituto::EditaColaborador(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaColaborador");
}

void GestParSustituto::EditaEmpadronado(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaEmpadronado");
}

void GestParSustituto::EditaCargo(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaCargo");
}

void GestParSustituto::EditaActividad(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaActividad");
}

void GestParSustituto::EliminarSolicitud(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("EliminarSolicitud");
}

void GestParSustituto::EliminarPartida(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("EliminarPartida");
}

void GestParSustituto::EliminarLibro(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("EliminarLibro");
}

void GestParSustituto::EliminaEmpadronado(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaEmpadronado");
}

void GestParSustituto::EliminaColaborador(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaColaborador");
}

void GestParSustituto::EliminaCargo(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaCargo");
}

void GestParSustituto::EliminaActividad(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaActividad");
}

void GestParSustituto::ImportarSolicitudes(db::Connection&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("ImportarSolicitudes");
}

void GestParSustituto::AntiguaPartida(db::Connection&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("AntiguaPartida");
}

void GestParSustituto::CerrarLiBautismo(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("CerrarLiBautismo");
}

void GestParSustituto::CerrarLiConfirmacion(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("CerrarLiConfirmacion");
}

void GestParSustituto::CerrarLiMatrimonio(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("CerrarLiMatrimonio");
}

void GestParSustituto::CerrarLiDefuncion(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("CerrarLiDefuncion");
}

void GestParSustituto::AnularPartidas(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&, QString&)
{
    NoDisponible("AnularPartidas");
}

void GestParSustituto::InformeLibroBautismo(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeLibroBautismo");
}

void GestParSustituto::InformeLibroConfirmacion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeLibroConfirmacion");
}

void GestParSustituto::InformeLibroMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeLibroMatrimonio");
}

void GestParSustituto::InformeLibroDefuncion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeLibroDefuncion");
}

void GestParSustituto::InformeIndiceLibroBautismo(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeIndiceLibroBautismo");
}

void GestParSustituto::InformeIndiceLibroConfirmacion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeIndiceLibroConfirmacion");
}

void GestParSustituto::InformeIndiceLibroMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeIndiceLibroMatrimonio");
}

void GestParSustituto::InformeIndiceLibroDefuncion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeIndiceLibroDefuncion");
}

void GestParSustituto::InformePartidaBautismo(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformePartidaBautismo");
}

void GestParSustituto::InformePartidaConfirmacion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformePartidaConfirmacion");
}

void GestParSustituto::InformePartidaMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformePartidaMatrimonio");
}

void GestParSustituto::InformePartidaDefuncion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformePartidaDefuncion");
}

void GestParSustituto::InformeVolanteBautismo(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeVolanteBautismo");
}

void GestParSustituto::InformeVolanteMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeVolanteMatrimonio");
}

void GestParSustituto::InformeNotificacionConfirmacion(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeNotificacionConfirmacion");
}

void GestParSustituto::InformeNotificacionMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeNotificacionMatrimonio");
}

void GestParSustituto::InformeSolicitudPartidaBautismoDatos(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeSolicitudPartidaBautismoDatos");
}

void GestParSustituto::InformeComunicacionMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeComunicacionMatrimonio");
}

void GestParSustituto::InformeExhortoMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeExhortoMatrimonio");
}

QString GestParSustituto::selecencargado(db::Connection&, const QString&, qint32&, QString&)
{
    NoDisponible("selecencargado");
    return {};
}

void GestParSustituto::InformeCertificadoPartidaBautismo(db::Connection&, db::Connection&, qint32&, QString&,
                                                         QString&)
{
    NoDisponible("InformeCertificadoPartidaBautismo");
}

void GestParSustituto::InformeCertificadoPartidaConfirmacion(db::Connection&, db::Connection&, qint32&, QString&,
                                                             QString&)
{
    NoDisponible("InformeCertificadoPartidaConfirmacion");
}

void GestParSustituto::InformeCertificadoPartidaDefuncion(db::Connection&, db::Connection&, qint32&, QString&,
                                                          QString&)
{
    NoDisponible("InformeCertificadoPartidaDefuncion");
}

void GestParSustituto::InformeCertificadoPartidaMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeCertificadoPartidaMatrimonio");
}

void GestParSustituto::InformeCertificadoLiteralPartidaBautismo(db::Connection&, db::Connection&, qint32&, QString&,
                                                                QString&)
{
    NoDisponible("InformeCertificadoLiteralPartidaBautismo");
}

void GestParSustituto::InformeCertificadoLiteralPartidaConfirmacion(db::Connection&, db::Connection&, qint32&,
                                                                    QString&, QString&)
{
    NoDisponible("InformeCertificadoLiteralPartidaConfirmacion");
}

void GestParSustituto::InformeCertificadoLiteralPartidaDefuncion(db::Connection&, db::Connection&, qint32&, QString&,
                                                                 QString&)
{
    NoDisponible("InformeCertificadoLiteralPartidaDefuncion");
}

void GestParSustituto::InformeCertificadoLiteralPartidaMatrimonio(db::Connection&, db::Connection&, qint32&)
{
    NoDisponible("InformeCertificadoLiteralPartidaMatrimonio");
}

void GestParSustituto::ImprimirPartidaSinLibro(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ImprimirPartidaSinLibro");
}

void GestParSustituto::InformeExpedienteFormato1(db::Connection&, db::Connection&, const QString&)
{
    NoDisponible("InformeExpedienteFormato1");
}

void GestParSustituto::InformeExpedienteFormato2(db::Connection&, db::Connection&, const QString&)
{
    NoDisponible("InformeExpedienteFormato2");
}

void GestParSustituto::InformeExpedienteFormato3(db::Connection&, db::Connection&, const QString&,
                                                 bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes)
{
    NoDisponible("InformeExpedienteFormato3");
    TramitaParroquia = false;
    EnviaCuria = false;
    EnviaCuriaAntes = false;
}

void GestParSustituto::InformeResumenMatrimonio(db::Connection&, db::Connection&, const QString&)
{
    NoDisponible("InformeResumenMatrimonio");
}

void GestParSustituto::InformeResumenMatrimonio2(db::Connection&, db::Connection&, const QString&)
{
    NoDisponible("InformeResumenMatrimonio2");
}

void GestParSustituto::InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria,
                                                          bool& EnviaCuriaAntes)
{
    NoDisponible("InformeExpedienteFormato3Plantilla");
    TramitaParroquia = false;
    EnviaCuria = false;
    EnviaCuriaAntes = false;
}

void GestParSustituto::imprimirduplicadas(db::Connection&, db::Connection&, const QString&, QString& strOrden)
{
    NoDisponible("imprimirduplicadas");
    strOrden.clear();
}

void GestParSustituto::SelInfTareasAgenda(db::Connection&, db::Connection&)
{
    NoDisponible("SelInfTareasAgenda");
}

void GestParSustituto::SelInfActividad(db::Connection&, db::Connection&)
{
    NoDisponible("SelInfActividad");
}

void GestParSustituto::SelInfColaborador(db::Connection&, db::Connection&)
{
    NoDisponible("SelInfColaborador");
}

void GestParSustituto::SelInfColaboradorExt(db::Connection&, db::Connection&)
{
    NoDisponible("SelInfColaboradorExt");
}

void GestParSustituto::InformeAgenda(db::Connection&, db::Connection&, QProgressBar*)
{
    NoDisponible("InformeAgenda");
}

void GestParSustituto::InformeActividad(db::Connection&, db::Connection&, QProgressBar*)
{
    NoDisponible("InformeActividad");
}

void GestParSustituto::InformeColaborador(db::Connection&, db::Connection&, QProgressBar*)
{
    NoDisponible("InformeColaborador");
}

void GestParSustituto::InformeColaboradorExt(db::Connection&, db::Connection&, QProgressBar*)
{
    NoDisponible("InformeColaboradorExt");
}

void GestParSustituto::ImportarKaldexGP(db::Connection&, QList<QLabel*>&, QString&, QString&, QString&, QString&,
                                        qint32&, QString&, QProgressBar*, qint16, const QString&, const QString&,
                                        qint32&, qint16, const QString&, const QString&, qint32&, qint16,
                                        const QString&, const QString&, qint32&, qint16, const QString&,
                                        const QString&, qint32&, quint8&, qint32, qint32, qint32, qint32)
{
    NoDisponible("ImportarKaldexGP");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::GestParSustituto)
