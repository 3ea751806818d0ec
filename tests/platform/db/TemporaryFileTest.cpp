#include "platform/db/TemporaryFile.h"
#include "support/PidTerminado.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using db::TemporaryFile;

using testsupport::PidTerminado;

struct Fichero {
    QString nombre;
    qint64 antiguedadSecs;
    bool seBorra;
};

class TemporaryFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void Crear(const Fichero& f)
    {
        QFile fichero(m_dir.filePath(f.nombre));
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly)) << f.nombre.toStdString();
        fichero.write("datos");
        fichero.flush();
        fichero.setFileTime(QDateTime::currentDateTime().addSecs(-f.antiguedadSecs), QFileDevice::FileModificationTime);
    }

    bool Existe(const QString& nombre) const { return QFile::exists(m_dir.filePath(nombre)); }

    QTemporaryDir m_dir;
};

TEST_F(TemporaryFileTest, OnlyTheLeftoversOfEndedProgramsAreRemoved)
{
    const qint64 muerto = PidTerminado();
    ASSERT_GT(muerto, 0);
    const QString deMuerto = TemporaryFile::OwnerTag(muerto);
    const QString deVivo = TemporaryFile::OwnerTag(QCoreApplication::applicationPid());
    const QString deOtroEquipo = QStringLiteral("%1@otroequipo").arg(muerto);
    constexpr qint64 dosHoras = 7200;

    const QList<Fichero> ficheros = {
        // An ended program's copy, compaction and journal.
        {QStringLiteral(".Duzediv.mdb.tmp0123abcd.") + deMuerto, 0, true},
        {QStringLiteral(".Duzediv.mdb.tmp0123abcd.") + deMuerto + QStringLiteral("-journal"), 0, true},
        {QStringLiteral("..Duzediv.mdb.tmp89abcdef.%1.tmp01234567.%1").arg(deMuerto), 0, true},
        // A running program's, and another computer's, whatever their age.
        {QStringLiteral(".Duzediv.mdb.tmp0123abce.") + deVivo, dosHoras, false},
        {QStringLiteral(".Duzediv.mdb.tmp0123abce.") + deVivo + QStringLiteral("-journal"), dosHoras, false},
        {QStringLiteral(".Duzediv.mdb.tmp0123abcf.") + deOtroEquipo, dosHoras, false},
        // Earlier versions named no owner: removed once untouched for an hour.
        {QStringLiteral("..Duzediv.mdb.nueva.tmp1a2b3c4d"), dosHoras, true},
        {QStringLiteral(".Duzediv.mdb.tmp1a2b3c4d"), dosHoras, true},
        {QStringLiteral(".Duzediv.mdb.tmp1a2b3c4d-journal"), dosHoras, true},
        {QStringLiteral(".Contabilidad.mdb.nueva"), dosHoras, true},
        {QStringLiteral(".Contabilidad.mdb.nueva.base"), dosHoras, true},
        {QStringLiteral(".Contabilidad.mdb.tmp5a6b7c8d"), 60, false},
        // The user's files and the live database's journal.
        {QStringLiteral("Duzediv.mdb"), dosHoras, false},
        {QStringLiteral("Duzediv.mdb-journal"), dosHoras, false},
        {QStringLiteral("Duzediv.mdb.tmp0123abcd.") + deMuerto, dosHoras, false},
        {QStringLiteral(".Duzediv.mdb.tmp"), dosHoras, false},
        {QStringLiteral(".Duzediv.mdb.tmpZZZZZZZZ"), dosHoras, false},
        {QStringLiteral(".Duzediv.mdb.tmp0123abcd.txt"), dosHoras, false},
        {QStringLiteral(".notas.txt.nueva"), dosHoras, false},
        {QStringLiteral("notas.tmp12345678"), dosHoras, false},
    };
    for (const Fichero& f : ficheros)
        Crear(f);

    TemporaryFile::RemoveStale(m_dir.path());

    for (const Fichero& f : ficheros)
        EXPECT_EQ(Existe(f.nombre), !f.seBorra) << f.nombre.toStdString();
}

TEST_F(TemporaryFileTest, NamesItsOwnerAndGoesWithItsJournalUnlessKept)
{
    const QString beside = m_dir.filePath(QStringLiteral("Duzediv.mdb"));
    QString usado, guardado;
    {
        TemporaryFile temporal(beside);
        usado = temporal.path();
        Crear({QFileInfo(usado).fileName(), 0, false});
        Crear({QFileInfo(usado).fileName() + QStringLiteral("-journal"), 0, false});
        TemporaryFile::RemoveStale(m_dir.path());
        EXPECT_TRUE(QFile::exists(usado));

        TemporaryFile entregado(beside);
        guardado = entregado.path();
        Crear({QFileInfo(guardado).fileName(), 0, false});
        entregado.keep();
    }
    EXPECT_TRUE(usado.endsWith(TemporaryFile::OwnerTag(QCoreApplication::applicationPid())));
    EXPECT_TRUE(QFileInfo(usado).fileName().startsWith(QStringLiteral(".Duzediv.mdb.tmp")));
    EXPECT_FALSE(QFile::exists(usado));
    EXPECT_FALSE(QFile::exists(usado + QStringLiteral("-journal")));
    EXPECT_TRUE(QFile::exists(guardado));
}

} // namespace
