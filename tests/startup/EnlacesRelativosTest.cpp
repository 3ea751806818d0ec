// Data links name their database by file name, relative to the program
// folder, so a copied or moved folder works on its own databases.

#include "ArranqueFixture.h"
#include "DialogosGuionados.h"

#include "startup/frmEnlaceDatos.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
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

// The editor's "Examinar..." keeps a link relative when the chosen database
// lies in the program folder, so re-linking does not tie the folder to its
// place again.
TEST_F(ArranqueTest, ExaminarEnLaCarpetaDelProgramaDejaElEnlaceRelativo)
{
    QTemporaryDir otra;
    ASSERT_TRUE(otra.isValid());
    const QString fuera = QDir(otra.path()).filePath(QStringLiteral("Duzediv.mdb"));
    ASSERT_TRUE(QFile::copy(carpeta.file(QStringLiteral("Duzediv.mdb")), fuera));
    struct Caso {
        QString elegido;
        QString origen;
    };
    const Caso casos[] = {
        {carpeta.file(QStringLiteral("Duzediv.mdb")), QStringLiteral("Duzediv.mdb")},
        {fuera, fuera},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.elegido.toStdString());
        QString inicio;
        dialogos.Responder<QFileDialog>([&](QFileDialog& selector) {
            inicio = selector.directory().absolutePath();
            selector.selectFile(caso.elegido);
            static_cast<QDialog&>(selector).accept();
        });
        frmEnlaceDatos editor(carpeta.file(QStringLiteral("duzediv.udl")), QStringLiteral("Duzediv.mdb"),
                              [this](QDialog& d) { return dialogos(d); });

        editor.cmdExaminar()->click();

        // A relative data source is looked for in the program folder.
        EXPECT_EQ(QFileInfo(inicio).canonicalFilePath(), QFileInfo(carpeta.path()).canonicalFilePath());
        EXPECT_EQ(editor.OrigenDatos(), caso.origen);
    }
    EXPECT_EQ(dialogos.Pendientes(), 0);
}
