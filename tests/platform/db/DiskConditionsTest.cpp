// Conditions of the computer that stop a write: a full disk, a folder or a
// file that may not be written. Each has its own error, whose text names the
// file or folder and says what the user can do, and the file is left as it
// was.

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/vb/VbError.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Hash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

struct Failure {
    long number = 0;
    QString text;
};

template <typename Call>
Failure FailureOf(Call&& call)
{
    try {
        call();
    } catch (const vb::VbError& e) {
        return {e.number(), e.description()};
    }
    return {};
}

// Puts a path's permissions back however the test ends, so the temporary
// folder can be removed.
class Permissions {
public:
    Permissions(const QString& path, mode_t mode) : m_path(QFile::encodeName(path))
    {
        struct stat st {};
        ::stat(m_path.constData(), &st);
        m_saved = st.st_mode & 07777;
        m_ok = ::chmod(m_path.constData(), mode) == 0;
    }
    ~Permissions() { ::chmod(m_path.constData(), m_saved); }
    Permissions(const Permissions&) = delete;
    Permissions& operator=(const Permissions&) = delete;
    bool ok() const { return m_ok; }

private:
    QByteArray m_path;
    mode_t m_saved = 0;
    bool m_ok = false;
};

class DiskConditionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("Duzediv.mdb"));
        db::CreateDatabase(m_file);
        db::Connection con;
        con.Open(ConnectionString());
        con.Execute(QStringLiteral("CREATE TABLE Nota (IDNota COUNTER PRIMARY KEY, Texto MEMO)"));
        con.Execute(QStringLiteral("INSERT INTO Nota (Texto) VALUES ('Bautismo de Ana')"));
    }

    QString ConnectionString() const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_file;
    }

    // Writes that each need room and a journal: a statement on its own, and
    // a transaction of several.
    static void WriteAlone(db::Connection& con)
    {
        con.Exec(QStringLiteral("INSERT INTO Nota (Texto) VALUES (?)"), {db::Value(QString(200000, u'x'))});
    }
    static void WriteInTransaction(db::Connection& con)
    {
        con.BeginTrans();
        try {
            con.Exec(QStringLiteral("UPDATE Nota SET Texto = 'Bautismo de Eva'"));
            WriteAlone(con);
            con.CommitTrans();
        } catch (...) {
            con.RollbackTrans();
            throw;
        }
    }

    QTemporaryDir m_dir;
    QString m_file;
};

// A disk that is full at the file's present size: SQLite may not give the
// file one more page (PRAGMA max_page_count cannot go below the pages the
// file has, so 1 means "no more than now"). Deterministic, without a small
// file system.
TEST_F(DiskConditionsTest, AFullDiskNamesTheFileAndTheWayOut)
{
    for (const auto& write : {&WriteAlone, &WriteInTransaction}) {
        const QByteArray before = Hash(m_file);
        db::Connection con;
        con.Open(ConnectionString());
        ASSERT_EQ(sqlite3_exec(con.handle(), "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr), SQLITE_OK);

        const Failure failure = FailureOf([&] { write(con); });
        con.Close();

        EXPECT_EQ(failure.number, db::err::DiskFull);
        EXPECT_EQ(failure.text,
                  QStringLiteral("No queda espacio en el disco para guardar los cambios en 'Duzediv.mdb', y no se han "
                                 "guardado. Libere espacio en el disco de la carpeta '%1' (borre los archivos que ya "
                                 "no necesite, por ejemplo copias de seguridad antiguas) y vuelva a intentarlo.")
                      .arg(QFileInfo(m_file).absolutePath()));
        EXPECT_TRUE(db::err::IsConditionOfTheComputer(failure.number));
        EXPECT_EQ(Hash(m_file), before);
        EXPECT_FALSE(QFile::exists(m_file + QStringLiteral("-journal")));
    }
}

TEST_F(DiskConditionsTest, AReadOnlyFolderOrFileIsNamedAsSuch)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes in read-only folders and files";
    const QString folder = QFileInfo(m_file).absolutePath();
    struct Case {
        const char* name;
        QString path;
        mode_t mode;
        QString text;
    };
    const Case cases[] = {
        {"folder", folder, 0555,
         QStringLiteral("No se pueden guardar los cambios en 'Duzediv.mdb' porque la carpeta '%1' es de sólo lectura. "
                        "Pida permiso de escritura en esa carpeta al administrador del equipo, o copie los datos a "
                        "una carpeta en la que pueda escribir, y vuelva a intentarlo.")
             .arg(folder)},
        {"file", m_file, 0444,
         QStringLiteral("No se pueden guardar los cambios porque el archivo '%1' es de sólo lectura. Quite el "
                        "atributo de sólo lectura del archivo o pida permiso de escritura al administrador del "
                        "equipo, y vuelva a intentarlo.")
             .arg(m_file)},
    };
    for (const Case& c : cases) {
        for (const auto& write : {&WriteAlone, &WriteInTransaction}) {
            SCOPED_TRACE(c.name);
            const QByteArray before = Hash(m_file);
            const Permissions readOnly(c.path, c.mode);
            ASSERT_TRUE(readOnly.ok());
            db::Connection con;
            con.Open(ConnectionString());

            const Failure failure = FailureOf([&] { write(con); });
            con.Close();

            EXPECT_EQ(failure.number, db::err::NoWriteAccess);
            EXPECT_EQ(failure.text, c.text);
            EXPECT_TRUE(db::err::IsConditionOfTheComputer(failure.number));
            EXPECT_EQ(Hash(m_file), before);
        }
    }
}

// A connection opened read-only on purpose keeps Jet's plain error: nothing
// on the disk is wrong.
TEST_F(DiskConditionsTest, AConnectionOpenedReadOnlyKeepsItsOwnError)
{
    db::Connection con;
    con.Open(ConnectionString(), true);
    const Failure failure = FailureOf([&] { WriteAlone(con); });
    EXPECT_EQ(failure.number, db::err::ReadOnly);
    EXPECT_FALSE(db::err::IsConditionOfTheComputer(failure.number));
}

} // namespace
