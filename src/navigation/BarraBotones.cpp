#include "navigation/BarraBotones.h"

#include "navigation/ErroresControles.h"
#include "navigation/ListaImagenes.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

BarraBotones::BarraBotones(QWidget* parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void BarraBotones::AnadirBoton(const QString& clave, const QString& tooltip, Estilo estilo)
{
    Boton nuevo;
    nuevo.clave = clave;
    if (estilo == Estilo::Separador) {
        nuevo.accion = addSeparator();
        m_botones.append(nuevo);
        return;
    }
    nuevo.accion = new QAction(clave, this);
    nuevo.accion->setObjectName(clave);
    nuevo.accion->setToolTip(tooltip.isEmpty() ? clave : tooltip);
    connect(nuevo.accion, &QAction::triggered, this, [this, clave] { emit ButtonClick(clave); });
    if (estilo == Estilo::Desplegable) {
        nuevo.menu = new QMenu(this);
        nuevo.accion->setMenu(nuevo.menu);
    }
    addAction(nuevo.accion);
    if (auto* boton = qobject_cast<QToolButton*>(widgetForAction(nuevo.accion)); boton && nuevo.menu)
        boton->setPopupMode(QToolButton::MenuButtonPopup);
    m_botones.append(nuevo);
}

const BarraBotones::Boton& BarraBotones::boton(int posicion) const
{
    if (posicion < 1 || posicion > m_botones.size())
        LanzarIndiceFueraDeLimites();
    return m_botones.at(posicion - 1);
}

QString BarraBotones::Clave(int posicion) const { return boton(posicion).clave; }

QAction* BarraBotones::Accion(int posicion) const { return boton(posicion).accion; }

void BarraBotones::SetImagen(int posicion, int imagen)
{
    const Boton& actual = boton(posicion);
    if (imagen != 0 && (!m_imagenes || imagen < 1 || imagen > m_imagenes->Count()))
        LanzarIndiceFueraDeLimites();
    actual.accion->setIcon(imagen == 0 ? QIcon() : m_imagenes->Icono(imagen));
    m_botones[posicion - 1].imagen = imagen;
}

int BarraBotones::Imagen(int posicion) const { return boton(posicion).imagen; }

void BarraBotones::AnadirEntrada(int posicion, const QString& texto)
{
    QMenu* menu = boton(posicion).menu;
    if (!menu)
        LanzarIndiceFueraDeLimites();
    const int indice = int(menu->actions().size()) + 1;
    if (texto == QLatin1String("-")) {
        menu->addSeparator();
        return;
    }
    QAction* entrada = menu->addAction(texto);
    connect(entrada, &QAction::triggered, this, [this, posicion, indice] { emit ButtonMenuClick(posicion, indice); });
}

QAction* BarraBotones::Entrada(int posicion, int indice) const
{
    QMenu* menu = boton(posicion).menu;
    if (!menu || indice < 1 || indice > menu->actions().size())
        LanzarIndiceFueraDeLimites();
    return menu->actions().at(indice - 1);
}
