#include "mainwindow/RegistroMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

void RegistroMenus::Construir(const QList<EntradaMenu>& entradas, QMenuBar* barra, QWidget* dueno)
{
    QSet<QString> conHijos;
    for (const EntradaMenu& e : entradas) {
        if (*e.padre)
            conHijos.insert(QString::fromUtf8(e.padre));
    }
    for (const EntradaMenu& e : entradas) {
        const QString nombre = QString::fromUtf8(e.nombre);
        const QString caption = QString::fromUtf8(e.caption);
        QMenu* padre = *e.padre ? m_menus.value(QString::fromUtf8(e.padre)) : nullptr;
        QAction* accion = nullptr;
        if (conHijos.contains(nombre)) {
            auto* menu = new QMenu(caption, padre ? static_cast<QWidget*>(padre) : dueno);
            menu->setObjectName(nombre);
            m_menus.insert(nombre, menu);
            accion = menu->menuAction();
            if (padre)
                padre->addAction(accion);
            else if (e.visible && barra)
                barra->addMenu(menu);
        } else if (caption == QLatin1String("-")) {
            // A separator has no text: styles draw a separator's text
            // beside its line.
            accion = padre ? padre->addSeparator() : new QAction(dueno);
            accion->setSeparator(true);
        } else {
            accion = new QAction(caption, padre ? static_cast<QObject*>(padre) : dueno);
            if (*e.atajo)
                accion->setShortcut(QKeySequence(QString::fromUtf8(e.atajo)));
            if (e.marcado) {
                accion->setCheckable(true);
                accion->setChecked(true);
            }
            if (padre)
                padre->addAction(accion);
            m_comandos.append(nombre);
        }
        accion->setObjectName(nombre);
        accion->setVisible(e.visible);
        accion->setEnabled(e.habilitado);
        m_acciones.insert(nombre, accion);
        m_nombres.append(nombre);
    }
}

QAction* RegistroMenus::Accion(const QString& nombre) const { return m_acciones.value(nombre); }

QMenu* RegistroMenus::Menu(const QString& nombre) const { return m_menus.value(nombre); }

void RegistroMenus::SetVisible(const QString& nombre, bool visible) const
{
    if (QAction* accion = Accion(nombre))
        accion->setVisible(visible);
}

void RegistroMenus::SetEnabled(const QString& nombre, bool habilitado) const
{
    if (QAction* accion = Accion(nombre))
        accion->setEnabled(habilitado);
}

void RegistroMenus::SetCaption(const QString& nombre, const QString& caption) const
{
    if (QAction* accion = Accion(nombre))
        accion->setText(caption);
}
