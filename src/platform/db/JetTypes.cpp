#include "platform/db/JetTypes.h"

#include "platform/db/DataTypes.h"

#include <QHash>
#include <mutex>
#include <string>
#include <unordered_map>

namespace db {
namespace {

struct Spec {
    JetType::Class cls;
    int ado;
    long size;
    const char* decl; // replacement spelling; nullptr keeps the given name
};

constexpr long kMemoSize = 536870910;
constexpr long kLongBinarySize = 1073741823;

const QHash<QString, Spec>& specs()
{
    static const QHash<QString, Spec> s = {
        {QStringLiteral("TEXT"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("VARCHAR"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("NVARCHAR"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("CHAR"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("NCHAR"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("CHARACTER"), {JetType::Text, adVarWChar, 255, nullptr}},
        {QStringLiteral("STRING"), {JetType::Text, adVarWChar, 255, "VARCHAR"}},
        {QStringLiteral("ALPHANUMERIC"), {JetType::Text, adVarWChar, 255, "VARCHAR"}},
        {QStringLiteral("MEMO"), {JetType::Memo, adLongVarWChar, kMemoSize, "LONGTEXT"}},
        {QStringLiteral("NOTE"), {JetType::Memo, adLongVarWChar, kMemoSize, "LONGTEXT"}},
        {QStringLiteral("LONGTEXT"), {JetType::Memo, adLongVarWChar, kMemoSize, nullptr}},
        {QStringLiteral("LONGCHAR"), {JetType::Memo, adLongVarWChar, kMemoSize, nullptr}},
        {QStringLiteral("NTEXT"), {JetType::Memo, adLongVarWChar, kMemoSize, nullptr}},
        {QStringLiteral("INT"), {JetType::Integer, adInteger, 4, nullptr}},
        {QStringLiteral("INTEGER"), {JetType::Integer, adInteger, 4, nullptr}},
        {QStringLiteral("LONG"), {JetType::Integer, adInteger, 4, nullptr}},
        {QStringLiteral("INTEGER4"), {JetType::Integer, adInteger, 4, nullptr}},
        {QStringLiteral("INT4"), {JetType::Integer, adInteger, 4, nullptr}},
        {QStringLiteral("SMALLINT"), {JetType::Integer, adSmallInt, 2, nullptr}},
        {QStringLiteral("SHORT"), {JetType::Integer, adSmallInt, 2, nullptr}},
        {QStringLiteral("INTEGER2"), {JetType::Integer, adSmallInt, 2, nullptr}},
        {QStringLiteral("INT2"), {JetType::Integer, adSmallInt, 2, nullptr}},
        {QStringLiteral("BYTE"), {JetType::Integer, adUnsignedTinyInt, 1, nullptr}},
        {QStringLiteral("TINYINT"), {JetType::Integer, adUnsignedTinyInt, 1, nullptr}},
        {QStringLiteral("INTEGER1"), {JetType::Integer, adUnsignedTinyInt, 1, nullptr}},
        {QStringLiteral("BIGINT"), {JetType::Integer, adBigInt, 8, nullptr}},
        {QStringLiteral("COUNTER"), {JetType::Counter, adInteger, 4, "INTEGER"}},
        {QStringLiteral("AUTOINCREMENT"), {JetType::Counter, adInteger, 4, "INTEGER"}},
        {QStringLiteral("IDENTITY"), {JetType::Counter, adInteger, 4, "INTEGER"}},
        {QStringLiteral("FLOAT"), {JetType::Double, adDouble, 8, nullptr}},
        {QStringLiteral("DOUBLE"), {JetType::Double, adDouble, 8, nullptr}},
        {QStringLiteral("FLOAT8"), {JetType::Double, adDouble, 8, nullptr}},
        {QStringLiteral("NUMBER"), {JetType::Double, adDouble, 8, "DOUBLE"}},
        {QStringLiteral("IEEEDOUBLE"), {JetType::Double, adDouble, 8, "DOUBLE"}},
        {QStringLiteral("REAL"), {JetType::Double, adSingle, 4, nullptr}},
        {QStringLiteral("SINGLE"), {JetType::Double, adSingle, 4, "REAL"}},
        {QStringLiteral("FLOAT4"), {JetType::Double, adSingle, 4, nullptr}},
        {QStringLiteral("IEEESINGLE"), {JetType::Double, adSingle, 4, "REAL"}},
        {QStringLiteral("CURRENCY"), {JetType::Currency, adCurrency, 8, nullptr}},
        {QStringLiteral("MONEY"), {JetType::Currency, adCurrency, 8, nullptr}},
        {QStringLiteral("BIT"), {JetType::Boolean, adBoolean, 2, nullptr}},
        {QStringLiteral("YESNO"), {JetType::Boolean, adBoolean, 2, nullptr}},
        {QStringLiteral("LOGICAL"), {JetType::Boolean, adBoolean, 2, nullptr}},
        {QStringLiteral("LOGICAL1"), {JetType::Boolean, adBoolean, 2, nullptr}},
        {QStringLiteral("BOOLEAN"), {JetType::Boolean, adBoolean, 2, nullptr}},
        {QStringLiteral("DATETIME"), {JetType::Date, adDate, 8, nullptr}},
        {QStringLiteral("DATE"), {JetType::Date, adDate, 8, nullptr}},
        {QStringLiteral("TIME"), {JetType::Date, adDate, 8, nullptr}},
        {QStringLiteral("TIMESTAMP"), {JetType::Date, adDate, 8, nullptr}},
        {QStringLiteral("LONGBINARY"), {JetType::Binary, adLongVarBinary, kLongBinarySize, nullptr}},
        {QStringLiteral("OLEOBJECT"), {JetType::Binary, adLongVarBinary, kLongBinarySize, nullptr}},
        {QStringLiteral("GENERAL"), {JetType::Binary, adLongVarBinary, kLongBinarySize, nullptr}},
        {QStringLiteral("IMAGE"), {JetType::Binary, adLongVarBinary, kLongBinarySize, nullptr}},
        {QStringLiteral("BLOB"), {JetType::Binary, adLongVarBinary, kLongBinarySize, nullptr}},
        {QStringLiteral("BINARY"), {JetType::Binary, adBinary, 255, nullptr}},
        {QStringLiteral("VARBINARY"), {JetType::Binary, adBinary, 255, nullptr}},
        {QStringLiteral("DECIMAL"), {JetType::Numeric, adNumeric, 19, nullptr}},
        {QStringLiteral("NUMERIC"), {JetType::Numeric, adNumeric, 19, nullptr}},
        {QStringLiteral("DEC"), {JetType::Numeric, adNumeric, 19, nullptr}},
        {QStringLiteral("GUID"), {JetType::Guid, adGUID, 16, nullptr}},
        {QStringLiteral("UNIQUEIDENTIFIER"), {JetType::Guid, adGUID, 16, nullptr}},
    };
    return s;
}

} // namespace

JetType JetTypes::fromDdl(const QString& name, int size)
{
    const QString upper = name.trimmed().toUpper();
    JetType t;
    const auto it = specs().constFind(upper);
    if (it == specs().constEnd())
        return t;
    const Spec& s = *it;
    t.cls = s.cls;
    t.ado = s.ado;
    t.size = s.size;
    const QString base = s.decl ? QString::fromLatin1(s.decl) : upper;

    // A TEXT without a width is the long-text (memo) type.
    if (t.cls == JetType::Text && upper == QLatin1String("TEXT") && size < 0) {
        t.cls = JetType::Memo;
        t.ado = adLongVarWChar;
        t.size = kMemoSize;
        t.decl = QStringLiteral("TEXT");
        return t;
    }
    if (t.cls == JetType::Text) {
        t.width = size > 0 ? size : 255;
        t.size = t.width;
        t.decl = size > 0 ? QStringLiteral("%1(%2)").arg(base).arg(size) : base;
        return t;
    }
    if (t.cls == JetType::Binary && t.ado == adBinary && size > 0) {
        t.size = size;
        t.decl = QStringLiteral("%1(%2)").arg(base).arg(size);
        return t;
    }
    t.decl = base;
    return t;
}

JetType JetTypes::fromDecl(const QString& decl)
{
    const QString d = decl.trimmed();
    if (d.isEmpty())
        return {};
    const qsizetype open = d.indexOf(u'(');
    if (open < 0)
        return fromDdl(d, -1);
    const QString name = d.left(open).trimmed();
    const QString arg = d.mid(open + 1, d.indexOf(u')', open) - open - 1).section(u',', 0, 0).trimmed();
    bool ok = false;
    const int size = arg.toInt(&ok);
    JetType t = fromDdl(name, ok ? size : -1);
    if (t.cls == JetType::Numeric)
        t.decl = d.toUpper();
    return t;
}

JetType JetTypes::fromDecl(const char* decl)
{
    if (!decl || !*decl)
        return {};
    static std::mutex mutex;
    static std::unordered_map<std::string, JetType> cache;
    std::lock_guard lock(mutex);
    const auto it = cache.find(decl);
    if (it != cache.end())
        return it->second;
    if (cache.size() > 1024)
        cache.clear();
    return cache.emplace(decl, fromDecl(QString::fromUtf8(decl))).first->second;
}

} // namespace db
