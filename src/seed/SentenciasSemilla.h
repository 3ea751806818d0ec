#pragma once

#include "seed/DatosSemilla.h"

#include <QString>

// The INSERT statements of the seeds, one per row, in the Jet SQL the seeds have
// always sent: texts between double quotes, numbers bare, values separated by
// ", ". The rows are fixed data with no double quote inside, so nothing needs
// escaping; user text never goes through here.
class SentenciasSemilla {
public:
    static QString ComunidadAutonoma(const FilaComunidadAutonoma& fila);
    static QString Deduccion(const FilaDeduccion& fila);
    static QString TipoVia(const char* descripcion);

    // conClave: the id is written (2.1.2 and later); otherwise the table's
    // counter gives it.
    static QString Nodo(const FilaNodo& fila, bool conClave);
    static QString Campo(const FilaCampo& fila, bool conClave);
    static QString Informe(const FilaInforme& fila, bool conClave);

    static QString Cuenta(const FilaCuenta& fila);
    static QString Estructura(const FilaEstructura& fila);
    static QString RelEstructuraCuenta(const FilaRelEstructuraCuenta& fila);
};
