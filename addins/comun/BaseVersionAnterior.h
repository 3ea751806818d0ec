#pragma once

#include <QString>

// What the folder of a previous-version import holds under "DUZEDIV.MDB"
// (any letter case): one of this program's own database files, which can be
// read; a Microsoft Jet (or ACE) file of the old program, which cannot; or
// something else.
enum class TipoBaseAnterior { NoExiste, Propia, Jet, Desconocida };

struct BaseVersionAnterior {
    TipoBaseAnterior tipo = TipoBaseAnterior::NoExiste;
    QString ruta; // the file as found; "" when there is none
    // Why it cannot be read, in Spanish; "" for our own file.
    QString Explicacion() const;
};

BaseVersionAnterior ExaminarBaseVersionAnterior(const QString& carpeta);
