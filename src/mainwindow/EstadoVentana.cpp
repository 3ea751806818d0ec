#include "mainwindow/EstadoVentana.h"

#include "core/AjustesUsuario.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/Vb.h"

using PVAPI::cCRegistry;

namespace {

constexpr qint16 kFilasPorDefecto = 24;

double Numero(const AjustesUsuario& ajustes, const QString& clave, const char* defecto)
{
    try {
        return vb::Val(ajustes.Leer(ajustes.Seccion(cCRegistry::INTERFACE()), clave, QString::fromUtf8(defecto)));
    } catch (...) {
        return 0;
    }
}

QString Bandera(bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

qint16 FilasPorPagina(const QString& texto)
{
    try {
        const qint16 filas = vb::CInt(vb::Val(texto));
        return filas >= 1 ? filas : kFilasPorDefecto;
    } catch (...) {
        return kFilasPorDefecto;
    }
}

ColocacionVentana LeerColocacion(const AjustesUsuario& ajustes)
{
    ColocacionVentana c;
    c.nRegMax = FilasPorPagina(
        ajustes.Leer(ajustes.Seccion(cCRegistry::INTERFACE()), cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("24")));
    c.splitter = Numero(ajustes, cCRegistry::INTERFACE_SPLITTER_LEFT(), "1965");
    c.ancho = Numero(ajustes, cCRegistry::INTERFACE_WIDTH(), "12120");
    c.alto = Numero(ajustes, cCRegistry::INTERFACE_HEIGHT(), "8700");
    c.arriba = Numero(ajustes, cCRegistry::INTERFACE_TOP(), "-60");
    c.izquierda = Numero(ajustes, cCRegistry::INTERFACE_LEFT(), "-60");
    return c;
}

void GuardarEstado(const AjustesUsuario& ajustes, const EstadoGuardado& e)
{
    const QString interfaz = ajustes.Seccion(cCRegistry::INTERFACE());
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_LEFT(), QString::number(e.izquierda));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_TOP(), QString::number(e.arriba));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_WIDTH(), QString::number(e.ancho));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_HEIGHT(), QString::number(e.alto));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_SPLITTER_LEFT(), QString::number(e.splitter));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_NREGMAX(), QString::number(e.nRegMax));
    const QString contabilidad = ajustes.Seccion(cCRegistry::CONTABILIDAD());
    if (e.hayNodoEmpresa)
        ajustes.Guardar(contabilidad, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(),
                        QString::number(e.empresaSeleccionada));
    ajustes.Guardar(ajustes.Seccion(cCRegistry::VODIDAZAZ()), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS(),
                    Bandera(e.vodidazazEnPesetas));
    ajustes.Guardar(contabilidad, cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(), Bandera(e.contabilidadEnPesetas));
}

void GuardarAnchos(const AjustesUsuario& ajustes, const ColeccionNodos& nodos)
{
    const QString seccion = ajustes.SeccionGrids();
    for (const auto& nodo : nodos) {
        for (const auto& campo : nodo->colCampo())
            ajustes.Guardar(seccion, QString::number(campo->IDCampo()), QString::number(campo->Ancho()));
    }
}

bool EsNodoEmpresa(const QString& texto)
{
    return texto.startsWith(QLatin1Char('<')) && texto.endsWith(QLatin1Char('>'));
}
