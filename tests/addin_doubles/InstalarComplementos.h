#pragma once

#include <QString>
#include <QStringList>

namespace dobles {

// Copies the stand-in add-in libraries of the build (DUZ_TEST_BINARY_DIR,
// "app/addins") into "addins" of a program folder, so that the host finds
// them there installed. `bibliotecas` are old library names ("PVVodidazaz").
// False when one of them was not built or could not be copied.
bool InstalarComplementos(const QString& carpetaPrograma, const QStringList& bibliotecas);

// The five add-ins the start-up looks for.
QStringList ComplementosBuscados();

} // namespace dobles
