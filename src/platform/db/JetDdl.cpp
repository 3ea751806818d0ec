#include "platform/db/JetDdl.h"

#include "platform/db/DbErrors.h"
#include "platform/db/JetLexer.h"
#include "platform/db/JetTableSchema.h"
#include "platform/db/SqliteStatement.h"

#include <QSet>
#include <sqlite3.h>

namespace db {
namespace {

constexpr const char* kRebuildName = "__duz_nueva";

// Reads Jet DDL tokens.
class DdlParser {
public:
    DdlParser(const QString& sql, long errorNumber) : m_sql(sql), m_error(errorNumber)
    {
        const QByteArray utf8 = sql.toUtf8();
        m_t = JetLexer::lex(std::string_view(utf8.constData(), std::size_t(utf8.size())));
        while (!m_t.empty() && m_t.back().kind == JetToken::Semicolon)
            m_t.pop_back();
    }

    [[noreturn]] void fail() const { Raise(m_error, m_sql); }

    bool atEnd() const { return m_i >= m_t.size(); }
    bool peek(std::string_view kw, std::size_t ahead = 0) const
    {
        return m_i + ahead < m_t.size() && JetLexer::is(m_t[m_i + ahead], kw);
    }
    bool peekKind(JetToken::Kind k) const { return m_i < m_t.size() && m_t[m_i].kind == k; }
    bool accept(std::string_view kw)
    {
        if (!peek(kw))
            return false;
        ++m_i;
        return true;
    }
    void expect(std::string_view kw)
    {
        if (!accept(kw))
            fail();
    }
    bool acceptKind(JetToken::Kind k)
    {
        if (!peekKind(k))
            return false;
        ++m_i;
        return true;
    }
    void expectKind(JetToken::Kind k)
    {
        if (!acceptKind(k))
            fail();
    }
    void expectEnd() const
    {
        if (!atEnd())
            fail();
    }

    QString name()
    {
        if (!peekKind(JetToken::Word) && !peekKind(JetToken::Bracket))
            fail();
        return QString::fromStdString(m_t[m_i++].text);
    }

    int number()
    {
        if (!peekKind(JetToken::Number))
            fail();
        bool ok = false;
        const int n = QString::fromStdString(m_t[m_i++].text).toInt(&ok);
        if (!ok)
            fail();
        return n;
    }

    QStringList nameList()
    {
        QStringList names;
        expectKind(JetToken::LParen);
        do {
            names << name();
            if (!accept("ASC"))
                accept("DESC");
        } while (acceptKind(JetToken::Comma));
        expectKind(JetToken::RParen);
        return names;
    }

    // DEFAULT values: texts, numbers, True/False, Null and #dates#.
    QString literal()
    {
        if (atEnd())
            fail();
        const JetToken& t = m_t[m_i];
        QString sign;
        if (t.kind == JetToken::Symbol && (t.text == "-" || t.text == "+")) {
            sign = QString::fromStdString(t.text);
            ++m_i;
            if (!peekKind(JetToken::Number))
                fail();
            return sign + QString::fromStdString(m_t[m_i++].text);
        }
        ++m_i;
        switch (t.kind) {
        case JetToken::String: {
            QString v = QString::fromStdString(t.text);
            v.replace(u'\'', QLatin1String("''"));
            return u'\'' + v + u'\'';
        }
        case JetToken::Number: return QString::fromStdString(t.text);
        case JetToken::Date: return u'\'' + QString::fromStdString(t.text).trimmed() + u'\'';
        case JetToken::Word:
            if (JetLexer::is(t, "TRUE") || JetLexer::is(t, "YES") || JetLexer::is(t, "ON"))
                return QStringLiteral("-1");
            if (JetLexer::is(t, "FALSE") || JetLexer::is(t, "NO") || JetLexer::is(t, "OFF"))
                return QStringLiteral("0");
            if (JetLexer::is(t, "NULL"))
                return QStringLiteral("NULL");
            break;
        default: break;
        }
        fail();
    }

    // References to other tables are accepted and not enforced.
    void skipReferences()
    {
        name();
        if (peekKind(JetToken::LParen))
            nameList();
        while (accept("ON")) {
            if (!accept("DELETE"))
                expect("UPDATE");
            if (accept("CASCADE"))
                continue;
            if (accept("SET")) {
                expect("NULL");
                continue;
            }
            expect("NO");
            expect("ACTION");
        }
    }

    JetColumnDef column()
    {
        JetColumnDef c;
        c.name = name();
        const QString typeName = name();
        int size = -1;
        if (acceptKind(JetToken::LParen)) {
            size = number();
            if (acceptKind(JetToken::Comma))
                number(); // precision and scale, or seed and increment of a counter
            expectKind(JetToken::RParen);
        }
        c.type = JetTypes::fromDdl(typeName, size);
        if (c.type.cls == JetType::Unknown)
            fail();
        for (;;) {
            if (accept("NULL"))
                continue;
            if (peek("NOT") && peek("NULL", 1)) {
                m_i += 2;
                c.notNull = true;
                continue;
            }
            if (accept("DEFAULT")) {
                c.defaultSql = literal();
                continue;
            }
            if (accept("WITH")) {
                if (!accept("COMPRESSION"))
                    expect("COMP");
                continue;
            }
            if (accept("CONSTRAINT"))
                name();
            if (accept("PRIMARY")) {
                expect("KEY");
                c.primaryKey = true;
                continue;
            }
            if (accept("UNIQUE")) {
                c.unique = true;
                continue;
            }
            if (accept("REFERENCES")) {
                skipReferences();
                continue;
            }
            break;
        }
        return c;
    }

private:
    QString m_sql;
    long m_error;
    std::vector<JetToken> m_t;
    std::size_t m_i = 0;
};

// Savepoint that undoes the statement unless released.
class DdlSavepoint {
public:
    explicit DdlSavepoint(sqlite3* db) : m_db(db) { SqliteStatement::exec(db, QStringLiteral("SAVEPOINT duz_ddl")); }
    ~DdlSavepoint()
    {
        if (m_open) {
            sqlite3_exec(m_db, "ROLLBACK TO duz_ddl", nullptr, nullptr, nullptr);
            sqlite3_exec(m_db, "RELEASE duz_ddl", nullptr, nullptr, nullptr);
        }
    }
    void release()
    {
        SqliteStatement::exec(m_db, QStringLiteral("RELEASE duz_ddl"));
        m_open = false;
    }

private:
    sqlite3* m_db;
    bool m_open = true;
};

QString indexName(const QString& table, const QString& name) { return table + u'_' + name; }

void createIndex(sqlite3* db, const QString& table, const QString& name, const QStringList& columns, bool unique,
                 bool ifNotExists = false)
{
    QStringList quoted;
    for (const QString& c : columns)
        quoted << JetTableSchema::quote(c);
    SqliteStatement::exec(db, QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
                                  .arg(unique ? QStringLiteral("UNIQUE ") : QString(),
                                       ifNotExists ? QStringLiteral("IF NOT EXISTS ") : QString(),
                                       JetTableSchema::quote(indexName(table, name)), JetTableSchema::quote(table),
                                       quoted.join(QLatin1String(", "))));
}

struct IndexInfo {
    QString name;
    QString sql;
    QStringList columns;
};

std::vector<IndexInfo> readIndexes(sqlite3* db, const QString& table)
{
    std::vector<IndexInfo> out;
    SqliteStatement st(db, "SELECT name, sql FROM sqlite_master WHERE type='index' AND tbl_name=? COLLATE NOCASE AND sql IS NOT NULL");
    st.bind(1, table);
    while (st.step())
        out.push_back({st.text(0), st.text(1), {}});
    for (IndexInfo& i : out) {
        SqliteStatement cols(db, "SELECT name FROM pragma_index_info(?)");
        cols.bind(1, i.name);
        while (cols.step())
            i.columns << cols.text(0);
    }
    return out;
}

bool hasRows(sqlite3* db, const QString& table)
{
    SqliteStatement st(db, QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(JetTableSchema::quote(table)));
    return st.step();
}

std::optional<qint64> sequenceOf(sqlite3* db, const QString& table)
{
    if (!JetTableSchema::tableExists(db, QStringLiteral("sqlite_sequence")))
        return std::nullopt;
    SqliteStatement st(db, "SELECT seq FROM sqlite_sequence WHERE name=? COLLATE NOCASE");
    st.bind(1, table);
    if (!st.step())
        return std::nullopt;
    return st.integer(0);
}

// Renames without checking the other tables' triggers and views, for as
// long as it lives.
class LegacyRename {
public:
    explicit LegacyRename(sqlite3* db) : m_db(db)
    {
        SqliteStatement st(db, "PRAGMA legacy_alter_table");
        m_was = st.step() && st.integer(0) != 0;
        if (!m_was)
            SqliteStatement::exec(db, QStringLiteral("PRAGMA legacy_alter_table=ON"));
    }
    ~LegacyRename()
    {
        if (!m_was)
            sqlite3_exec(m_db, "PRAGMA legacy_alter_table=OFF", nullptr, nullptr, nullptr);
    }
    LegacyRename(const LegacyRename&) = delete;
    LegacyRename& operator=(const LegacyRename&) = delete;

private:
    sqlite3* m_db;
    bool m_was = false;
};

// Copies the table into the new layout and swaps it in. `sources` names, for
// each new column, the old column it takes its values from (empty: none);
// `retyped` holds the (upper-case) names of columns whose type changed.
void rebuild(sqlite3* db, const JetTableSchema& before, const JetTableSchema& after, const QStringList& sources,
             const QSet<QString>& retyped)
{
    const std::vector<IndexInfo> indexes = readIndexes(db, before.table);
    for (const IndexInfo& i : indexes)
        for (const QString& c : i.columns)
            if (after.indexOf(c) < 0)
                Raise(err::FieldInIndex);
    const std::optional<qint64> sequence = sequenceOf(db, before.table);

    SqliteStatement::exec(db, after.createSql(QLatin1String(kRebuildName)));
    QStringList to, from;
    for (std::size_t i = 0; i < after.columns.size(); ++i) {
        if (sources.at(qsizetype(i)).isEmpty())
            continue;
        to << JetTableSchema::quote(after.columns[i].name);
        from << JetTableSchema::quote(sources.at(qsizetype(i)));
    }
    if (!to.isEmpty())
        SqliteStatement::exec(db, QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4")
                                      .arg(JetTableSchema::quote(QLatin1String(kRebuildName)), to.join(QLatin1String(", ")),
                                           from.join(QLatin1String(", ")), JetTableSchema::quote(before.table)));

    // A value the new numeric type cannot hold fails the change, as in Jet.
    for (const JetColumnDef& c : after.columns) {
        if (!retyped.contains(c.name.toUpper()) || !c.type.isNumeric())
            continue;
        SqliteStatement bad(db, QStringLiteral("SELECT 1 FROM %1 WHERE typeof(%2) NOT IN ('integer', 'real', 'null') LIMIT 1")
                                    .arg(JetTableSchema::quote(QLatin1String(kRebuildName)), JetTableSchema::quote(c.name)));
        if (bad.step())
            Raise(err::ConversionError);
    }

    SqliteStatement::exec(db, QStringLiteral("DROP TABLE %1").arg(JetTableSchema::quote(before.table)));
    {
        // The copy takes the old name, so a trigger or view of another table
        // that names this one is right again afterwards; SQLite's own check
        // of them would fail the rename while the name is missing.
        LegacyRename legacy(db);
        SqliteStatement::exec(db, QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                                      .arg(JetTableSchema::quote(QLatin1String(kRebuildName)),
                                           JetTableSchema::quote(before.table)));
    }
    for (const IndexInfo& i : indexes)
        SqliteStatement::exec(db, i.sql);
    JetTableSchema renamed = after;
    renamed.table = before.table;
    renamed.refreshYesNoTriggers(db);

    // The counter goes on from where it was; only compaction restarts it.
    if (sequence) {
        SqliteStatement upd(db, "UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?");
        upd.bind(1, *sequence);
        upd.bind(2, before.table);
        upd.step();
        if (sqlite3_changes(db) == 0) {
            SqliteStatement ins(db, "INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)");
            ins.bind(1, before.table);
            ins.bind(2, *sequence);
            ins.step();
        }
    }
}

QStringList sameColumns(const JetTableSchema& s)
{
    QStringList names;
    for (const auto& c : s.columns)
        names << c.name;
    return names;
}

void createTable(sqlite3* db, const QString& sql)
{
    DdlParser p(sql, err::DdlSyntaxError);
    p.expect("CREATE");
    p.expect("TABLE");
    JetTableSchema s;
    s.table = p.name();
    std::vector<std::pair<QString, QStringList>> uniques;
    if (p.acceptKind(JetToken::LParen)) {
        do {
            QString constraintName;
            if (p.accept("CONSTRAINT"))
                constraintName = p.name();
            if (p.accept("PRIMARY")) {
                p.expect("KEY");
                for (const QString& c : p.nameList()) {
                    const int i = s.indexOf(c);
                    if (i < 0)
                        p.fail();
                    s.columns[std::size_t(i)].primaryKey = true;
                }
            } else if (p.accept("UNIQUE")) {
                uniques.emplace_back(constraintName.isEmpty() ? QStringLiteral("unico%1").arg(uniques.size()) : constraintName, p.nameList());
            } else if (p.accept("FOREIGN")) {
                p.expect("KEY");
                p.nameList();
                p.expect("REFERENCES");
                p.skipReferences();
            } else {
                if (!constraintName.isEmpty())
                    p.fail();
                JetColumnDef c = p.column();
                if (s.indexOf(c.name) >= 0)
                    Raise(err::FieldAlreadyExists, c.name, s.table);
                if (c.unique)
                    uniques.emplace_back(c.name, QStringList{c.name});
                s.columns.push_back(std::move(c));
            }
        } while (p.acceptKind(JetToken::Comma));
        p.expectKind(JetToken::RParen);
    }
    p.expectEnd();

    if (JetTableSchema::tableExists(db, s.table))
        Raise(err::TableAlreadyExists, s.table);
    int counters = 0;
    for (const auto& c : s.columns)
        counters += c.type.cls == JetType::Counter ? 1 : 0;
    if (counters > 1)
        p.fail();
    for (auto& c : s.columns)
        if (c.type.cls == JetType::Counter && s.hasPrimaryKey() && !c.primaryKey)
            p.fail();

    DdlSavepoint sp(db);
    SqliteStatement::exec(db, s.createSql(s.table));
    for (const auto& [name, cols] : uniques)
        createIndex(db, s.table, name, cols, true);
    s.refreshYesNoTriggers(db);
    sp.release();
}

void addColumn(sqlite3* db, const JetTableSchema& s, JetColumnDef c)
{
    if (s.indexOf(c.name) >= 0)
        Raise(err::FieldAlreadyExists, c.name, s.table);
    const bool keyed = c.primaryKey || c.type.cls == JetType::Counter;
    if (keyed && s.hasPrimaryKey())
        Raise(3283);
    if (c.type.cls == JetType::Counter)
        c.primaryKey = true;

    if (!keyed && !c.notNull && !s.isPlaceholderOnly()) {
        const bool rows = hasRows(db, s.table);
        SqliteStatement::exec(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                      .arg(JetTableSchema::quote(s.table), JetTableSchema::columnSql(c, true)));
        // Jet gives rows that already exist no value; the default is for new rows.
        if (rows && c.defaultSql)
            SqliteStatement::exec(db, QStringLiteral("UPDATE %1 SET %2 = NULL").arg(JetTableSchema::quote(s.table), JetTableSchema::quote(c.name)));
        // A rebuild refreshes the Yes/No triggers itself; an added column must join them.
        JetTableSchema::read(db, s.table).refreshYesNoTriggers(db);
    } else {
        JetTableSchema after = s;
        QStringList sources = sameColumns(s);
        if (after.isPlaceholderOnly()) {
            after.columns.clear();
            sources.clear();
        }
        after.columns.push_back(c);
        sources << QString();
        rebuild(db, s, after, sources, {});
    }
    if (c.unique)
        createIndex(db, s.table, c.name, {c.name}, true);
}

bool hasIndex(sqlite3* db, const QString& name)
{
    SqliteStatement st(db, "SELECT 1 FROM sqlite_master WHERE type='index' AND name=? COLLATE NOCASE");
    st.bind(1, name);
    return st.step();
}

// A key column is never Null whether or not its declaration says so.
bool requiresValue(const JetColumnDef& c) { return c.notNull || c.primaryKey; }

bool sameDeclaration(const JetColumnDef& now, const JetColumnDef& wanted)
{
    return now.type.cls == wanted.type.cls && now.type.decl.compare(wanted.type.decl, Qt::CaseInsensitive) == 0
        && now.type.width == wanted.type.width && now.primaryKey == wanted.primaryKey
        && requiresValue(now) == requiresValue(wanted) && now.defaultSql == wanted.defaultSql;
}

void alterColumn(sqlite3* db, const JetTableSchema& s, JetColumnDef c)
{
    const int i = s.indexOf(c.name);
    if (i < 0)
        Raise(err::ItemNotFound);
    if (c.type.cls == JetType::Counter)
        c.primaryKey = true;
    for (std::size_t k = 0; k < s.columns.size(); ++k)
        if (int(k) != i && s.columns[k].primaryKey && c.primaryKey)
            Raise(3283);
    c.name = s.columns[std::size_t(i)].name;
    // The upgrades restate columns that are already right on every start; a
    // change that changes nothing must not rewrite the table nor wait for the
    // write lock another workstation holds.
    if (sameDeclaration(s.columns[std::size_t(i)], c)) {
        if (c.unique && !hasIndex(db, indexName(s.table, c.name)))
            createIndex(db, s.table, c.name, {c.name}, true);
        return;
    }
    JetTableSchema after = s;
    const bool retyped = s.columns[std::size_t(i)].type.decl != c.type.decl;
    after.columns[std::size_t(i)] = c;
    QSet<QString> changed;
    if (retyped)
        changed.insert(c.name.toUpper());
    rebuild(db, s, after, sameColumns(s), changed);
    if (c.unique)
        createIndex(db, s.table, c.name, {c.name}, true, true);
}

void dropColumn(sqlite3* db, const JetTableSchema& s, const QString& column)
{
    const int i = s.indexOf(column);
    if (i < 0)
        Raise(err::ItemNotFound);
    if (s.columns[std::size_t(i)].primaryKey)
        Raise(err::FieldInIndex);
    JetTableSchema after = s;
    after.columns.erase(after.columns.begin() + i);
    QStringList sources = sameColumns(s);
    sources.removeAt(i);
    rebuild(db, s, after, sources, {});
}

void alterTable(sqlite3* db, const QString& sql)
{
    DdlParser p(sql, err::AlterSyntaxError);
    p.expect("ALTER");
    p.expect("TABLE");
    const QString table = p.name();
    JetTableSchema s = JetTableSchema::read(db, table);
    DdlSavepoint sp(db);
    if (p.accept("ADD")) {
        if (p.peek("CONSTRAINT") || p.peek("PRIMARY") || p.peek("UNIQUE") || p.peek("FOREIGN"))
            p.fail();
        p.accept("COLUMN");
        JetColumnDef c = p.column();
        p.expectEnd();
        addColumn(db, s, std::move(c));
    } else if (p.accept("ALTER")) {
        p.accept("COLUMN");
        JetColumnDef c = p.column();
        p.expectEnd();
        alterColumn(db, s, std::move(c));
    } else if (p.accept("DROP")) {
        if (p.accept("CONSTRAINT")) {
            const QString name = p.name();
            p.expectEnd();
            SqliteStatement::exec(db, QStringLiteral("DROP INDEX %1").arg(JetTableSchema::quote(indexName(s.table, name))));
        } else {
            p.accept("COLUMN");
            const QString column = p.name();
            p.expectEnd();
            dropColumn(db, s, column);
        }
    } else {
        p.fail();
    }
    sp.release();
}

void dropTable(sqlite3* db, const QString& sql)
{
    DdlParser p(sql, err::SyntaxError);
    p.expect("DROP");
    p.expect("TABLE");
    const QString table = p.name();
    p.expectEnd();
    if (!JetTableSchema::tableExists(db, table))
        Raise(err::TableDoesNotExist, table);
    SqliteStatement::exec(db, QStringLiteral("DROP TABLE %1").arg(JetTableSchema::quote(table)));
}

void createIndexStatement(sqlite3* db, const QString& sql)
{
    DdlParser p(sql, err::SyntaxError);
    p.expect("CREATE");
    const bool unique = p.accept("UNIQUE");
    p.expect("INDEX");
    const QString name = p.name();
    p.expect("ON");
    const QString table = p.name();
    const QStringList columns = p.nameList();
    bool uniqueIndex = unique;
    if (p.accept("WITH")) {
        // PRIMARY and DISALLOW NULL make the key unique and required; the
        // key stays an index of its own rather than a rebuilt primary key.
        if (p.accept("PRIMARY"))
            uniqueIndex = true;
        else if (p.accept("DISALLOW") || p.accept("IGNORE"))
            p.expect("NULL");
        else
            p.fail();
    }
    p.expectEnd();
    const JetTableSchema s = JetTableSchema::read(db, table);
    for (const QString& c : columns)
        if (s.indexOf(c) < 0)
            Raise(err::ItemNotFound);
    createIndex(db, s.table, name, columns, uniqueIndex);
}

void dropIndexStatement(sqlite3* db, const QString& sql)
{
    DdlParser p(sql, err::SyntaxError);
    p.expect("DROP");
    p.expect("INDEX");
    const QString name = p.name();
    p.expect("ON");
    const QString table = p.name();
    p.expectEnd();
    const JetTableSchema s = JetTableSchema::read(db, table);
    SqliteStatement::exec(db, QStringLiteral("DROP INDEX %1").arg(JetTableSchema::quote(indexName(s.table, name))));
}

} // namespace

void JetDdl::execute(sqlite3* db, const QString& jetSql, JetStatementKind kind)
{
    switch (kind) {
    case JetStatementKind::CreateTable: createTable(db, jetSql); break;
    case JetStatementKind::AlterTable: alterTable(db, jetSql); break;
    case JetStatementKind::DropTable: dropTable(db, jetSql); break;
    case JetStatementKind::CreateIndex: createIndexStatement(db, jetSql); break;
    case JetStatementKind::DropIndex: dropIndexStatement(db, jetSql); break;
    default: Raise(err::SyntaxError, jetSql);
    }
}

} // namespace db
