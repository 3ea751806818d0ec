#pragma once

#include <QString>
#include <QtGlobal>

// Whose per-user settings a routine reads and writes: the application name
// (the application title) and the user and language that begin every user
// section ("Administrador\3082\...").
struct AjustesUsuario {
    QString aplicacion;
    QString usuario;
    qint16 idioma = 0;

    // "Administrador\3082": the user part of a section, without the final "\".
    QString Prefijo() const;
    // Prefijo, "\" and a section name ("Administrador\3082\Interface").
    QString Seccion(const QString& nombre) const;
    // The section of a tree node from its caption chain
    // ("Administrador\3082\Nodos\Norvia Parvanta 2000\Bancos").
    QString SeccionNodo(const QString& captions) const;
    // The section of the saved list column widths.
    QString SeccionGrids() const;

    QString Leer(const QString& seccion, const QString& clave, const QString& defecto = {}) const;
    void Guardar(const QString& seccion, const QString& clave, const QString& valor) const;
};
