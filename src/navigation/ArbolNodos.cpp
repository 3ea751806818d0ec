#include "navigation/ArbolNodos.h"

#include "navigation/ErroresControles.h"
#include "navigation/ListaImagenes.h"

#include <QHeaderView>

namespace {

constexpr int kRolClave = Qt::UserRole;
constexpr int kRolImagen = Qt::UserRole + 1;
constexpr int kRolExpandido = Qt::UserRole + 2;

} // namespace

ArbolNodos::ArbolNodos(QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    // Long captions scroll sideways, as the old tree did, instead of being cut.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setTextElideMode(Qt::ElideNone);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* nodo) { RecordarExpansion(nodo, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* nodo) { RecordarExpansion(nodo, false); });
}

QTreeWidgetItem* ArbolNodos::Anadir(const QString& claveRelativo, const QString& clave, const QString& texto,
                                    int imagen)
{
    QTreeWidgetItem* padre = nullptr;
    if (!claveRelativo.isEmpty()) {
        padre = PorClave(claveRelativo);
        if (!padre)
            LanzarElementoNoEncontrado();
    }
    if (!clave.isEmpty() && PorClave(clave))
        LanzarClaveNoUnica();
    QIcon icono;
    if (imagen != 0) {
        if (!m_imagenes || imagen < 0 || imagen > m_imagenes->Count())
            LanzarIndiceFueraDeLimites();
        icono = m_imagenes->Icono(imagen);
    }

    auto* nodo = new QTreeWidgetItem(QStringList {texto});
    nodo->setData(0, kRolClave, clave);
    nodo->setData(0, kRolImagen, imagen);
    nodo->setIcon(0, icono);
    if (padre)
        padre->addChild(nodo);
    else
        addTopLevelItem(nodo);
    m_orden.append(nodo);
    // A parent asked to be expanded before it had children opens now.
    if (padre && padre->data(0, kRolExpandido).toBool() && !padre->isExpanded())
        padre->setExpanded(true);
    return nodo;
}

void ArbolNodos::Eliminar(QTreeWidgetItem* nodo)
{
    if (!nodo)
        return;
    QuitarDelOrden(nodo);
    delete nodo;
}

void ArbolNodos::Vaciar()
{
    m_orden.clear();
    clear();
}

void ArbolNodos::QuitarDelOrden(QTreeWidgetItem* nodo)
{
    m_orden.removeOne(nodo);
    for (int i = 0; i < nodo->childCount(); ++i)
        QuitarDelOrden(nodo->child(i));
}

QTreeWidgetItem* ArbolNodos::Nodo(int indice) const
{
    if (indice < 1 || indice > m_orden.size())
        LanzarIndiceFueraDeLimites();
    return m_orden.at(indice - 1);
}

QTreeWidgetItem* ArbolNodos::PorClave(const QString& clave) const
{
    for (QTreeWidgetItem* nodo : m_orden) {
        if (Clave(nodo) == clave)
            return nodo;
    }
    return nullptr;
}

QString ArbolNodos::Clave(const QTreeWidgetItem* nodo)
{
    return nodo->data(0, kRolClave).toString();
}

int ArbolNodos::Imagen(const QTreeWidgetItem* nodo)
{
    return nodo->data(0, kRolImagen).toInt();
}

bool ArbolNodos::Expandido(const QTreeWidgetItem* nodo) const
{
    return nodo->childCount() > 0 ? nodo->isExpanded() : nodo->data(0, kRolExpandido).toBool();
}

void ArbolNodos::SetExpandido(QTreeWidgetItem* nodo, bool expandido)
{
    nodo->setData(0, kRolExpandido, expandido);
    nodo->setExpanded(expandido);
}

void ArbolNodos::RecordarExpansion(QTreeWidgetItem* nodo, bool expandido)
{
    nodo->setData(0, kRolExpandido, expandido);
}
