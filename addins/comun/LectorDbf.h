#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QVariant>

#include <stdexcept>

// A dBase table (".dbf", with its ".dbt" memo file) read generically: the
// header, the field descriptors, then the records one at a time. Nothing of
// a particular program's layout is assumed; an importer names the fields it
// takes.
//
// Structural faults (a file shorter than its header says, a record count
// that disagrees with the file size, a field of an unknown type, a code page
// this reader does not know) stop the reading with `ErrorDbf`, whose text
// says what is wrong in Spanish. Faults of one value (a date that is no
// date, a memo block past the end of the memo file, a number that is not
// one) leave the value Null and are listed in `Incidencias()` of the record.
class LectorDbf {
public:
    struct Campo {
        QString nombre;  // upper case, as stored
        char tipo = 'C'; // C, N, F, D, L or M
        int longitud = 0;
        int decimales = 0;
        int desplazamiento = 0; // inside the record, after the deleted flag
    };

    class ErrorDbf : public std::runtime_error {
    public:
        explicit ErrorDbf(const QString& texto) : std::runtime_error(texto.toStdString()), m_texto(texto) {}
        const QString& texto() const { return m_texto; }

    private:
        QString m_texto;
    };

    // Opens the table and reads its header; throws ErrorDbf.
    explicit LectorDbf(const QString& ruta);

    const QList<Campo>& Campos() const { return m_campos; }
    // Position of a field by name, any letter case; -1 when there is none.
    int IndiceCampo(const QString& nombre) const;
    qint64 NumeroRegistros() const { return m_registros; }
    // "CP850" or "Windows-1252".
    QString CodigoPagina() const;

    // Moves to the next record; false after the last one. Deleted records
    // are read too (see `Borrado`).
    bool Siguiente();
    bool Borrado() const { return m_actual.at(0) == '*'; }
    // The value of field `i` of the current record: text (trailing blanks
    // taken off), double, "yyyymmdd" text for a date, bool, memo text; Null
    // when blank or unreadable.
    QVariant Valor(int i);
    // What could not be read in the current record, one line per value.
    const QStringList& Incidencias() const { return m_incidencias; }

private:
    QString Texto(const char* datos, qsizetype largo) const;
    QString Memo(qint64 bloque);

    QString m_nombre;
    QFile m_archivo;
    QFile m_memo;
    bool m_hayMemo = false;
    bool m_memoDbase4 = false;
    qint64 m_tamanoBloque = 512;
    QList<Campo> m_campos;
    qint64 m_registros = 0;
    qint64 m_leidos = 0;
    int m_largoRegistro = 0;
    int m_codigoPagina = 0x02;
    QByteArray m_actual;
    QStringList m_incidencias;
};
