#pragma once

#include <QString>
#include <QtGlobal>

// The language id that names the user's settings branch
// ("Administrador\3082\..."). It is fixed per user: recorded at the first
// start and read from then on, whatever the language environment of a later
// start, so that no environment leads to a fresh branch without the stored
// password.
class IdiomaUsuario {
public:
    static constexpr qint16 kNuevaInstalacion = 3082;

    explicit IdiomaUsuario(QString appTitle);

    // The recorded id. When none is recorded (or what is there is no id), one
    // is chosen, recorded and returned.
    qint16 Fijar() const;

    // Where it is recorded: a key of the root section PRINCIPAL, outside
    // every user branch.
    static QString Seccion();
    static QString Clave();

private:
    // A store written before the id was recorded keeps the branch the user
    // has been using: of the ids the program can have used (the session's
    // first), the first whose branch holds a stored password, else the first
    // that a start has filled in; on a new installation 3082.
    qint16 Elegir() const;
    bool TienePassword(qint16 idioma) const;
    bool Usada(qint16 idioma) const;

    QString m_appTitle;
};
