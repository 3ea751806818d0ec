#pragma once

#include <QString>

#include <exception>

namespace widgets {

// A record the dialog refuses to write: the Spanish message for the user and
// the field (column and section) or dependent-record list it is about, so
// that the dialog can put the focus there. Nothing has been written when it
// is raised.
class DialogoRegistroError : public std::exception {
public:
    explicit DialogoRegistroError(QString texto, QString columna = {}, int seccion = -1, int detalle = -1)
        : m_texto(std::move(texto)), m_columna(std::move(columna)), m_seccion(seccion), m_detalle(detalle)
    {
    }

    const QString& texto() const { return m_texto; }
    const QString& columna() const { return m_columna; }
    // -1: the field of that column in whichever section has it.
    int seccion() const { return m_seccion; }
    // The list of dependent records concerned, or -1.
    int detalle() const { return m_detalle; }
    const char* what() const noexcept override { return "DialogoRegistroError"; }

private:
    QString m_texto;
    QString m_columna;
    int m_seccion;
    int m_detalle;
};

} // namespace widgets
