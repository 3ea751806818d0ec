#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

// Our own editor of a data-link file: it shows the database the link names
// and lets the user choose another. It only collects the path; the caller
// writes the file (EnlaceDatos) when the dialog is accepted.
class frmEnlaceDatos : public QDialog {
    Q_OBJECT

public:
    // Shows a modal dialog (the file chooser) and returns its result.
    using EjecutarDialogo = std::function<int(QDialog&)>;

    frmEnlaceDatos(const QString& archivoEnlace, const QString& origenDatos, EjecutarDialogo ejecutarDialogo,
                   QWidget* parent = nullptr);

    QString OrigenDatos() const;

    QLineEdit* txtOrigenDatos() const { return m_txtOrigenDatos; }
    QPushButton* cmdExaminar() const { return m_cmdExaminar; }
    QPushButton* cmdAceptar() const { return m_cmdAceptar; }
    QPushButton* cmdCancelar() const { return m_cmdCancelar; }

    // The data source a chosen file is written as: its name alone when it
    // lies in the program folder, so the link moves with the folder; its
    // full path otherwise.
    static QString OrigenDeArchivo(const QString& archivo);

private:
    // Every event handler of the form runs through here.
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void cmdExaminar_Click();

    EjecutarDialogo m_ejecutarDialogo;
    QLineEdit* m_txtOrigenDatos;
    QPushButton* m_cmdExaminar;
    QPushButton* m_cmdAceptar;
    QPushButton* m_cmdCancelar;
};
