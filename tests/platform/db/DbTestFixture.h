#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dbtest {

// A fresh database file in a temporary folder, opened read-write.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Duzediv.mdb"));
        db::CreateDatabase(path, password);
        con.Open(connectionString());
    }

    QString connectionString(const QString& pw) const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False ;Jet OLEDB:Database Password=%2")
            .arg(path, pw);
    }
    QString connectionString() const { return connectionString(password); }

    // Runs statements that must succeed.
    void exec(std::initializer_list<const char*> statements)
    {
        for (const char* s : statements)
            con.Execute(QString::fromUtf8(s));
    }

    // The single value of a one-row query.
    db::Value scalar(const QString& sql)
    {
        db::Recordset rs = con.Execute(sql);
        if (rs.EOF_())
            throw std::runtime_error("no row: " + sql.toStdString());
        return rs.Fields()[0].Value();
    }
    db::Value scalar(const char* sql) { return scalar(QString::fromUtf8(sql)); }

    QStringList column(const QString& sql)
    {
        QStringList out;
        db::Recordset rs = con.Execute(sql);
        for (; !rs.EOF_(); rs.MoveNext())
            out << rs.Fields()[0].Value().toString();
        return out;
    }

    QTemporaryDir dir;
    QString path;
    QString password = QStringLiteral("clave");
    db::Connection con;
};

using testsupport::ErrorNumberOf;

} // namespace dbtest
