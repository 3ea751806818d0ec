#include "mainwindow/BandaSeparador.h"

#include <QMouseEvent>

BandaSeparador::BandaSeparador(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::SplitHCursor);
}

void BandaSeparador::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit MouseDown(event->position().toPoint().x());
}

void BandaSeparador::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->position().toPoint().x());
}

void BandaSeparador::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit MouseUp(event->position().toPoint().x());
}
