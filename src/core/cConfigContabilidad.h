#pragma once

#include <QIcon>
#include <QString>

// What the accounting add-in is told about the program and the run. The main
// window owns the one instance, fills it at load and lends it to every
// accounting operation; only `TrabajarConPesetas` changes afterwards.
class cConfigContabilidad {
public:
    QString AppPath() const { return m_appPath; }
    void SetAppPath(const QString& valor) { m_appPath = valor; }

    QString HelpPath() const { return m_helpPath; }
    void SetHelpPath(const QString& valor) { m_helpPath = valor; }

    QString AppTitle() const { return m_appTitle; }
    void SetAppTitle(const QString& valor) { m_appTitle = valor; }

    // The user part of the settings sections: "Administrador\3082", without
    // a final backslash.
    QString Usuario() const { return m_usuario; }
    void SetUsuario(const QString& valor) { m_usuario = valor; }

    // Accounting amounts in pesetas; false means euros.
    bool TrabajarConPesetas() const { return m_trabajarConPesetas; }
    void SetTrabajarConPesetas(bool valor) { m_trabajarConPesetas = valor; }

    // A null icon until one is set.
    QIcon Icono() const { return m_icono; }
    void SetIcono(const QIcon& valor) { m_icono = valor; }

    QString Aplicacion() const { return m_aplicacion; }
    void SetAplicacion(const QString& valor) { m_aplicacion = valor; }

    bool ConsolidacionVisible() const { return m_consolidacionVisible; }
    void SetConsolidacionVisible(bool valor) { m_consolidacionVisible = valor; }

private:
    QString m_appPath;
    QString m_helpPath;
    QString m_appTitle;
    QString m_usuario;
    bool m_trabajarConPesetas = false;
    QIcon m_icono;
    QString m_aplicacion;
    bool m_consolidacionVisible = false;
};
