#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace PVAPI {
struct cInfoConfiguracion;
}

// "Conexión con las bases de datos": one frame per database (0 parish,
// 1 reports, 2 accounting), each with a "Propiedades" button that edits the
// database's data-link file. Either button hides the dialog; the caller reads
// `mblnSalir` and destroys it.
class frmMensaje : public QDialog {
    Q_OBJECT

public:
    // Shows a modal dialog and returns its result (tests answer it instead).
    using EjecutarDialogo = std::function<int(QDialog&)>;

    static constexpr int kDuzediv = 0;
    static constexpr int kInformes = 1;
    static constexpr int kContabilidad = 2;

    // The loading: the accounting frame is shown only with the accounting
    // add-in; the reports frame starts hidden.
    frmMensaje(const PVAPI::cInfoConfiguracion& infoConfig, EjecutarDialogo ejecutarDialogo,
               QWidget* parent = nullptr);

    // True when the dialog was left with "&Cancelar".
    bool mblnSalir = false;

    QGroupBox* fraMensaje(int index) const { return m_marcos.at(index); }
    QLabel* lblMensaje(int index) const { return m_etiquetas.at(index); }
    QPushButton* cmdMensaje(int index) const { return m_propiedades.at(index); }
    QPushButton* cmdAceptar() const { return m_cmdAceptar; }
    QPushButton* cmdCancelar() const { return m_cmdCancelar; }

    // Shows or hides the reports frame, which the dialog itself never shows.
    void MostrarMarcoInformes(bool visible);

    // "Propiedades" of one frame: edits that database's data-link file.
    // Throws when the file cannot be written (the button's handler reports).
    void cmdMensaje_Click(int index);

protected:
    // Escape is the "&Cancelar" button; the close box leaves `mblnSalir` as
    // it is.
    void keyPressEvent(QKeyEvent* evento) override;
    void reject() override;

private:
    // Every event handler of the form runs through here.
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void cmdAceptar_Click();
    void cmdCancelar_Click();

    EjecutarDialogo m_ejecutarDialogo;
    std::array<QGroupBox*, 3> m_marcos{};
    std::array<QLabel*, 3> m_etiquetas{};
    std::array<QPushButton*, 3> m_propiedades{};
    QPushButton* m_cmdAceptar = nullptr;
    QPushButton* m_cmdCancelar = nullptr;
};
