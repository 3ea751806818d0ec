#include "mainwindow/EstadoVentana.h"

#include "core/AjustesUsuario.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/Twips.h"
#include "platform/vb/Vb.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

using PVAPI::cCRegistry;

namespace {

constexpr qint16 kFilasPorDefecto = 24;

double Numero(const AjustesUsuario& ajustes, const QString& clave, const char* defecto)
{
    try {
        const double v =
            vb::Val(ajustes.Leer(ajustes.Seccion(cCRegistry::INTERFACE()), clave, QString::fromUtf8(defecto)));
        return std::isfinite(v) ? v : 0;
    } catch (...) {
        return 0;
    }
}

// What the default placement (-60, -60) puts above the top of the screen.
constexpr double kBordeSuperior = 60;

double Interseccion(double a0, double a1, double b0, double b1)
{
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// `inicio` and `largo` of the window along one direction, inside
// [desde, desde + cabe).
void Encajar(double& inicio, double& largo, double desde, double cabe)
{
    largo = std::min(largo, cabe);
    inicio = std::clamp(inicio, desde, desde + cabe - largo);
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

QList<QRectF> AreasPantallas()
{
    QList<QRectF> areas;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return areas;
    QList<QScreen*> pantallas = QGuiApplication::screens();
    if (QScreen* primaria = QGuiApplication::primaryScreen()) {
        pantallas.removeAll(primaria);
        pantallas.prepend(primaria);
    }
    for (const QScreen* pantalla : pantallas) {
        const QRect r = pantalla->availableGeometry();
        areas.append(QRectF(vb::PixelsToTwipsX(r.x()), vb::PixelsToTwipsY(r.y()), vb::PixelsToTwipsX(r.width()),
                            vb::PixelsToTwipsY(r.height())));
    }
    return areas;
}

ColocacionVentana AjustarAPantallas(ColocacionVentana c, const QList<QRectF>& areas)
{
    if (areas.isEmpty())
        return c;
    const double derecha = c.izquierda + c.ancho;
    const double abajo = c.arriba + c.alto;
    const QRectF* mejor = nullptr;
    double mayor = 0;
    for (const QRectF& a : areas) {
        const double comun = Interseccion(c.izquierda, derecha, a.left(), a.right())
            * Interseccion(c.arriba, abajo, a.top(), a.bottom());
        if (comun > mayor) {
            mayor = comun;
            mejor = &a;
        }
    }
    if (mejor && Interseccion(c.izquierda, derecha, mejor->left(), mejor->right()) * 2 >= c.ancho
        && Interseccion(c.arriba, abajo, mejor->top(), mejor->bottom()) * 2 >= c.alto
        && c.arriba >= mejor->top() - kBordeSuperior && c.arriba < mejor->bottom())
        return c;
    const QRectF& area = mejor ? *mejor : areas.first();
    Encajar(c.izquierda, c.ancho, area.left(), area.width());
    Encajar(c.arriba, c.alto, area.top(), area.height());
    return c;
}

ColocacionVentana LeerColocacion(const AjustesUsuario& ajustes, const QList<QRectF>& areas)
{
    ColocacionVentana c;
    c.nRegMax = FilasPorPagina(
        ajustes.Leer(ajustes.Seccion(cCRegistry::INTERFACE()), cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("24")));
    c.splitter = Numero(ajustes, cCRegistry::INTERFACE_SPLITTER_LEFT(), "1965");
    c.ancho = Numero(ajustes, cCRegistry::INTERFACE_WIDTH(), "12120");
    c.alto = Numero(ajustes, cCRegistry::INTERFACE_HEIGHT(), "8700");
    c.arriba = Numero(ajustes, cCRegistry::INTERFACE_TOP(), "-60");
    c.izquierda = Numero(ajustes, cCRegistry::INTERFACE_LEFT(), "-60");
    return AjustarAPantallas(c, areas);
}

void GuardarEstado(const AjustesUsuario& ajustes, const EstadoGuardado& e, const QList<QRectF>& areas)
{
    ColocacionVentana c;
    c.izquierda = e.izquierda;
    c.arriba = e.arriba;
    c.ancho = e.ancho;
    c.alto = e.alto;
    c = AjustarAPantallas(c, areas);
    const QString interfaz = ajustes.Seccion(cCRegistry::INTERFACE());
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_LEFT(), QString::number(std::lround(c.izquierda)));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_TOP(), QString::number(std::lround(c.arriba)));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_WIDTH(), QString::number(std::lround(c.ancho)));
    ajustes.Guardar(interfaz, cCRegistry::INTERFACE_HEIGHT(), QString::number(std::lround(c.alto)));
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
