#include "platform/pvapi/VentanaProgreso.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace PVAPI {

VentanaProgreso::VentanaProgreso(int maximo, const QString& titulo, int estilo, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_barra(new QProgressBar(this)),
      m_estilo(estilo)
{
    setWindowTitle(titulo);
    setModal(false);
    m_barra->setRange(0, std::max(0, maximo));
    m_barra->setValue(0);
    m_barra->setMinimumWidth(320);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(m_barra);
}

void VentanaProgreso::Mover(int valor)
{
    m_barra->setValue(std::clamp(valor, m_barra->minimum(), m_barra->maximum()));
}

int VentanaProgreso::Valor() const
{
    return m_barra->value();
}

int VentanaProgreso::Maximo() const
{
    return m_barra->maximum();
}

} // namespace PVAPI
