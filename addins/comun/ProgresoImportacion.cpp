#include "comun/ProgresoImportacion.h"

#include "platform/ui/Ui.h"

#include <QLabel>
#include <QProgressBar>

#include <limits>

namespace addins {

namespace {

void Negrita(QLabel* etiqueta, bool negrita)
{
    QFont letra = etiqueta->font();
    if (letra.bold() == negrita)
        return;
    letra.setBold(negrita);
    etiqueta->setFont(letra);
}

} // namespace

ProgresoImportacion::ProgresoImportacion(QProgressBar* barra, const QList<QLabel*>& etiquetas) : m_barra(barra)
{
    for (QLabel* etiqueta : etiquetas)
        m_etiquetas.append(etiqueta);
    for (const QPointer<QLabel>& etiqueta : std::as_const(m_etiquetas)) {
        if (etiqueta) {
            etiqueta->setEnabled(true);
            Negrita(etiqueta, false);
        }
    }
    if (m_barra) {
        m_barra->setRange(0, 1);
        m_barra->setValue(0);
    }
}

void ProgresoImportacion::Omitir(int paso)
{
    if (paso >= 0 && paso < m_etiquetas.size() && m_etiquetas[paso])
        m_etiquetas[paso]->setEnabled(false);
}

void ProgresoImportacion::Avanzar(int paso, qint64 leidos, qint64 total)
{
    if (paso != m_paso)
        Resaltar(paso);
    if (m_barra) {
        // The bar counts in int: a table of more records than that is shown
        // in thousandths.
        constexpr qint64 kMaximo = std::numeric_limits<int>::max();
        const qint64 maximo = total <= 0 ? 1 : total;
        const qint64 valor = qBound<qint64>(0, total <= 0 ? 1 : leidos, maximo);
        if (maximo <= kMaximo) {
            m_barra->setRange(0, int(maximo));
            m_barra->setValue(int(valor));
        } else {
            m_barra->setRange(0, 1000);
            m_barra->setValue(int(valor * 1000 / maximo));
        }
    }
    ui::DoEvents();
}

void ProgresoImportacion::Terminar()
{
    Resaltar(-1);
    ui::DoEvents();
}

std::function<void(int, qint64, qint64)> ProgresoImportacion::Aviso()
{
    return [this](int paso, qint64 leidos, qint64 total) { Avanzar(paso, leidos, total); };
}

void ProgresoImportacion::Resaltar(int paso)
{
    m_paso = paso;
    for (qsizetype i = 0; i < m_etiquetas.size(); ++i) {
        if (m_etiquetas[i])
            Negrita(m_etiquetas[i], i == paso);
    }
}

} // namespace addins
