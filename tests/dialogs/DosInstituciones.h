#pragma once

#include "TempProgramFolder.h"

#include "platform/db/Connection.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <initializer_list>

// Two institutions in a program folder's parish database: A (id 1), the
// one removed, and B (id 2), whose data must come through untouched, with
// what ties them together. Every row carries a fixed id, so a test names
// exactly the rows it expects to remain.
//
// Persons (Padron):
//   10 donor of A only (two donations, accounts 100 of its own and 102
//      shared with 17, an accounting link of A, birth details)
//   11 donor of A and B (account 101, an accounting link of B)
//   12 census member of A (every kind of detail, a row in Institucion_Padron)
//   13 census member of A and collaborator in a group of A
//   14 collaborator in groups of A and of B
//   15 collaborator in a group of A only
//   16 census member of B
//   17 donor of B (account 102)
//   18 donor of A and census member of B
//   19 gave to A but has no type at all
// Remittances: 300 holds receipts of A and B, 301 of A only, 302 of B only
// (its stored totals deliberately not the sums of its receipts).
// Accounts: 103 only A's, 104 A's and B's; the institution links 1000,
// 1001 (A) and 1002 (B).
// Books of each sacrament for A and B; baptism 900 (A) and 901 (B) share
// the father record 950; 952 is a father record no baptism uses; 902 is a
// request of A, 903 an entry of B's book that came from a request of A,
// 904 a request of B. Marriages 930 (A) and 931 (B); deaths 970 (A) and
// 971 (B); confirmation 920 (A).
// Accounting links of A and B; persons in charge of A and B.
class DosInstitucionesTest : public ::testing::Test {
public:
    static constexpr qint32 kA = 1;
    static constexpr qint32 kB = 2;

    // One table's rows: a key of the row (text) -> the whole row as text.
    using FilasTabla = QMap<QString, QString>;
    using Foto = QMap<QString, FilasTabla>;

    DosInstitucionesTest();
    ~DosInstitucionesTest() override;

    // Statements that must succeed.
    void Ejecutar(std::initializer_list<const char*> sentencias);
    qint64 Contar(const QString& sql);
    // Every row of every table the removal can touch, keyed.
    Foto Fotografiar();
    // The parish database file as it is on disk, and its SHA-256.
    QByteArray Bytes() const;
    QByteArray Huella() const;
    // A statement of the SQLite engine itself (temporary triggers, which
    // leave the file alone); fails the test when SQLite refuses it.
    void Sqlite(const char* sentencia);

    TempProgramFolder carpeta;
    db::Connection conLocal;
    db::Connection conContabilidad;
};
