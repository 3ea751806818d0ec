#include "platform/db/JetFunctions.h"

#include "platform/db/DbErrors.h"
#include "platform/db/JetCollation.h"
#include "platform/db/JetSql.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Format.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"

#include <QString>
#include <cmath>
#include <limits>
#include <sqlite3.h>
#include <string_view>

namespace db {
namespace {

std::string_view textOf(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

QString qtext(sqlite3_value* v)
{
    const std::string_view s = textOf(v);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Failures carry their VB number so that the connection raises it as such.
void resultVbError(sqlite3_context* ctx, long number, const QString& description)
{
    const QByteArray msg = QStringLiteral("jet:%1:%2").arg(number).arg(description).toUtf8();
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

void resultVbError(sqlite3_context* ctx, const vb::VbError& e) { resultVbError(ctx, e.number(), e.description()); }

void resultVbError(sqlite3_context* ctx, long number) { resultVbError(ctx, number, Description(number)); }

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// VB CStr of a value as SQL holds it.
QString vbText(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return QString::number(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return vb::CStrDouble(sqlite3_value_double(v));
    case SQLITE_NULL: return {};
    default: return qtext(v);
    }
}

// Number of a value under the regional rules (texts like "12,5"); throws
// type mismatch for other texts.
double vbNumber(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return double(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return sqlite3_value_double(v);
    default: return vb::CDblEs(qtext(v));
    }
}

void fnVal(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0])); return;
    case SQLITE_FLOAT: sqlite3_result_double(ctx, sqlite3_value_double(argv[0])); return;
    default: break;
    }
    try {
        sqlite3_result_double(ctx, vb::Val(qtext(argv[0])));
    } catch (const vb::VbError& e) {
        resultVbError(ctx, e);
    }
}

void fnCCur(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    try {
        sqlite3_result_double(ctx, vb::Currency::fromDouble(vbNumber(argv[0])).toDouble());
    } catch (const vb::VbError& e) {
        resultVbError(ctx, e);
    }
}

void fnCLng(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    try {
        if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
            const sqlite3_int64 i = sqlite3_value_int64(argv[0]);
            if (i < std::numeric_limits<qint32>::min() || i > std::numeric_limits<qint32>::max())
                vb::ThrowOverflow();
            return sqlite3_result_int64(ctx, i);
        }
        sqlite3_result_int64(ctx, vb::CLng(vbNumber(argv[0])));
    } catch (const vb::VbError& e) {
        resultVbError(ctx, e);
    }
}

void fnCStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, vbText(argv[0]));
}

bool truth(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return false;
    case SQLITE_INTEGER: return sqlite3_value_int64(v) != 0;
    case SQLITE_FLOAT: return sqlite3_value_double(v) != 0.0;
    default: {
        const QString s = qtext(v);
        return vb::IsNumeric(s) && vb::CDblEs(s) != 0.0;
    }
    }
}

void fnIIf(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, truth(argv[0]) ? argv[1] : argv[2]);
}

// Text functions take Null to Null and numbers through their VB text.
bool textArg(sqlite3_context* ctx, sqlite3_value* v, QString& out)
{
    if (isNull(v)) {
        sqlite3_result_null(ctx);
        return false;
    }
    out = vbText(v);
    return true;
}

bool lengthArg(sqlite3_context* ctx, sqlite3_value* v, qint64& out)
{
    try {
        if (isNull(v)) {
            resultVbError(ctx, err::InvalidUseOfNull);
            return false;
        }
        out = sqlite3_value_type(v) == SQLITE_INTEGER ? sqlite3_value_int64(v) : vb::CLng(vbNumber(v));
    } catch (const vb::VbError& e) {
        resultVbError(ctx, e);
        return false;
    }
    if (out < 0) {
        resultVbError(ctx, vb::ErrInvalidCall);
        return false;
    }
    return true;
}

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    QString s;
    if (!textArg(ctx, argv[0], s))
        return;
    qint64 start = 0;
    if (!lengthArg(ctx, argv[1], start))
        return;
    if (start < 1)
        return resultVbError(ctx, vb::ErrInvalidCall);
    qint64 length = -1;
    if (argc > 2 && !lengthArg(ctx, argv[2], length))
        return;
    resultText(ctx, start > s.size() ? QString() : s.mid(qsizetype(start - 1), length < 0 ? -1 : qsizetype(length)));
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    qint64 n = 0;
    if (textArg(ctx, argv[0], s) && lengthArg(ctx, argv[1], n))
        resultText(ctx, s.left(qsizetype(std::min<qint64>(n, s.size()))));
}

void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    qint64 n = 0;
    if (textArg(ctx, argv[0], s) && lengthArg(ctx, argv[1], n))
        resultText(ctx, s.right(qsizetype(std::min<qint64>(n, s.size()))));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    if (textArg(ctx, argv[0], s))
        sqlite3_result_int64(ctx, s.size());
}

// Jet's Trim, LTrim and RTrim take off spaces only, as VB's do.
template <QString (*Trim)(const QString&)>
void fnTrim(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    if (textArg(ctx, argv[0], s))
        resultText(ctx, Trim(s));
}

void fnUCase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    if (textArg(ctx, argv[0], s))
        resultText(ctx, s.toUpper());
}

void fnLCase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    QString s;
    if (textArg(ctx, argv[0], s))
        resultText(ctx, s.toLower());
}

// Jet Booleans are -1 and 0.
void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    bool numeric = false;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: numeric = true; break;
    case SQLITE_TEXT: numeric = vb::IsNumeric(qtext(argv[0])); break;
    default: break;
    }
    sqlite3_result_int(ctx, numeric ? -1 : 0);
}

void fnIsNull(sqlite3_context* ctx, int, sqlite3_value** argv) { sqlite3_result_int(ctx, isNull(argv[0]) ? -1 : 0); }

void fnNz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (!isNull(argv[0]))
        return sqlite3_result_value(ctx, argv[0]);
    if (argc > 1)
        return sqlite3_result_value(ctx, argv[1]);
    sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

void fnFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const QString pattern = argc > 1 && !isNull(argv[1]) ? qtext(argv[1]) : QString();
    const int type = sqlite3_value_type(argv[0]);
    const bool number = type == SQLITE_INTEGER || type == SQLITE_FLOAT
        || (type == SQLITE_TEXT && vb::IsNumeric(qtext(argv[0])));
    if (!number || pattern.isEmpty())
        return resultText(ctx, vbText(argv[0]));
    try {
        resultText(ctx, vb::FormatNumber(vbNumber(argv[0]), pattern));
    } catch (const vb::VbError& e) {
        resultVbError(ctx, e);
    }
}

// "&": texts joined, Null taken as ""; Null only when every part is Null.
void fnConcat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    bool allNull = true;
    QString out;
    for (int i = 0; i < argc; ++i) {
        if (isNull(argv[i]))
            continue;
        allNull = false;
        out += vbText(argv[i]);
    }
    if (allNull)
        return sqlite3_result_null(ctx);
    resultText(ctx, out);
}

// "+": two texts are joined; otherwise numbers are added (a numeric text
// counts as its number) and Null gives Null.
void fnAdd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int ta = sqlite3_value_type(argv[0]);
    const int tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    if (ta == SQLITE_TEXT && tb == SQLITE_TEXT)
        return resultText(ctx, qtext(argv[0]) + qtext(argv[1]));
    if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER) {
        sqlite3_int64 r = 0;
        if (!__builtin_add_overflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), &r))
            return sqlite3_result_int64(ctx, r);
    }
    try {
        sqlite3_result_double(ctx, vbNumber(argv[0]) + vbNumber(argv[1]));
    } catch (const vb::VbError&) {
        resultVbError(ctx, err::TypeMismatchInCriteria);
    }
}

void deletePattern(void* p) { delete static_cast<JetCollation::LikePattern*>(p); }

void fnLike(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    // SQLite calls like(pattern, text).
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const QByteArray text = sqlite3_value_type(argv[1]) == SQLITE_TEXT ? QByteArray() : vbText(argv[1]).toUtf8();
    const std::string_view t = text.isNull() ? textOf(argv[1]) : std::string_view(text.constData(), std::size_t(text.size()));
    // A constant pattern is read once per statement, not once per row.
    if (const auto* kept = static_cast<const JetCollation::LikePattern*>(sqlite3_get_auxdata(ctx, 0)))
        return sqlite3_result_int(ctx, kept->matches(t) ? 1 : 0);
    auto* pattern = new JetCollation::LikePattern(textOf(argv[0]));
    sqlite3_result_int(ctx, pattern->matches(t) ? 1 : 0);
    // SQLite may free the pattern at once: it is not touched after this.
    sqlite3_set_auxdata(ctx, 0, pattern, deletePattern);
}

int collate(void*, int na, const void* a, int nb, const void* b)
{
    return JetCollation::compare(std::string_view(static_cast<const char*>(a), std::size_t(na)),
                                 std::string_view(static_cast<const char*>(b), std::size_t(nb)));
}

using Fn = void (*)(sqlite3_context*, int, sqlite3_value**);

void add(sqlite3* db, const char* name, int argc, Fn fn)
{
    sqlite3_create_function_v2(db, name, argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fn, nullptr, nullptr, nullptr);
}

} // namespace

void JetFunctions::registerAll(sqlite3* db)
{
    sqlite3_create_collation_v2(db, kJetCollation, SQLITE_UTF8, nullptr, collate, nullptr);
    add(db, "like", 2, fnLike);
    add(db, "jet_val", 1, fnVal);
    add(db, "jet_ccur", 1, fnCCur);
    add(db, "jet_clng", 1, fnCLng);
    add(db, "jet_cstr", 1, fnCStr);
    add(db, "jet_iif", 3, fnIIf);
    add(db, "jet_mid", 2, fnMid);
    add(db, "jet_mid", 3, fnMid);
    add(db, "jet_left", 2, fnLeft);
    add(db, "jet_right", 2, fnRight);
    add(db, "jet_len", 1, fnLen);
    add(db, "jet_trim", 1, fnTrim<vb::Trim>);
    add(db, "jet_ltrim", 1, fnTrim<vb::LTrim>);
    add(db, "jet_rtrim", 1, fnTrim<vb::RTrim>);
    add(db, "jet_ucase", 1, fnUCase);
    add(db, "jet_lcase", 1, fnLCase);
    add(db, "jet_isnumeric", 1, fnIsNumeric);
    add(db, "jet_isnull", 1, fnIsNull);
    add(db, "jet_nz", 1, fnNz);
    add(db, "jet_nz", 2, fnNz);
    add(db, "jet_format", 1, fnFormat);
    add(db, "jet_format", 2, fnFormat);
    add(db, "jet_concat", -1, fnConcat);
    add(db, "jet_add", 2, fnAdd);
}

} // namespace db
