// Data links name their database by file name, relative to the program
// folder, so a copied or moved folder works on its own databases.

#include "ArranqueFixture.h"

#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every file of `origen`, sub-folders included, copied into `destino`.
void CopiarCarpeta(const QString& origen, const QString& destino)
{
    const QDir desde(origen);
    QDirIterator it(origen, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString archivo = it.next();
        const QString copia = QDir(destino).filePath(desde.relativeFilePath(archivo));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(copia).path()));
        ASSERT_TRUE(QFile::copy(archivo, copia)) << archivo.toStdString();
    }
}

} // namespace

TEST_F(ArranqueTest, UnaCarpetaCopiadaTrabajaConSusPropiasBases)
{
    QTemporaryDir copia;
    ASSERT_TRUE(copia.isValid());
    CopiarCarpeta(carpeta.path(), copia.path());
    QMap<QString, QByteArray> originales;
    for (const char* base : {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb"})
        originales.insert(QString::fromLatin1(base), Huella(carpeta.file(QString::fromLatin1(base))));
    const testsupport::ScopedEnv programa("DUZEDIV_APP_PATH", QFile::encodeName(copia.path()));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    const QDir destino(copia.path());
    EXPECT_EQ(app.den.conLocal.Property(QStringLiteral("Data Source")), destino.filePath(QStringLiteral("Duzediv.mdb")));
    EXPECT_EQ(app.den.conInformes.Property(QStringLiteral("Data Source")),
              destino.filePath(QStringLiteral("Informes.mdb")));
    EXPECT_EQ(app.den.conContabilidad.Property(QStringLiteral("Data Source")),
              destino.filePath(QStringLiteral("Contabilidad.mdb")));
    // The original folder is neither written nor locked by the copy's program.
    for (auto it = originales.cbegin(); it != originales.cend(); ++it)
        EXPECT_EQ(Huella(carpeta.file(it.key())), it.value()) << it.key().toStdString();
    EXPECT_TRUE(QDir(carpeta.path()).entryList({QStringLiteral("Bloqueos*")}).isEmpty());
    EXPECT_FALSE(destino.entryList({QStringLiteral("Bloqueos*")}).isEmpty());
}
