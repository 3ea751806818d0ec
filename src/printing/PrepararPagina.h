#pragma once

#include "printing/ContextoImpresion.h"

#include <QString>

#include <functional>

// "Configurar página": the margins dialog of books and entries, given the
// settings it edits so that it never saves under an empty key name.
namespace impresion {

// What the margins dialog (`frmMargenes`) is given before it is shown.
struct ParametrosMargenes {
    QString mstrREG_AppName;
    QString mstrREG_Section;
    QString mstrREG_Key_MargenSup;
    QString mstrREG_Key_MargenIzq;
    int mintMAX_MargenSup = 0;
    int mintMIN_MargenSup = 0;
    int mintMAX_MargenIzq = 0;
    int mintMIN_MargenIzq = 0;
    int mintPREDET_MargenSup = 0;
    int mintPREDET_MargenIzq = 0;
};

// Shows the dialog modally with these values. The program registers the
// dialog at start-up; until then, and in tests, none is shown.
using MostrarMargenes = std::function<void(const ParametrosMargenes&)>;
void EstablecerDialogoMargenes(MostrarMargenes mostrar);

// The parameters PrepararPagina gives: the book and entry margin keys of
// the user's section "Documentos", 0 to 100 mm, defaults 20 and 25.
ParametrosMargenes ParametrosPagina(const ContextoImpresion& ctx);

// Shows the dialog; without one registered, says it is not available.
void PrepararPagina(const ContextoImpresion& ctx);

} // namespace impresion
