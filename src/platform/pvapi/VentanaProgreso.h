#pragma once

#include <QDialog>

class QProgressBar;

namespace PVAPI {

// The shared progress window: a small non-modal window with a caption and a
// bar, shown while long work runs on the main thread.
class VentanaProgreso : public QDialog {
    Q_OBJECT
public:
    VentanaProgreso(int maximo, const QString& titulo, int estilo, QWidget* padre = nullptr);

    void Mover(int valor);
    int Valor() const;
    int Maximo() const;
    int Estilo() const { return m_estilo; }

private:
    QProgressBar* m_barra;
    int m_estilo;
};

} // namespace PVAPI
