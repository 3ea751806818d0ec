#pragma once

#include "dialogs/EliminacionInstitucion.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
namespace db {
class Connection;
}

// The dialog through which the user removes an institution with all its
// data. Loading counts what the institution holds and shows it as one
// summary under the warnings; two check boxes add its donors and its
// collaborators. The dialog itself is the confirmation: "Aceptar" (Enter)
// removes everything at once (EliminacionInstitucion) and closes, whatever
// came of it; "Cancelar" (Escape, the close box) closes with nothing
// changed.
class frmEliminaInstitucion : public QDialog {
    Q_OBJECT

public:
    static constexpr int kAceptar = 0;
    static constexpr int kCancelar = 1;
    static constexpr int kDonantes = 0;
    static constexpr int kColaboradores = 1;

    frmEliminaInstitucion(db::Connection& conLocal, db::Connection& conContabilidad, QWidget* parent = nullptr);

    // The institution to remove; set before Form_Load.
    qint32 mlngID = 0;

    // Counts what the institution holds and lays the dialog out. A count
    // that cannot be read is reported once and adds nothing to the summary.
    void Form_Load();

    void cmdEliminar_Click(int index);
    // The removal with the check boxes' choice; its failures are reported.
    void EliminaInstitucion();

    // How the last removal ended; nothing when it failed or did not run.
    std::optional<EliminacionInstitucion::Resultado> Resultado() const { return m_resultado; }

    QLabel* lblEliminar(int index) const { return m_etiquetas.at(std::size_t(index)); }
    QCheckBox* chkEliminar(int index) const { return m_casillas.at(std::size_t(index)); }
    QPushButton* cmdEliminar(int index) const { return m_botones.at(std::size_t(index)); }
    QProgressBar* nvbpProgreso() const { return m_progreso; }

private:
    void CrearControles();
    void Disponer(bool resumenVacio);

    db::Connection& m_conLocal;
    db::Connection& m_conContabilidad;
    std::optional<EliminacionInstitucion::Resultado> m_resultado;
    std::array<QLabel*, 6> m_etiquetas{};
    std::array<QCheckBox*, 2> m_casillas{};
    std::array<QPushButton*, 2> m_botones{};
    QProgressBar* m_progreso = nullptr;
};
