#pragma once

#include "agenda/OperacionAgenda.h"
#include "agenda/TareaAgenda.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TareasAgenda;

// The task dialog: title ("(*) Título:", at most 30 characters) and
// description ("Descripción:", at most 150, Enter starts a new line) of the
// task with row id `mlngIDTareaBD`. Accepting writes them to that row and
// closes; the caller then brings the planner and the month list up to date.
// A blank title, or a title that another task of the same day has, is
// refused and the dialog stays open; so does a write that fails.
//
// Cancel, Escape and the close box all cancel. Both buttons set the main
// window's `mblnRefresh`.
class frmTareas : public QDialog {
    Q_OBJECT

public:
    enum class Resultado { Cancelado, Aceptado, NoExiste };

    static constexpr int kCancelar = 0;
    static constexpr int kAceptar = 1;
    static constexpr int kLongitudTitulo = 30;
    static constexpr int kLongitudDescripcion = 150;

    frmTareas(TareasAgenda& tareas, bool& mblnRefresh, const QString& appTitle, QWidget* parent = nullptr);

    // Set by the caller before Form_Load: the task's row and ANADIR (a task
    // just drawn in the planner, whose row has no title yet) or Editar.
    qint32 mlngIDTareaBD = 0;
    OperacionAgenda mbytOperacion = OperacionAgenda::SINOPER;

    // Sets the caption and reads the row. False, after telling the user,
    // when the task no longer exists or cannot be read: the dialog is then
    // not to be shown.
    bool Form_Load();

    // How the dialog ended, and the task as it was written.
    Resultado resultado() const { return m_resultado; }
    bool Terminado() const { return m_terminado; }
    const TareaAgenda& Tarea() const { return m_tarea; }

    QLineEdit* txtTarea0() const { return m_titulo; }
    QPlainTextEdit* txtTarea1() const { return m_descripcion; }
    QPushButton* cmdTarea(int index) const { return m_botones.at(std::size_t(index)); }
    QLabel* lblTarea(int index) const { return m_etiquetas.at(std::size_t(index)); }

    void cmdTarea_Click(int index);

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void Aceptar();
    bool TituloValido(const QString& titulo);
    void Rehusar(const QString& mensaje);
    void Terminar(Resultado resultado);
    void LimitarDescripcion();

    TareasAgenda& m_tareas;
    bool& mblnRefresh;
    QString m_appTitle;
    TareaAgenda m_tarea;
    Resultado m_resultado = Resultado::Cancelado;
    bool m_terminado = false;
    QLineEdit* m_titulo = nullptr;
    QPlainTextEdit* m_descripcion = nullptr;
    std::array<QPushButton*, 2> m_botones{};
    std::array<QLabel*, 2> m_etiquetas{};
};
