#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// "Acerca de ": the product title, the program's version, the edition's
// developed-by text and the rights notice, and "&Información... ", which
// opens the program's own system-information window.
class frmAcerca : public QDialog {
    Q_OBJECT

public:
    using EjecutarDialogo = std::function<int(QDialog&)>;

    // `version` is the program's version as the build gives it
    // ("2.2.0"); the application's version when empty.
    explicit frmAcerca(EjecutarDialogo ejecutar = {}, const QString& version = {}, QWidget* parent = nullptr);

    // "Versión 2.2.0": major, minor and revision as plain numbers.
    static QString TextoVersion(const QString& version);

    void cmdSysInfo_Click();
    // Opens the system information, or tells the user it cannot.
    void StartSysInfo();

    QLabel* lblVersion(int index) const;
    QPushButton* cmdOK() const { return m_ok; }
    QPushButton* cmdSysInfo() const { return m_sysInfo; }

private:
    EjecutarDialogo m_ejecutar;
    QLabel* m_titulo = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_desarrollado = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_sysInfo = nullptr;
};

// Help > About: the about box, modal.
void MostrarAcercaDe(frmAcerca::EjecutarDialogo ejecutar = {}, QWidget* parent = nullptr);
