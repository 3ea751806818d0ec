#pragma once

#include "import/AsistenteImportar.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace PVAPI {
class ListaControl;
}

// The import wizard's window, "Asistente para importar datos": it shows the
// state of its `AsistenteImportar` and hands every user action to it. Each
// control's object name is its control name ("txtDatos(2)"), which is also
// how the wizard names the focus.
class frmImportar : public QDialog {
public:
    explicit frmImportar(ContextoImportar contexto, QWidget* parent = nullptr);
    ~frmImportar() override;

    AsistenteImportar& Asistente() { return m_asistente; }
    // Shows the wizard's state again (after a test drove it directly).
    void Refrescar();
    // Escape and the close box: ignored while an add-in call runs.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

private:
    void Construir();
    void SeleccionarAlEntrar(QWidget* widget);
    void Conectar();
    // Runs a handler of the wizard, then shows its state.
    void Ejecutar(const char* procedimiento, const std::function<void()>& manejador);
    void AplicarFoco();

    AsistenteImportar m_asistente;
    bool m_activado = false;
    bool m_refrescando = false;
    QString m_focoAplicado;

    QStackedWidget* m_paginas = nullptr;
    std::array<QPushButton*, 5> m_cmdImportar{};
    QComboBox* m_cboImportar = nullptr;
    QGroupBox* m_fraUbicacion = nullptr;
    QLineEdit* m_txtPath = nullptr;
    QToolButton* m_cmdPath = nullptr;
    std::array<QListWidget*, 3> m_lstImportar{};
    std::array<QWidget*, 27> m_lblImportar{};
    std::array<QRadioButton*, 2> m_optSiglo{};
    std::array<QRadioButton*, 2> m_optOrdenNombres{};
    QWidget* m_picIncidencias = nullptr;
    QPlainTextEdit* m_txtIncidencias = nullptr;
    QListWidget* m_lstDatos = nullptr;
    std::array<QLineEdit*, 4> m_txtDatos{};
    std::array<QWidget*, 5> m_lblDatos{};
    QComboBox* m_cboDeduccion = nullptr;
    std::array<QPushButton*, 2> m_cmdDato{};
    std::array<QComboBox*, 4> m_cboFolio{};
    std::array<QCheckBox*, 4> m_chkDatos{};
    std::array<QGroupBox*, 4> m_fraDatos{};
    std::array<std::array<QLineEdit*, 2>, 4> m_txtDatosS{};
    std::array<std::array<QComboBox*, 2>, 4> m_cboDatosS{};
    std::array<std::array<QWidget*, 4>, 4> m_lblDatosS{};
};
