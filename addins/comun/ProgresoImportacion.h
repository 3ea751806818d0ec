#pragma once

#include <QList>
#include <QPointer>
#include <QtGlobal>

#include <functional>

class QLabel;
class QProgressBar;

namespace addins {

// Drives the import wizard's progress bar and step labels while an import
// runs: the label of the step under way is bold, the steps that will not run
// are greyed out, and the bar shows the records read of the table being
// read. At each report the window repaints (no user input is let in), so the
// page shows the progress while the import holds the event loop.
class ProgresoImportacion {
public:
    // One label per step, in step order. The bar and any label may be null;
    // a widget destroyed meanwhile is skipped.
    ProgresoImportacion(QProgressBar* barra, const QList<QLabel*>& etiquetas);

    // A step that will not run.
    void Omitir(int paso);
    // What an import reports: the step, the records read and the records of
    // the table.
    void Avanzar(int paso, qint64 leidos, qint64 total);
    // The import is over: no step is bold any more.
    void Terminar();

    // `Avanzar` as the imports take it.
    std::function<void(int, qint64, qint64)> Aviso();

private:
    void Resaltar(int paso);

    QPointer<QProgressBar> m_barra;
    QList<QPointer<QLabel>> m_etiquetas;
    int m_paso = -1;
};

} // namespace addins
