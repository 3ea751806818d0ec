#include "support/TempDatabase.h"

#include "platform/db/DatabaseFiles.h"

#include <stdexcept>

namespace testsupport {

TempDatabase::TempDatabase(const QString& fileName, const QString& password)
    : m_path(m_folder.filePath(fileName))
    , m_password(password)
{
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder: " + m_folder.errorString().toStdString());
    db::CreateDatabase(m_path, m_password);
    reopen();
}

QString TempDatabase::connectionString(const QString& password) const
{
    // The blank before one ";" is as hand-edited data links have it: the
    // layer reads properties trimmed.
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False ;"
                          "Jet OLEDB:Database Password=%2")
        .arg(m_path, password);
}

void TempDatabase::reopen() { con.Open(connectionString()); }

void TempDatabase::exec(std::initializer_list<const char*> statements)
{
    for (const char* statement : statements)
        con.Execute(QString::fromUtf8(statement));
}

db::Value TempDatabase::scalar(const QString& sql)
{
    db::Recordset rs = con.Execute(sql);
    if (rs.EOF_())
        throw std::runtime_error("no row: " + sql.toStdString());
    return rs.value(0);
}

QStringList TempDatabase::column(const QString& sql)
{
    QStringList values;
    for (db::Recordset rs = con.Execute(sql); !rs.EOF_(); rs.MoveNext())
        values << (rs.value(0).isNull() ? QStringLiteral("<null>") : rs.value(0).toString());
    return values;
}

} // namespace testsupport
