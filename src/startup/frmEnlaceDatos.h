#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Our own editor of a data-link file: it shows the database the link names
// and lets the user choose another. It only collects the path; the caller
// writes the file (EnlaceDatos) when the dialog is accepted.
class frmEnlaceDatos : public QDialog {
    Q_OBJECT

public:
    explicit frmEnlaceDatos(const QString& archivoEnlace, const QString& origenDatos, QWidget* parent = nullptr);

    QString OrigenDatos() const;

    QLineEdit* txtOrigenDatos() const { return m_txtOrigenDatos; }
    QPushButton* cmdExaminar() const { return m_cmdExaminar; }
    QPushButton* cmdAceptar() const { return m_cmdAceptar; }
    QPushButton* cmdCancelar() const { return m_cmdCancelar; }

private:
    void cmdExaminar_Click();

    QLineEdit* m_txtOrigenDatos;
    QPushButton* m_cmdExaminar;
    QPushButton* m_cmdAceptar;
    QPushButton* m_cmdCancelar;
};
