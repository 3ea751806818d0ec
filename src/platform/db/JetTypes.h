#pragma once

#include <QString>

namespace db {

// One Jet column type, as DDL writes it and as SQLite keeps it declared.
struct JetType {
    enum Class { Unknown, Text, Memo, Integer, Counter, Double, Currency, Boolean, Date, Binary, Numeric, Guid };

    Class cls = Unknown;
    // The declared type given to SQLite: the Jet spelling where SQLite's type
    // affinity agrees with it ("NVARCHAR(50)", "CURRENCY", "YESNO"), otherwise
    // a Jet synonym that it does ("MEMO" -> "LONGTEXT"; counters are "INTEGER",
    // the only spelling SQLite numbers by itself).
    QString decl;
    int width = 0;     // enforced width of a text column; 0 = none
    int ado = 0;       // ADO DataTypeEnum
    long size = 0;     // ADO DefinedSize

    bool isText() const { return cls == Text || cls == Memo; }
    bool isNumeric() const { return cls == Integer || cls == Counter || cls == Double || cls == Currency || cls == Boolean || cls == Numeric; }
};

class JetTypes {
public:
    // A Jet DDL type name with its optional size ("NVARCHAR", 50). Unknown
    // names give cls Unknown.
    static JetType fromDdl(const QString& name, int size = -1);
    // The type of a column declared in SQLite ("NVARCHAR(50)", "INTEGER",
    // or "" for an expression).
    static JetType fromDecl(const QString& decl);
    // The same for SQLite's decltype text (nullptr for expressions), cached:
    // every opened recordset asks it for each of its columns.
    static JetType fromDecl(const char* decl);
};

} // namespace db
