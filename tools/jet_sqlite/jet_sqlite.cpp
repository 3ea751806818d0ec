#include "platform/db/JetCollation.h"
#include "platform/db/JetSql.h"

#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT1

namespace {

int compareJet(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return db::JetCollation::compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

} // namespace

// Entry point named after the file, as the shell's ".load ./jet_sqlite" expects.
extern "C" __attribute__((visibility("default"))) int
sqlite3_jetsqlite_init(sqlite3* connection, char**, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    return sqlite3_create_collation(connection, db::kJetCollation, SQLITE_UTF8, nullptr, compareJet);
}
