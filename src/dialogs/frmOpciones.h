#pragma once

#include "dialogs/GuardarOpciones.h"

#include <QDialog>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolButton;
class QWidget;

// The services the options dialog needs from above it.
struct ServiciosOpciones {
    // Shows a modal dialog (exec() when empty); tests answer it instead.
    std::function<int(QDialog&)> ejecutarDialogo;
    // Shows the database-connection dialog modally and returns when it is
    // closed; empty when the program offers none.
    std::function<void()> mostrarConexiones;
};

// " Opciones": rows per page and currency (General), the start-up password
// (Contraseña), print margins and pages per book (Documentos) and the
// form-182 deduction percentages. "&Aceptar" saves (GuardarOpciones) and
// closes unless something was refused; "A&plicar" saves and stays;
// "&Cancelar", Escape and the close box leave without saving. The tab
// strip has four tabs, or two when the report viewer opens it.
class frmOpciones : public QDialog {
    Q_OBJECT

public:
    static constexpr int kAceptar = 0;
    static constexpr int kCancelar = 1;
    static constexpr int kAplicar = 2;

    frmOpciones(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent = nullptr);

    // Fills every control from the settings, the flags and the table; a
    // step that fails is passed over.
    void Form_Load();
    // The report viewer's mode: only "Documentos" and "Deducciones Modelo
    // 182", opened on "Documentos".
    void QuitarPestanasGenerales();

    void tbsOptions_Click();
    void Form_KeyDown(int keyCode, int shift);
    void lstDocumentos_Click();
    void cmdMargenes_Click();
    void cmdOpciones_Click();
    void cmdBoton_Click(int index);
    void txtOpciones_LostFocus(int index);

    // A key typed into a box, as the window receives it: false when it is
    // dropped.
    bool txtOpciones_KeyPress(int index, QChar caracter);
    bool Modelo182_KeyPress(QChar caracter);

    bool mblnCambiarClave = false;

    QTabBar* tbsOptions() const { return m_tabs; }
    QWidget* picOptions(int index) const { return m_paginas.at(std::size_t(index)); }
    QLineEdit* txtOpciones(int index) const { return m_txt.at(std::size_t(index)); }
    QRadioButton* optMoneda(int index) const { return m_moneda.at(std::size_t(index)); }
    QPushButton* cmdBoton(int index) const { return m_botones.at(std::size_t(index)); }
    QListWidget* lstDocumentos() const { return m_documentos; }
    QGroupBox* fraDocumentos() const { return m_fraDocumentos; }
    QGroupBox* fraCertificado() const { return m_fraCertificado; }
    QLabel* lblDocumentos() const { return m_lblDocumentos; }
    QLabel* lblOpcionLibros() const { return m_lblOpcionLibros; }
    QPushButton* cmdMargenes() const { return m_cmdMargenes; }
    QPushButton* cmdOpciones() const { return m_cmdOpciones; }
    QLineEdit* txtTipoA() const { return m_modelo182[0]; }
    QLineEdit* txtTipoB() const { return m_modelo182[1]; }
    QLineEdit* txtDeduccionRegFiscal2() const { return m_modelo182[2]; }
    // The up-down arrows of a box: 0 the certificate margin, 1 the pages.
    QToolButton* updOptions(int index, bool arriba) const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    QWidget* CrearGeneral();
    QWidget* CrearContrasena();
    QWidget* CrearDocumentos();
    QWidget* CrearModelo182();
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void HabilitarAplicar() const;
    void EstadoClaveAnterior(bool habilitada);
    void MoverFoco(QWidget* control);
    void Paso(int index, int incremento);
    void Aplicar(const SalidaOpciones& salida);
    int IndiceCaja(QObject* objeto) const;
    int IndiceModelo182(QObject* objeto) const;

    ContextoOpciones m_contexto;
    ServiciosOpciones m_servicios;
    QTabBar* m_tabs = nullptr;
    std::array<QWidget*, 4> m_paginas{};
    std::array<QLineEdit*, 6> m_txt{};
    std::array<QRadioButton*, 2> m_moneda{};
    std::array<QPushButton*, 3> m_botones{};
    std::array<QToolButton*, 4> m_flechas{};
    std::array<QLineEdit*, 3> m_modelo182{};
    QListWidget* m_documentos = nullptr;
    QGroupBox* m_fraDocumentos = nullptr;
    QGroupBox* m_fraCertificado = nullptr;
    QLabel* m_lblDocumentos = nullptr;
    QLabel* m_lblOpcionLibros = nullptr;
    QPushButton* m_cmdMargenes = nullptr;
    QPushButton* m_cmdOpciones = nullptr;
};

// View > Options: the whole dialog, modal; returns when it is closed.
void MostrarOpciones(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent = nullptr);
// The report viewer's margins button: the same dialog with only its
// "Documentos" and "Deducciones Modelo 182" tabs.
void MostrarOpcionesVisor(ContextoOpciones contexto, ServiciosOpciones servicios, QWidget* parent = nullptr);
