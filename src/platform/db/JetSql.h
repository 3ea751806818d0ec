#pragma once

#include <QString>
#include <string>

namespace db {

// What a translated Jet statement is, which decides how the connection runs it.
enum class JetStatementKind {
    Query,       // returns rows
    Command,     // INSERT / UPDATE / DELETE and other statements without rows
    CreateTable, // Jet DDL, run by JetDdl against the schema
    AlterTable,
    DropTable,
    CreateIndex,
    DropIndex,
};

struct JetTranslation {
    JetStatementKind kind = JetStatementKind::Command;
    std::string sql; // SQLite text (empty for the DDL kinds)
};

// Turns the Jet SQL text that the system stores and builds into SQLite SQL:
// "..." literals become '...', DELETE * FROM, True/False, & and text +,
// TOP n, DISTINCTROW, #dates#, the Jet functions (renamed to their jet_
// implementations), multi-table UPDATE, trailing ";". DDL is only classified
// here; JetDdl parses and runs it. Results are cached by text.
JetTranslation TranslateJet(const QString& jetSql);

// The same without the cache (benchmarks).
JetTranslation TranslateJetNoCache(const QString& jetSql);

// The SQLite text of a DML or query statement; throws vb::VbError for DDL.
std::string TranslateJetSql(const QString& jetSql);

// Name of the collation put on every text column and text literal.
inline constexpr const char* kJetCollation = "JET";

} // namespace db
