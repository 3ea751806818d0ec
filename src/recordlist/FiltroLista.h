#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <stdexcept>

namespace db {
class Connection;
}

// The pieces of the record list filter that work on texts and types: the
// condition of one filter cell by the type of its column, the Yes/No
// condition, and the merge of the conditions into a node's query.
//
// Typed values never enter the statement: each becomes a "?" bound to it,
// and a LIKE pattern takes the typed characters literally ("%", "_", "*",
// "?", "#" and "[" included).
class FiltroLista {
public:
    // One filter cell, ready to be turned into a condition.
    struct Columna {
        QString texto;    // the cell's text, blanks around removed
        QString caption;  // the column header, blanks around removed
        QString fuente;   // "Tabla.Campo" or "[Formula]", blanks around removed
        qint16 tipo = 0;  // ADO type code of the source, 0 when unknown
    };

    struct Condicion {
        enum class Clase { Ninguna, Condicion, Rechazo };
        Clase clase = Clase::Ninguna;
        QString texto;              // "AND ... " for Clase::Condicion
        QList<db::Value> params;    // bound to the "?" of `texto`, in order
        QString mensaje;            // for Clase::Rechazo
        int estilo = 0;             // message box icon for Clase::Rechazo
    };

    // The condition of one cell; `euros` when amounts are handled in euros
    // (the peseta sources then filter their euro twins).
    static Condicion CondicionColumna(const Columna& columna, bool euros);

    // "AND x = True ", "AND x = False " or the condition that no true or
    // false value meets, by the typed word (letter case ignored).
    static QString CondicionBooleana(const QString& fuente, const QString& texto, const QString& verdadero,
                                     const QString& falso);

    // A LIKE pattern that finds `texto` anywhere, every character literal.
    static QString PatronContiene(const QString& texto);

    // The ADO type of the field a "Tabla.Campo" source names, probed with a
    // one-row query; 0 when the probe fails.
    static qint16 ObtenerTipoCampo(db::Connection& con, const QString& fuente);

    // The merge of `strCondiciones` ("AND ..." conditions) into the WHERE
    // clause of `strSQL`, textually, at the last SELECT, FROM, WHERE,
    // GROUP BY and ORDER BY. Line breaks of the statement become blanks and
    // the conditions lose their "AND" when the statement has no WHERE. The
    // two malformed inputs raise ErrorSentencia; a keyword found before the
    // one it should follow raises vb::VbError 5.
    static QString MezclarSentencia(QString& strSQL, QString& strCondiciones);

    class ErrorSentencia : public std::runtime_error {
    public:
        explicit ErrorSentencia(const QString& descripcion)
            : std::runtime_error(descripcion.toStdString()), m_descripcion(descripcion)
        {
        }
        const QString& descripcion() const { return m_descripcion; }

    private:
        QString m_descripcion;
    };
};
