#include "core/cConstante.h"

namespace {

using PVAPI::cCAplicacion;

// Valdena has its own notice and paragraph; every other edition shares one pair.
enum class Textos { Propios, Comunes };

struct Edicion {
    long codigo;
    const char* versionPara;
    qint16 ancho;
    qint16 left;
    const char* tipoAplicacion;
    Textos textos;
};

// Searched in this order; the first equal code wins. TUREL carries the
// captions and type code of the Sardel diocese.
const Edicion kEdiciones[] = {
    {cCAplicacion::APP_PARVANTA_VALDENA, "Versión para la Archidiócesis de Valdena", 1620, 3900, "NPV2000-VALDENA", Textos::Propios},
    {cCAplicacion::APP_PARVANTA_GENERAL, "Versión general", 1200, 4320, "NPV2000-GENERAL", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_LOSARA, "Versión para la Diócesis de Losara", 1260, 4260, "NPV2000-LOSARA", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_CORBELA, "Versión para el Obispado de Fontira Corbela", 1620, 3900, "NPV2000-CORBELA", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_MIRANTE, "Versión para el Arzobispado de Mirante", 1800, 3720, "NPV2000-MIRANTE", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_BRINDEL, "Versión para el Obispado de Brindel", 1380, 4140, "NPV2000-BRINDEL", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_OSTRAVE, "Versión para el Arzobispado de Ostrave - Berneda", 1800, 3720, "NPV2000-OSTRAVE", Textos::Comunes},
    {cCAplicacion::APP_PARVANTA_TUREL, "Versión para la Diócesis de Sardel", 1590, 3930, "NPV2000-SARDEL", Textos::Comunes},
};

const char kCopyrightPropio[] =
    "Edición de la Archidiócesis de Valdena. Este programa está protegido por las leyes "
    "de derechos de autor; consulte sus condiciones de uso en «Acerca de...» del menú Ayuda.";
const char kCopyrightComun[] =
    "Este programa está protegido por las leyes de derechos de autor; consulte sus "
    "condiciones de uso en «Acerca de...» del menú Ayuda.";
const char kDesarrolladoPorPropio[] =
    "Norvia Parvanta 2000 ha sido desarrollado por Norvia en colaboración con la "
    "Archidiócesis de Valdena, con el propósito de ofrecer a sus parroquias y demás centros "
    "diocesanos una herramienta común para la gestión parroquial.";
const char kDesarrolladoPorComun[] =
    "Norvia Parvanta 2000 ha sido desarrollado por Norvia con el propósito de ofrecer a las "
    "parroquias y demás centros diocesanos una herramienta común para la gestión parroquial.";

} // namespace

cConstante::cConstante(long edicion)
    : m_aplicacion(cCAplicacion::Texto(edicion))
{
    SeleccionarEdicion();
    m_consolidacionVisible = false;
}

void cConstante::SeleccionarEdicion()
{
    for (const Edicion& e : kEdiciones) {
        if (cCAplicacion::Texto(e.codigo) != m_aplicacion)
            continue;
        const bool propios = e.textos == Textos::Propios;
        m_captionVersionPara = QString::fromUtf8(e.versionPara);
        m_anchoVersionPara = e.ancho;
        m_leftVersionPara = e.left;
        m_captionCopyright = QString::fromUtf8(propios ? kCopyrightPropio : kCopyrightComun);
        m_tipoAplicacion = QString::fromUtf8(e.tipoAplicacion);
        m_desarrolladoPor = QString::fromUtf8(propios ? kDesarrolladoPorPropio : kDesarrolladoPorComun);
        return;
    }
}
