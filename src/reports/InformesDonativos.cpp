// The donation reports: all records (Todos) or the records the add-in's
// selection dialog chose (Seleccionar), and the labels after certificates.

#include "core/CcNodos.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/vb/VbError.h"
#include "reports/BotoneraInformes.h"
#include "reports/InformesFamilias_p.h"
#include "reports/PasosInforme.h"

#include <QDir>
#include <QFileInfo>

using informes::Aviso;
using informes::DefinicionLista;
using PVAPI::cCRegistry;

namespace {

const Aviso kVerError{};
const Aviso kM1{QStringLiteral("¡Ocurrió un error mientras se borraban los Donantes del informe!")};
const Aviso kM2{QStringLiteral("¡Ocurrió un error mientras se listaban los informes de donantes con donativos!")};
const Aviso kM3{QStringLiteral("¡Ocurrió un error mientras se listaban los informes de etiquetas!")};
const Aviso kM4{QStringLiteral("¡Ocurrió un error al crear el recordset!")};
const Aviso kM5{QStringLiteral("¡Ocurrió un error mientras se borraban los Informes de Remesas!")};
const Aviso kM6{QStringLiteral("¡Ocurrió un error mientras se borraban los informes de Donantes!")};

DefinicionLista Lista(const QString& consulta, const QString& plantilla, const QString& titulo, bool ptsEur)
{
    DefinicionLista d;
    d.consulta = consulta;
    d.plantilla = plantilla;
    d.titulo = titulo;
    d.margenSup = cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP();
    d.margenIzq = cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ();
    d.ptsEur = ptsEur;
    return d;
}

// A certificate template the add-in names must be a plain file name of the
// program folder: no folder part, no way out of the folder.
QString PlantillaCertificado(const QString& nombre)
{
    const bool valido = !nombre.isEmpty() && !nombre.contains(QLatin1Char('/')) &&
                        !nombre.contains(QLatin1Char('\\')) && nombre != QLatin1String(".") &&
                        nombre != QLatin1String("..");
    if (!valido)
        throw vb::VbError(vb::ErrInvalidCall,
                          QStringLiteral("La plantilla de certificados «%1» que indicó el complemento de "
                                         "donativos no es un archivo de la carpeta del programa.")
                              .arg(nombre));
    return nombre;
}

void CertificadosSeleccion(const EntornoInforme& e)
{
    bool cancelar = false;
    bool etiquetas = false;
    bool etiquetasImpresas = false;
    QString plantilla;
    informes::VaciadoPendiente vaciado([&e] { e.vodidazaz().EliminaCertificadoRecibos(e.conInformes()); });
    try {
        e.vodidazaz().SelInfCertificadoRecibos(e.conLocal(), e.conInformes(), e.config(), cancelar, plantilla,
                                               etiquetas);
        if (!cancelar) {
            DefinicionLista d = Lista(QStringLiteral("SELECT * FROM Informe_Certificado_Recibo"), QString(),
                                      QStringLiteral("Informe de certificado de donativos"), true);
            d.margenSup = cCRegistry::DOCUMENTOS_MARGEN();
            d.margenIzq.clear();
            d.orden = QStringLiteral("+{Informe_Certificado_Recibo.Orden}");
            const bool hayFilas = !e.conInformes().Execute(d.consulta).isEOF();
            if (hayFilas) {
                d.plantilla = PlantillaCertificado(plantilla);
                if (informes::ImprimirLista(e, d) && etiquetas) {
                    etiquetasImpresas = true;
                    ImprimirEtiquetas(e);
                }
            }
        } else if (etiquetas) {
            etiquetasImpresas = true;
            ImprimirEtiquetas(e);
        }
    } catch (...) {
        informes::InformarExcepcion(e, kM1);
    }
    try {
        vaciado.Ejecutar();
        // Labels the add-in filled for a print that did not happen.
        if (etiquetas && !etiquetasImpresas)
            e.vodidazaz().EliminaEtiqueta(e.conInformes());
    } catch (...) {
        informes::InformarExcepcion(e, kM1);
    }
}

} // namespace

void ImprimirEtiquetas(const EntornoInforme& e)
{
    informes::VaciadoPendiente vaciado([&e] { e.vodidazaz().EliminaEtiqueta(e.conInformes()); });
    PVAPI::IControlInforme& c = e.control();
    {
        report::GuardaImpresion guarda(c);
        informes::PrepararLista(e, QStringLiteral("infDO_Etiqueta.rpt"), QStringLiteral("Informe de etiquetas"),
                                cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP(),
                                cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_IZQ());
        guarda.PonerOrden(0, QStringLiteral("+{Etiquetas.Orden}"));
        c.PrintReport();
        report::InformarErrorMotor(c, e.obj.servicio);
    }
    vaciado.Ejecutar();
}

void informes_p::DonativosTodos(const EntornoInforme& e, const CcNodos& n, const QString& nodo)
{
    addins::cVodidazaz* v = nullptr;
    auto vod = [&e, &v]() -> addins::cVodidazaz& {
        if (!v)
            v = &e.vodidazaz();
        return *v;
    };
    auto sentencia = [&e](const QString& s) { return informes::VaciarCon(e, s); };
    QProgressBar* barra = e.nvbpInformes;
    DefinicionLista d;
    std::function<void()> llenar;
    std::function<void()> vaciar;

    if (nodo == n.INFORMECERTIFICADORECIBOS()) {
        d = Lista(QStringLiteral("SELECT * FROM Informe_Certificado_Recibo"),
                  QStringLiteral("infDO_CertificadoRecibos.rpt"),
                  QStringLiteral("Informe de certificado de donativos"), true);
        d.margenSup = cCRegistry::DOCUMENTOS_MARGEN();
        d.margenIzq.clear();
        d.avisoVaciado = kM1;
        llenar = [&] { vod().INFORMECERTIFICADORECIBOS(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = [&] { vod().EliminaCertificadoRecibos(e.conInformes()); };
    } else if (nodo == n.INFORMEPERSONADONATIVO()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Persona_Donativo"), QStringLiteral("infDO_PersonaDonativo.rpt"),
                  QStringLiteral("Informe de donativos por donante"), true);
        d.avisoLectura = &kVerError;
        llenar = [&] { vod().InformeVodidazazPorDonante(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = sentencia(QStringLiteral("DELETE * FROM Informe_Persona_Donativo"));
    } else if (nodo == n.INFORMEREMESA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Remesa"), QStringLiteral("infDO_Remesa.rpt"),
                  QStringLiteral("Informe de remesas"), true);
        d.avisoLectura = &kM4;
        d.avisoVaciado = kM5;
        llenar = [&] { vod().InformeRemesas(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = sentencia(QStringLiteral("DELETE * FROM Informe_Remesa"));
    } else if (nodo == n.INFORMEPERSONA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Persona"), QStringLiteral("infDO_Persona.rpt"),
                  QStringLiteral("Informe de donantes"), false);
        d.avisoLectura = &kM4;
        d.avisoVaciado = kM6;
        llenar = [&] { vod().InformePersonas(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = sentencia(QStringLiteral("DELETE * FROM Informe_Persona"));
    } else if (nodo == n.INFORMEDONANTE() || nodo == n.INFORMEDONATIVO()) {
        const bool donante = nodo == n.INFORMEDONANTE();
        d = Lista(QStringLiteral("SELECT * FROM  Vodidazaz_Donantes"),
                  donante ? QStringLiteral("infDO_Donante.rpt") : QStringLiteral("infDO_Donativo.rpt"),
                  donante ? QStringLiteral("Informe de donantes con donativo")
                          : QStringLiteral("Informe de donativos con donante"),
                  true);
        d.avisoLectura = &kM2;
        d.avisoVaciado = kM1;
        if (donante)
            llenar = [&] { vod().InformeDonantesConDonativo(e.conLocal(), e.conInformes(), barra, e.config()); };
        else
            llenar = [&] { vod().InformeVodidazazConDonante(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = sentencia(QStringLiteral("DELETE * FROM Vodidazaz_Donantes"));
    } else if (nodo == n.INFORMEETIQUETA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Etiquetas"), QStringLiteral("infDO_Etiqueta.rpt"),
                  QStringLiteral("Informe de etiquetas"), false);
        d.margenSup = cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP();
        d.margenIzq = cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_IZQ();
        d.avisoLectura = &kM3;
        d.avisoVaciado = kM1;
        llenar = [&] { vod().InformeEtiquetas(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = sentencia(QStringLiteral("DELETE * FROM etiquetas"));
    } else if (nodo == n.INFORMEIMPAGADOS()) {
        d = Lista(QStringLiteral("SELECT * FROM Impagados"), QStringLiteral("infDO_impagados.rpt"),
                  QStringLiteral("Informe de donativos impagados"), true);
        d.avisoLectura = &kVerError;
        llenar = [&] { vod().InformeVodidazazImpagados(e.conLocal(), e.conInformes(), barra, e.config()); };
        vaciar = [&] { vod().EliminaImpagados(e.conInformes()); };
    } else if (nodo == n.INFORMETOTALESVODIDAZAZ()) {
        d = Lista(QStringLiteral("SELECT * FROM Informe_Totales_Vodidazaz"),
                  QStringLiteral("infDO_TotalesVodidazaz.rpt"), QStringLiteral("Informe de totales de donativos"),
                  true);
        llenar = [&] {
            vod().INFORMETOTALESVODIDAZAZ(e.conLocal(), e.conInformes(), barra, e.control(), e.config());
        };
        vaciar = sentencia(QStringLiteral("DELETE * FROM Informe_Totales_Vodidazaz"));
    } else {
        return;
    }
    informes::PasadaLista(e, d, true, llenar, vaciar);
}

void informes_p::DonativosSeleccion(const EntornoInforme& e, const CcNodos& n, const QString& nodo)
{
    if (nodo == n.INFORMECERTIFICADORECIBOS()) {
        CertificadosSeleccion(e);
        return;
    }
    using Seleccion = void (addins::cVodidazaz::*)(db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&);
    using Vaciado = void (addins::cVodidazaz::*)(db::Connection&);
    DefinicionLista d;
    Seleccion seleccion = nullptr;
    Vaciado vaciado = nullptr;

    if (nodo == n.INFORMEPERSONADONATIVO()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Persona_Donativo"), QStringLiteral("infDO_PersonaDonativo.rpt"),
                  QStringLiteral("Informe de donativos por donante"), true);
        d.avisoLectura = &kM2;
        d.avisoVaciado = kM1;
        seleccion = &addins::cVodidazaz::SelInfVodidazazPorDonante;
        vaciado = &addins::cVodidazaz::EliminaVodidazazPorDonante;
    } else if (nodo == n.INFORMEREMESA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Remesa"), QStringLiteral("infDO_Remesa.rpt"),
                  QStringLiteral("Informe de remesas"), true);
        seleccion = &addins::cVodidazaz::SelInfRemesas;
        vaciado = &addins::cVodidazaz::EliminaRemesas;
    } else if (nodo == n.INFORMEPERSONA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Informe_Persona"), QStringLiteral("infDO_Persona.rpt"),
                  QStringLiteral("Informe de donantes"), false);
        seleccion = &addins::cVodidazaz::SelInfPersonas;
        vaciado = &addins::cVodidazaz::EliminaPersona;
    } else if (nodo == n.INFORMEDONANTE() || nodo == n.INFORMEDONATIVO()) {
        const bool donante = nodo == n.INFORMEDONANTE();
        d = Lista(QStringLiteral("SELECT * FROM  Vodidazaz_Donantes"),
                  donante ? QStringLiteral("infDO_Donante.rpt") : QStringLiteral("infDO_Donativo.rpt"),
                  donante ? QStringLiteral("Informe de donantes con donativo")
                          : QStringLiteral("Informe de donativos con donante"),
                  true);
        d.avisoLectura = &kM2;
        d.avisoVaciado = kM1;
        seleccion = donante ? &addins::cVodidazaz::SelInfDonantes : &addins::cVodidazaz::SelInfVodidazazConDonante;
        vaciado = &addins::cVodidazaz::EliminaDonanteDonativo;
    } else if (nodo == n.INFORMEETIQUETA()) {
        d = Lista(QStringLiteral("SELECT * FROM  Etiquetas"), QStringLiteral("infDO_Etiqueta.rpt"),
                  QStringLiteral("Informe de etiquetas"), false);
        d.margenSup = cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP();
        d.margenIzq = cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_IZQ();
        d.orden = QStringLiteral("+{Etiquetas.Orden}");
        d.avisoLectura = &kM3;
        d.avisoVaciado = kM1;
        seleccion = &addins::cVodidazaz::SelInfEtiquetas;
        vaciado = &addins::cVodidazaz::EliminaEtiqueta;
    } else if (nodo == n.INFORMEIMPAGADOS()) {
        d = Lista(QStringLiteral("SELECT * FROM  Impagados"), QStringLiteral("infDO_impagados.rpt"),
                  QStringLiteral("Informe de donativos impagados"), true);
        seleccion = &addins::cVodidazaz::SelInfImpagados;
        vaciado = &addins::cVodidazaz::EliminaImpagados;
    } else if (nodo == n.INFORMETOTALESVODIDAZAZ()) {
        d = Lista(QStringLiteral("SELECT * FROM Informe_Totales_Vodidazaz"),
                  QStringLiteral("infDO_TotalesVodidazaz.rpt"), QStringLiteral("Informe de totales de donativos"),
                  true);
        informes::PasadaLista(
            e, d, false,
            [&e] { e.vodidazaz().SelInfTotalesVodidazaz(e.conLocal(), e.conInformes(), e.control(), e.config()); },
            informes::VaciarCon(e, QStringLiteral("DELETE * FROM Informe_Totales_Vodidazaz")));
        return;
    } else {
        return;
    }
    informes::PasadaLista(
        e, d, false, [&e, seleccion] { (e.vodidazaz().*seleccion)(e.conLocal(), e.conInformes(), e.config()); },
        [&e, vaciado] { (e.vodidazaz().*vaciado)(e.conInformes()); });
}
