#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

// Every command of the main window by control name, the one key form:
// menu items ("mnuArchivoNuevo"), toolbar buttons by their key ("firstReg")
// and context entries ("mnuSecundarioNuevo"). The window registers each of
// its controls when it is made; a feature replaces the entries it carries
// out through its own Registrar…Comandos function. Running a name that was
// never registered is a fault of the caller (a mistyped name), not a
// command the user can reach: it raises error 5.
class RegistroComandos {
public:
    using Manejador = std::function<void()>;

    // Adds `nombre`, or replaces its handler when it is already there (its
    // place in Nombres() stays). An empty name or handler raises error 5.
    void Registrar(const QString& nombre, Manejador manejador);

    bool Contiene(const QString& nombre) const { return m_manejadores.contains(nombre); }
    // Names in the order they were first registered.
    const QStringList& Nombres() const { return m_nombres; }

    // Runs the handler of `nombre` (names compare exactly); what the
    // handler raises reaches the caller. A handler may replace entries,
    // its own included, while it runs.
    void Ejecutar(const QString& nombre) const;

private:
    QHash<QString, Manejador> m_manejadores;
    QStringList m_nombres;
};
