#include "addin_doubles/InstalarComplementos.h"

#include "platform/addins/DefinicionComplemento.h"
#include "platform/addins/HostComplementos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dobles {

bool InstalarComplementos(const QString& carpetaPrograma, const QStringList& bibliotecas)
{
    const QDir construidos(qEnvironmentVariable("DUZ_TEST_BINARY_DIR") + QStringLiteral("/app/addins"));
    const QDir destino(carpetaPrograma + QStringLiteral("/addins"));
    if (!destino.exists() && !QDir().mkpath(destino.path()))
        return false;
    // The plugins find the program's shared libraries in "lib" beside
    // "addins", as in the built program folder, whatever a test executable
    // happens to have loaded already.
    const QString carpetaLib = carpetaPrograma + QStringLiteral("/lib");
    if (!QFileInfo::exists(carpetaLib)
        && !QFile::link(QDir::cleanPath(construidos.filePath(QStringLiteral("../lib"))), carpetaLib))
        return false;
    for (const QString& biblioteca : bibliotecas) {
        const QString archivo = addins::HostComplementos::ArchivoBiblioteca(biblioteca);
        QFile::remove(destino.filePath(archivo));
        if (!QFile::copy(construidos.filePath(archivo), destino.filePath(archivo)))
            return false;
    }
    return true;
}

QStringList ComplementosBuscados()
{
    QStringList bibliotecas;
    for (const addins::DefinicionComplemento& definicion : addins::DefinicionComplemento::Buscados())
        bibliotecas << QString::fromLatin1(definicion.biblioteca);
    return bibliotecas;
}

} // namespace dobles
