#include "PVVodidazaz/VodidazazSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ComprobarDatosInstituciones.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void VodidazazSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVVodidazaz"), QString::fromLatin1(funcion));
}

bool VodidazazSustituto::DatosSetup(db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    return ComprobarDatosInstituciones(conLocal);
}

void VodidazazSustituto::NuevoDonante(db::Connection&, db::Connection&, quint8, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoDonante");
}

void VodidazazSustituto::NuevoPresentador(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoPresentador");
}

void VodidazazSustituto::NuevoTipoDonativo(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoTipoDonativo");
}

void VodidazazSustituto::EditaDonante(db::Connection&, db::Connection&, quint8, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaDonante");
}

void VodidazazSustituto::EditaPresentador(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaPresentador");
}

void VodidazazSustituto::EditaTipoDonativo(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaTipoDonativo");
}

void VodidazazSustituto::EditaRecibosRemesa(db::Connection&, db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EditaRecibosRemesa");
}

void VodidazazSustituto::EliminaDonante(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaDonante");
}

void VodidazazSustituto::EliminaPresentador(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaPresentador");
}

void VodidazazSustituto::EliminaTipoDonativo(db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaTipoDonativo");
}

void VodidazazSustituto::EliminaRemesa(db::Connection&, db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaRemesa");
}

void VodidazazSustituto::EliminaRecibosCaja(db::Connection&, db::Connection&, qint32&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("EliminaRecibosCaja");
}

void VodidazazSustituto::GenerarRemesa(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("GenerarRemesa");
}

ColeccionRecibos VodidazazSustituto::GenerarReciboCaja(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("GenerarReciboCaja");
    return {};
}

ColeccionRecibos VodidazazSustituto::ImprimirRecibosCaja(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ImprimirRecibosCaja");
    return {};
}

void VodidazazSustituto::GenerarCertificado(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("GenerarCertificado");
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

void VodidazazSustituto::TraspasaEnlace(db::Connection&, db::Connection&, qint32&, qint32&, quint8&,
                                        PVAPI::cInfoConfiguracion&)
{
    NoDisponible("TraspasaEnlace");
}

void VodidazazSustituto::SelInfCertificadoRecibos(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&,
                                                  bool& blnCancelar, QString&, bool& blnEtiquetas)
{
    NoDisponible("SelInfCertificadoRecibos");
    blnCancelar = true;
    blnEtiquetas = false;
}

void VodidazazSustituto::SelInfVodidazazPorDonante(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfVodidazazPorDonante");
}

void VodidazazSustituto::SelInfRemesas(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfRemesas");
}

void VodidazazSustituto::SelInfPersonas(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfPersonas");
}

void VodidazazSustituto::SelInfDonantes(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfDonantes");
}

void VodidazazSustituto::SelInfVodidazazConDonante(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfVodidazazConDonante");
}

void VodidazazSustituto::SelInfEtiquetas(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfEtiquetas");
}

void VodidazazSustituto::SelInfImpagados(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfImpagados");
}

void VodidazazSustituto::SelInfTotalesVodidazaz(db::Connection&, db::Connection&, PVAPI::IControlInforme&,
                                                PVAPI::cInfoConfiguracion&)
{
    NoDisponible("SelInfTotalesVodidazaz");
}

void VodidazazSustituto::INFORMECERTIFICADORECIBOS(db::Connection&, db::Connection&, QProgressBar*,
                                                   PVAPI::cInfoConfiguracion&)
{
    NoDisponible("INFORMECERTIFICADORECIBOS");
}

void VodidazazSustituto::InformeVodidazazPorDonante(db::Connection&, db::Connection&, QProgressBar*,
                                                    PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeVodidazazPorDonante");
}

void VodidazazSustituto::InformeRemesas(db::Connection&, db::Connection&, QProgressBar*, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeRemesas");
}

void VodidazazSustituto::InformePersonas(db::Connection&, db::Connection&, QProgressBar*, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformePersonas");
}

void VodidazazSustituto::InformeDonantesConDonativo(db::Connection&, db::Connection&, QProgressBar*,
                                                    PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeDonantesConDonativo");
}

void VodidazazSustituto::InformeVodidazazConDonante(db::Connection&, db::Connection&, QProgressBar*,
                                                    PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeVodidazazConDonante");
}

void VodidazazSustituto::InformeEtiquetas(db::Connection&, db::Connection&, QProgressBar*, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeEtiquetas");
}

void VodidazazSustituto::InformeVodidazazImpagados(db::Connection&, db::Connection&, QProgressBar*,
                                                   PVAPI::cInfoConfiguracion&)
{
    NoDisponible("InformeVodidazazImpagados");
}

void VodidazazSustituto::INFORMETOTALESVODIDAZAZ(db::Connection&, db::Connection&, QProgressBar*,
                                                 PVAPI::IControlInforme&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("INFORMETOTALESVODIDAZAZ");
}

void VodidazazSustituto::EliminaCertificadoRecibos(db::Connection&)
{
    NoDisponible("EliminaCertificadoRecibos");
}

void VodidazazSustituto::EliminaVodidazazPorDonante(db::Connection&)
{
    NoDisponible("EliminaVodidazazPorDonante");
}

void VodidazazSustituto::EliminaRemesas(db::Connection&)
{
    NoDisponible("EliminaRemesas");
}

void VodidazazSustituto::EliminaPersona(db::Connection&)
{
    NoDisponible("EliminaPersona");
}

void VodidazazSustituto::EliminaDonanteDonativo(db::Connection&)
{
    NoDisponible("EliminaDonanteDonativo");
}

void VodidazazSustituto::EliminaEtiqueta(db::Connection&)
{
    NoDisponible("EliminaEtiqueta");
}

void VodidazazSustituto::EliminaImpagados(db::Connection&)
{
    NoDisponible("EliminaImpagados");
}

QString VodidazazSustituto::ImportarDuzediv1(db::Connection&, const QString&, qint16, QList<QLabel*>&, QProgressBar*,
                                             ColeccionTrasvase&, ColeccionTrasvase&, ColeccionTrasvase&,
                                             ColeccionTrasvase&, ColeccionTrasvase&, ColeccionTrasvase&,
                                             ColeccionTrasvase&, ColeccionTrasvase&, ColeccionTrasvase&,
                                             ColeccionInstituciones&, ColeccionTrasvase&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ImportarDuzediv1");
    return QStringLiteral("ERROR");
}

void VodidazazSustituto::ImportarKaldex(db::Connection&, qint32&, const QString&, QProgressBar*, QLabel*, QLabel*,
                                        quint8&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ImportarKaldex");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::VodidazazSustituto)
