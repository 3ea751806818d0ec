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

// Replaces the modal display of `frmMargenes` (tests); empty: the dialog.
using MostrarMargenes = std::function<void(const ParametrosMargenes&)>;
void EstablecerDialogoMargenes(MostrarMargenes mostrar);

// The parameters PrepararPagina gives: the book and entry margin keys of
// the user's section "Documentos", 0 to 100 mm, defaults 20 and 25.
ParametrosMargenes ParametrosPagina(const ContextoImpresion& ctx);

// Shows `frmMargenes` modally with those values.
void PrepararPagina(const ContextoImpresion& ctx);

} // namespace impresion
