#include "PVGestionParroquial/GestParSustituto.h"

#include "PVGestionParroquial/DocumentosParroquia.h"
#include "PVGestionParroquial/ExpedienteFormato3.h"
#include "PVGestionParroquial/PartidaSinLibro.h"
#include "comun/ImportacionKaldex.h"
#include "comun/InformesParroquia.h"
#include "comun/AvisoNoDisponible.h"
#include "comun/LibrosParroquiales.h"
#include "comun/RolesPersona.h"
#include "PVGestionParroquial/InformesGestPar.h"
#include "comun/TablasRegistroLibros.h"
#include "comun/TablasRegistroPersonas.h"
#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "comun/ComprobarDatosInstituciones.h"
#include "comun/ModuloDeUnaClase.h"
#include "seed/FormatosLibro.h"

namespace addins {

using widgets::DialogoRegistro;

namespace {

// The sacrament of the node the command comes from; without one the user
// is told which nodes hold books, entries and requests.
std::optional<Sacramento> SacramentoDelNodo(const QString& strTextDescription, bool solicitud)
{
    const std::optional<Sacramento> s = TablasRegistroLibros::SacramentoDe(strTextDescription);
    if (s && !(solicitud && *s == Sacramento::Defuncion))
        return s;
    widgets::DialogoRegistroEjecutor::Mensaje(
        QStringLiteral("¡Elija antes en el árbol los libros, las partidas o las solicitudes de un sacramento!"),
        ui::vbOKOnly + ui::vbExclamation);
    return std::nullopt;
}

// A new entry needs a book that still takes entries.
bool HayLibroAbierto(db::Connection& conLocal, Sacramento s)
{
    const qint64 abiertos = conLocal
                                .Execute(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Cerrado = False")
                                             .arg(TablasRegistroLibros::TablaLibro(s)))
                                .value(0)
                                .toInt64();
    if (abiertos > 0)
        return true;
    widgets::DialogoRegistroEjecutor::Mensaje(
        QStringLiteral("¡No hay ningún libro abierto de este sacramento! Cree antes el libro en «Libros»."),
        ui::vbOKOnly + ui::vbExclamation);
    return false;
}

} // namespace

void GestParSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVGestionParroquial"), QString::fromLatin1(funcion));
}

bool GestParSustituto::DatosSetup(db::Connection& conLocal)
{
    // A database made before the book formats were seeded gets them here.
    SembrarFormatosLibro(conLocal);
    return ComprobarDatosInstituciones(conLocal);
}

void GestParSustituto::nuevasolicitud(db::Connection& conLocal, PVAPI::cInfoConfiguracion&,
                                      QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, true))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Partida(*s, true), 0);
}

void GestParSustituto::nuevolibro(db::Connection& conLocal, PVAPI::cInfoConfiguracion&, QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Libro(*s), 0);
}

void GestParSustituto::nuevapartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion&, QString& strTextDescription)
{
    const auto s = SacramentoDelNodo(strTextDescription, false);
    if (s && HayLibroAbierto(conLocal, *s))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Partida(*s, false), 0);
}

void GestParSustituto::NuevoEmpadronado(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    RolesPersona::Nuevo(conLocal, TablasRegistroPersonas::Empadronado(), RolesPersona::Empadronado);
}

void GestParSustituto::NuevoColaborador(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    RolesPersona::Nuevo(conLocal, TablasRegistroPersonas::Colaborador(), RolesPersona::Colaborador);
}

void GestParSustituto::NuevoCargo(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Cargo(), 0);
}

void GestParSustituto::NuevaActividad(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Actividad(), 0);
}

void GestParSustituto::PropiedadesSolicitudes(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                              QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, true))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Partida(*s, true), lngID);
}

void GestParSustituto::PropiedadesPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                          QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Partida(*s, false), lngID);
}

void GestParSustituto::PropiedadesLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                        QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Libro(*s), lngID);
}

void GestParSustituto::EditaColaborador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroPersonas::Colaborador(), lngID);
}

void GestParSustituto::EditaEmpadronado(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroPersonas::Empadronado(), lngID);
}

void GestParSustituto::EditaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Cargo(), lngID);
}

void GestParSustituto::EditaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::Actividad(), lngID);
}

void GestParSustituto::EliminarSolicitud(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                         QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, true))
        DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroLibros::Partida(*s, true), lngID,
                                          QStringLiteral("¿Desea eliminar la solicitud seleccionada?"));
}

void GestParSustituto::EliminarPartida(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                       QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroLibros::Partida(*s, false), lngID,
                                          QStringLiteral("¿Desea eliminar la partida seleccionada?"));
}

void GestParSustituto::EliminarLibro(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                     QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroLibros::Libro(*s), lngID,
                                          QStringLiteral("¿Desea eliminar el libro seleccionado?"));
}

void GestParSustituto::EliminaEmpadronado(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    RolesPersona::Eliminar(conLocal, lngID, RolesPersona::Empadronado,
                           QStringLiteral("¿Desea eliminar del padrón a la persona seleccionada?\r\n\r\n"
                                          "Se eliminarán también sus datos del padrón. Si la persona es además "
                                          "donante o colaborador, esos datos se conservan."));
}

void GestParSustituto::EliminaColaborador(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    RolesPersona::Eliminar(conLocal, lngID, RolesPersona::Colaborador,
                           QStringLiteral("¿Desea eliminar el colaborador seleccionado?\r\n\r\n"
                                          "Dejará de figurar en los grupos de las actividades. Si la persona es "
                                          "además donante o figura en el padrón, esos datos se conservan."));
}

void GestParSustituto::EliminaCargo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroLibros::Cargo(), lngID,
                                      QStringLiteral("¿Desea eliminar el cargo seleccionado?"));
}

void GestParSustituto::EliminaActividad(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroLibros::Actividad(), lngID,
                                      QStringLiteral("¿Desea eliminar la actividad seleccionada con sus grupos?"));
}

void GestParSustituto::ImportarSolicitudes(db::Connection& conLocal, PVAPI::cInfoConfiguracion&,
                                           QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, true))
        LibrosParroquiales::PasarSolicitud(conLocal, *s);
}

void GestParSustituto::AntiguaPartida(db::Connection& conLocal, PVAPI::cInfoConfiguracion&, QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        DialogoRegistro::EditarRegistro(conLocal, TablasRegistroLibros::PartidaAntigua(*s), 0);
}

void GestParSustituto::CerrarLiBautismo(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    LibrosParroquiales::CerrarLibro(conLocal, Sacramento::Bautismo, lngID);
}

void GestParSustituto::CerrarLiConfirmacion(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    LibrosParroquiales::CerrarLibro(conLocal, Sacramento::Confirmacion, lngID);
}

void GestParSustituto::CerrarLiMatrimonio(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    LibrosParroquiales::CerrarLibro(conLocal, Sacramento::Matrimonio, lngID);
}

void GestParSustituto::CerrarLiDefuncion(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&)
{
    LibrosParroquiales::CerrarLibro(conLocal, Sacramento::Defuncion, lngID);
}

void GestParSustituto::AnularPartidas(db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion&,
                                      QString& strTextDescription)
{
    if (const auto s = SacramentoDelNodo(strTextDescription, false))
        LibrosParroquiales::AnularOValidar(conLocal, *s, lngID);
}

void GestParSustituto::InformeLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                              qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeIndiceLibroBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeIndiceLibroConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                      qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeIndiceLibroMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                    qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformeIndiceLibroDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                 documentos_parroquia::Alcance::Libro, lngID);
}

void GestParSustituto::InformePartidaBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformePartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformePartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformePartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeVolanteBautismo(db::Connection& conLocal, db::Connection& conInformes, qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeVolanteMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeNotificacionConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                       qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeNotificacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                     qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeSolicitudPartidaBautismoDatos(db::Connection& conLocal, db::Connection& conInformes,
                                                            qint32& lngID)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeComunicacionMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                     qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeExhortoMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

QString GestParSustituto::selecencargado(db::Connection& conLocal, const QString& strSacramento, qint32& lngID,
                                          QString& strCargo)
{
    using documentos_parroquia::Sacramento;
    const Sacramento s = strSacramento == QStringLiteral("Confirmacion") ? Sacramento::Confirmacion
                         : strSacramento == QStringLiteral("Defuncion")  ? Sacramento::Defuncion
                                                                          : Sacramento::Bautismo;
    return documentos_parroquia::Encargado(conLocal, s, lngID, strCargo);
}

void GestParSustituto::InformeCertificadoPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                         qint32& lngID, QString& strFirmante, QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoPartidaConfirmacion(db::Connection& conLocal, db::Connection& conInformes,
                                                             qint32& lngID, QString& strFirmante, QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                          qint32& lngID, QString& strFirmante, QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                           qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::InformeCertificadoLiteralPartidaBautismo(db::Connection& conLocal, db::Connection& conInformes,
                                                                qint32& lngID, QString& strFirmante, QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Bautismo,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoLiteralPartidaConfirmacion(db::Connection& conLocal,
                                                                    db::Connection& conInformes,
                                                                    qint32& lngID, QString& strFirmante,
                                                                    QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Confirmacion,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoLiteralPartidaDefuncion(db::Connection& conLocal, db::Connection& conInformes,
                                                                 qint32& lngID, QString& strFirmante, QString& strCargo)
{
    documentos_parroquia::Llenar(conLocal, conInformes, documentos_parroquia::Sacramento::Defuncion,
                                 documentos_parroquia::Alcance::Partida, lngID, strFirmante, strCargo);
}

void GestParSustituto::InformeCertificadoLiteralPartidaMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                                  qint32& lngID)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida, lngID);
}

void GestParSustituto::ImprimirPartidaSinLibro(db::Connection& conLocal, db::Connection& conInformes,
                                               PVAPI::cInfoConfiguracion&)
{
    partida_sin_libro::Preparar(conLocal, conInformes);
}

void GestParSustituto::InformeExpedienteFormato1(db::Connection& conLocal, db::Connection& conInformes,
                                                 const QString& strClave)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida,
                                           strClave.toInt());
}

void GestParSustituto::InformeExpedienteFormato2(db::Connection& conLocal, db::Connection& conInformes,
                                                 const QString& strClave)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida,
                                           strClave.toInt());
}

void GestParSustituto::InformeExpedienteFormato3(db::Connection& conLocal, db::Connection& conInformes,
                                                 const QString& strClave, bool& TramitaParroquia, bool& EnviaCuria,
                                                 bool& EnviaCuriaAntes)
{
    expediente_formato3::LlenarExpediente(conLocal, conInformes, strClave, TramitaParroquia, EnviaCuria,
                                          EnviaCuriaAntes);
}

void GestParSustituto::InformeResumenMatrimonio(db::Connection& conLocal, db::Connection& conInformes,
                                                const QString& strClave)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida,
                                           strClave.toInt());
}

void GestParSustituto::InformeResumenMatrimonio2(db::Connection& conLocal, db::Connection& conInformes,
                                                 const QString& strClave)
{
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida,
                                           strClave.toInt());
}

void GestParSustituto::InformeExpedienteFormato3Plantilla(bool& TramitaParroquia, bool& EnviaCuria,
                                                          bool& EnviaCuriaAntes)
{
    const std::optional<expediente_formato3::Partes> partes = expediente_formato3::PedirPartes();
    TramitaParroquia = partes && partes->tramitaParroquia;
    EnviaCuria = partes && partes->enviaCuria;
    EnviaCuriaAntes = partes && partes->enviaCuriaAntes;
}

void GestParSustituto::imprimirduplicadas(db::Connection& conLocal, db::Connection& conInformes,
                                          const QString& strInforme, QString& strOrden)
{
    informes_gestpar::Duplicadas(conLocal, conInformes, strInforme, strOrden);
}

void GestParSustituto::SelInfTareasAgenda(db::Connection& conLocal, db::Connection& conInformes)
{
    informes_gestpar::SeleccionAgenda(conLocal, conInformes);
}

void GestParSustituto::SelInfActividad(db::Connection& conLocal, db::Connection& conInformes)
{
    informes_gestpar::SeleccionColaboradores(conLocal, conInformes, QStringLiteral("Actividades"), true);
}

void GestParSustituto::SelInfColaborador(db::Connection& conLocal, db::Connection& conInformes)
{
    informes_gestpar::SeleccionColaboradores(conLocal, conInformes, QStringLiteral("Colaboradores"), false);
}

void GestParSustituto::SelInfColaboradorExt(db::Connection& conLocal, db::Connection& conInformes)
{
    informes_gestpar::SeleccionColaboradores(conLocal, conInformes, QStringLiteral("Colaboradores (extendido)"),
                                             false);
}

void GestParSustituto::InformeAgenda(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*)
{
    informes_parroquia::LlenarAgenda(conLocal, conInformes);
}

void GestParSustituto::InformeActividad(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*)
{
    informes_parroquia::LlenarColaboradores(conLocal, conInformes, true);
}

void GestParSustituto::InformeColaborador(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*)
{
    informes_parroquia::LlenarColaboradores(conLocal, conInformes, false);
}

void GestParSustituto::InformeColaboradorExt(db::Connection& conLocal, db::Connection& conInformes, QProgressBar*)
{
    informes_parroquia::LlenarColaboradores(conLocal, conInformes, false);
}

// The parish data and the book format of the wizard's sacrament pages have
// no column of a book or an entry to go to: only the folders, institution,
// century and order of names shape the import.
void GestParSustituto::ImportarKaldexGP(db::Connection& conLocal, QList<QLabel*>& colEtiquetas,
                                        QString& strPathBautismo, QString& strPathConfirmacion,
                                        QString& strPathMatrimonio, QString& strPathDefuncion,
                                        qint32& lngIDInstitucion, QString& strSiglo, QProgressBar* prgProgreso,
                                        qint16, const QString&, const QString&, qint32&, qint16, const QString&,
                                        const QString&, qint32&, qint16, const QString&, const QString&, qint32&,
                                        qint16, const QString&, const QString&, qint32&, quint8& bytOrdenNombres,
                                        qint32, qint32, qint32, qint32)
{
    OpcionesLibrosKaldex opciones;
    opciones.carpetas = {strPathBautismo, strPathConfirmacion, strPathMatrimonio, strPathDefuncion};
    opciones.idInstitucion = lngIDInstitucion;
    opciones.siglo = strSiglo;
    opciones.ordenNombres = bytOrdenNombres;
    importacion_kaldex::ImportarLibros(conLocal, opciones, prgProgreso, colEtiquetas);
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::GestParSustituto)
