#pragma once

#include "platform/db/Connection.h"
#include "support/QtPrinters.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <initializer_list>

namespace testsupport {

// A fresh database file, made by the database layer in a temporary folder of
// its own and open read-write in `con`. Folder and file go with the object.
// Tests that need several databases or a database for part of a test hold
// one or more as members or locals; a suite whose every test works on one
// database derives from TempDatabaseTest instead.
class TempDatabase {
public:
    // `fileName` is created in the folder; a non-empty `password` protects it.
    explicit TempDatabase(const QString& fileName = QStringLiteral("Duzediv.mdb"), const QString& password = QString());
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    // The database file, another file of the same folder, the folder.
    const QString& path() const { return m_path; }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }
    QString folder() const { return m_folder.path(); }
    const QString& password() const { return m_password; }

    // The connection string the program writes for this file, with the
    // database's own password or `password`.
    QString connectionString() const { return connectionString(m_password); }
    QString connectionString(const QString& password) const;
    // Opens `con` again, after a test closed it to work on the file.
    void reopen();

    // Statements that must succeed, in order.
    void exec(std::initializer_list<const char*> statements);
    // The first value of the first row; a query without rows fails the test
    // with an exception rather than comparing a made-up value.
    db::Value scalar(const QString& sql);
    // The first value of every row as text, Null as "<null>" (so that a Null
    // is never taken for an empty text).
    QStringList column(const QString& sql);

private:
    // Declared before `con`, so the file is closed before its folder goes.
    QTemporaryDir m_folder;
    QString m_path;
    QString m_password;

public:
    db::Connection con;
};

// TempDatabase as the GoogleTest fixture of a suite; a suite that wants
// another file name or a password passes them to this constructor.
class TempDatabaseTest : public ::testing::Test, protected TempDatabase {
protected:
    using TempDatabase::TempDatabase;
};

} // namespace testsupport
