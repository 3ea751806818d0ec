#pragma once

#include <QString>

// One data-link file as the connection dialog edits it: its connection
// string, of which only the data source is changed. Everything else the
// string holds (provider, other properties) is written back as it was.
class EnlaceDatos {
public:
    // Reads the file; a missing or empty file gives an empty string.
    explicit EnlaceDatos(QString ruta);

    const QString& Ruta() const { return m_ruta; }
    const QString& CadenaConexion() const { return m_cadena; }

    // The value of "Data Source" ("" when there is none).
    QString OrigenDatos() const;
    // Replaces the value of "Data Source", or adds the property; a file
    // without a connection string gets the Jet provider's.
    void EstablecerOrigenDatos(const QString& origen);

    // `cadena` with its "Data Source" (any letter case) set to `origen` as
    // above, quoted when it holds a ";" or a quote; every other property kept
    // as it is written.
    static QString ConOrigenDatos(const QString& cadena, const QString& origen);

    // Writes the file in its format (UTF-16 with byte-order mark, CR LF),
    // replacing it atomically. Throws vb::VbError 75 when it cannot.
    void Guardar() const;

private:
    QString m_ruta;
    QString m_cadena;
};
