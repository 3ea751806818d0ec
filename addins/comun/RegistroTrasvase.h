#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace addins {

// The log of an import, kept in "Log/Trasvase" of the program folder so the
// user can read afterwards what the import did and what it left out.
struct RegistroTrasvase {
    QString ruta;  // the file written, or the one that could not be
    QString error; // why it could not be written; "" when it was

    bool Guardado() const { return error.isEmpty(); }
};

// Writes the lines (UTF-8, CR LF) to "<nombre>_<yyyyMMdd>_<HHmmss>.txt" in
// "Log/Trasvase" of the program folder, making the folder when it is
// missing; a name already taken gets "_2", "_3"... so no earlier log is
// overwritten. The file appears whole or not at all.
RegistroTrasvase GuardarRegistroTrasvase(const QString& nombre, const QStringList& lineas,
                                         const QDateTime& momento = QDateTime::currentDateTime());

} // namespace addins
