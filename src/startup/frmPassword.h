#pragma once

#include "startup/ComprobacionPassword.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

// "Contraseña": asks for the start-up password. `mblnOK` tells whether the
// login was accepted; it starts False, so closing the window any other way
// than with a matching password refuses the login.
class frmPassword : public QDialog {
    Q_OBJECT

public:
    static constexpr int kAceptar = 0;
    static constexpr int kCancelar = 1;
    static constexpr int kLongitudMaxima = 20;

    frmPassword(PVAPI::cInfoConfiguracion& infoConfig, const QString& appTitle, QWidget* parent = nullptr);

    bool mblnOK = false;

    QLineEdit* txtPassword() const { return m_txtPassword; }
    QPushButton* cmdBotonera(int index) const { return m_cmdBotonera.at(index); }

    void cmdBotonera_Click(int index);

    // The unload as start-up runs it, shown or not: back to the wait pointer.
    void Form_Unload();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // Every event handler of the form runs through here.
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void Aceptar();

    ComprobacionPassword m_comprobacion;
    QString m_appTitle;
    QLineEdit* m_txtPassword;
    std::array<QPushButton*, 2> m_cmdBotonera{};
};
