#include "platform/db/JetTableSchema.h"

#include "platform/db/DbErrors.h"
#include "platform/db/JetSql.h"
#include "platform/db/SqliteStatement.h"

#include <sqlite3.h>

namespace db {

QString JetTableSchema::quote(const QString& name)
{
    return u'[' + name + u']';
}

bool JetTableSchema::tableExists(sqlite3* db, const QString& table)
{
    SqliteStatement st(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
    st.bind(1, table);
    return st.step();
}

JetTableSchema JetTableSchema::read(sqlite3* db, const QString& table)
{
    SqliteStatement master(db, "SELECT name, sql FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
    master.bind(1, table);
    if (!master.step())
        Raise(err::TableNotFound, table);
    JetTableSchema s;
    s.table = master.text(0);
    const bool autoincrement = master.text(1).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);

    SqliteStatement info(db, "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?)");
    info.bind(1, s.table);
    int pkCount = 0;
    while (info.step()) {
        JetColumnDef c;
        c.name = info.text(0);
        c.type = JetTypes::fromDecl(info.text(1));
        c.notNull = info.integer(2) != 0;
        if (!info.isNull(3))
            c.defaultSql = info.text(3);
        c.primaryKey = info.integer(4) != 0;
        pkCount += c.primaryKey ? 1 : 0;
        s.columns.push_back(std::move(c));
    }
    for (JetColumnDef& c : s.columns)
        if (c.primaryKey && pkCount == 1 && autoincrement && c.type.cls == JetType::Integer
            && c.type.decl.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            c.type = JetTypes::fromDdl(QStringLiteral("COUNTER"));
    return s;
}

int JetTableSchema::indexOf(const QString& column) const
{
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

bool JetTableSchema::hasPrimaryKey() const
{
    for (const auto& c : columns)
        if (c.primaryKey)
            return true;
    return false;
}

bool JetTableSchema::isPlaceholderOnly() const
{
    return columns.size() == 1 && columns.front().name == QLatin1String(kPlaceholderColumn);
}

QString JetTableSchema::columnSql(const JetColumnDef& c, bool singlePrimaryKey)
{
    QString sql = quote(c.name) + u' ' + c.type.decl;
    if (c.type.cls == JetType::Counter) {
        sql += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
    } else {
        if (c.primaryKey && singlePrimaryKey)
            sql += QLatin1String(" PRIMARY KEY");
        if (c.notNull || c.primaryKey)
            sql += QLatin1String(" NOT NULL");
    }
    if (c.defaultSql)
        sql += QLatin1String(" DEFAULT ") + *c.defaultSql;
    if (c.type.isText())
        sql += QLatin1String(" COLLATE ") + QLatin1String(kJetCollation);
    if (c.type.cls == JetType::Text && c.type.width > 0)
        sql += QStringLiteral(" CHECK (length(%1) <= %2)").arg(quote(c.name)).arg(c.type.width);
    return sql;
}

QString JetTableSchema::createSql(const QString& asName) const
{
    QStringList keys;
    for (const auto& c : columns)
        if (c.primaryKey && c.type.cls != JetType::Counter)
            keys << quote(c.name);
    const bool single = keys.size() == 1;
    QStringList defs;
    for (const auto& c : columns)
        defs << columnSql(c, single);
    if (keys.size() > 1)
        defs << QStringLiteral("PRIMARY KEY (%1)").arg(keys.join(QLatin1String(", ")));
    if (defs.isEmpty())
        defs << quote(QLatin1String(kPlaceholderColumn)) + QLatin1String(" INTEGER");
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quote(asName), defs.join(QLatin1String(", ")));
}

void JetTableSchema::refreshYesNoTriggers(sqlite3* db) const
{
    const QString insertName = QStringLiteral("__duz_sino_ins_") + table;
    const QString updateName = QStringLiteral("__duz_sino_upd_") + table;
    SqliteStatement::exec(db, QStringLiteral("DROP TRIGGER IF EXISTS ") + quote(insertName));
    SqliteStatement::exec(db, QStringLiteral("DROP TRIGGER IF EXISTS ") + quote(updateName));

    QStringList names, when, sets;
    for (const auto& c : columns) {
        if (c.type.cls != JetType::Boolean)
            continue;
        const QString q = quote(c.name);
        names << q;
        when << QStringLiteral("NEW.%1 NOT IN (0, -1)").arg(q);
        sets << QStringLiteral("%1 = CASE WHEN %1 IS NULL THEN NULL WHEN %1 = 0 THEN 0 ELSE -1 END").arg(q);
    }
    if (names.isEmpty())
        return;
    const QString body = QStringLiteral(" WHEN %1 BEGIN UPDATE %2 SET %3 WHERE rowid = NEW.rowid; END")
                             .arg(when.join(QLatin1String(" OR ")), quote(table), sets.join(QLatin1String(", ")));
    SqliteStatement::exec(db, QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2").arg(quote(insertName), quote(table)) + body);
    SqliteStatement::exec(db, QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE OF %2 ON %3")
                                  .arg(quote(updateName), names.join(QLatin1String(", ")), quote(table)) + body);
}

} // namespace db
