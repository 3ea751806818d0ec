#include "platform/db/JetSql.h"

#include "platform/db/DbErrors.h"
#include "platform/db/JetLexer.h"

#include <QHash>
#include <mutex>
#include <optional>
#include <string_view>

namespace db {
namespace {

// A token, or a parenthesised group of nodes.
struct Node {
    JetToken tok;
    std::vector<Node> kids; // group contents
    bool group = false;
    bool raw = false;       // generated text, written as it stands
    std::string closeSpace; // blanks before the ")" of a group
    mutable signed char keyword = -1; // isBoundaryWord, worked out once
};

using Seq = std::vector<Node>;

[[noreturn]] void syntaxError(const QString& sql) { Raise(err::SyntaxError, sql); }

Node word(std::string text, std::string space = {})
{
    Node n;
    n.tok = JetToken{JetToken::Word, std::move(text), std::move(space)};
    return n;
}

Node rawNode(std::string text, std::string space = {})
{
    Node n = word(std::move(text), std::move(space));
    n.raw = true;
    return n;
}

Node comma()
{
    Node n;
    n.tok = JetToken{JetToken::Comma, ",", {}};
    return n;
}

Node groupOf(Seq kids, std::string space = {})
{
    Node n;
    n.tok = JetToken{JetToken::LParen, "(", std::move(space)};
    n.group = true;
    n.kids = std::move(kids);
    return n;
}

bool isWord(const Node& n, std::string_view kw) { return !n.group && !n.raw && JetLexer::is(n.tok, kw); }
bool isSymbol(const Node& n, std::string_view s) { return !n.group && n.tok.kind == JetToken::Symbol && n.tok.text == s; }

Seq buildTree(std::vector<JetToken>& tokens, std::size_t& i, bool nested, const QString& sql)
{
    Seq seq;
    seq.reserve(nested ? 8 : tokens.size());
    while (i < tokens.size()) {
        JetToken& t = tokens[i];
        if (t.kind == JetToken::RParen) {
            if (!nested)
                syntaxError(sql);
            return seq;
        }
        if (t.kind == JetToken::LParen) {
            Node g;
            g.tok = std::move(t);
            g.group = true;
            ++i;
            g.kids = buildTree(tokens, i, true, sql);
            if (i >= tokens.size())
                syntaxError(sql);
            g.closeSpace = std::move(tokens[i].space);
            ++i;
            seq.push_back(std::move(g));
            continue;
        }
        Node n;
        n.tok = std::move(t);
        seq.push_back(std::move(n));
        ++i;
    }
    if (nested)
        syntaxError(sql);
    return seq;
}

// Jet and VBA functions, renamed to their jet_ implementations (JetFunctions).
const QHash<QByteArray, const char*>& functionNames()
{
    static const QHash<QByteArray, const char*> names = {
        {"VAL", "jet_val"},       {"CCUR", "jet_ccur"},       {"CLNG", "jet_clng"},
        {"CSTR", "jet_cstr"},     {"IIF", "jet_iif"},         {"MID", "jet_mid"},
        {"MID$", "jet_mid"},      {"LEFT", "jet_left"},       {"LEFT$", "jet_left"},
        {"RIGHT", "jet_right"},   {"RIGHT$", "jet_right"},    {"LEN", "jet_len"},
        {"TRIM", "jet_trim"},     {"TRIM$", "jet_trim"},      {"LTRIM", "jet_ltrim"},
        {"LTRIM$", "jet_ltrim"},  {"RTRIM", "jet_rtrim"},     {"RTRIM$", "jet_rtrim"},
        {"UCASE", "jet_ucase"},   {"UCASE$", "jet_ucase"},    {"LCASE", "jet_lcase"},
        {"LCASE$", "jet_lcase"},  {"ISNUMERIC", "jet_isnumeric"}, {"ISNULL", "jet_isnull"},
        {"NZ", "jet_nz"},         {"FORMAT", "jet_format"},   {"FORMAT$", "jet_format"},
    };
    return names;
}

std::optional<const char*> jetFunction(const std::string& name)
{
    QByteArray key = QByteArray::fromStdString(name).toUpper();
    const auto it = functionNames().constFind(key);
    if (it == functionNames().constEnd())
        return std::nullopt;
    return *it;
}

// Words that end an operand of "&" or "+": everything of lower precedence.
// Grouped by length, so that a word is compared only with its own length.
const std::vector<std::vector<std::string_view>>& boundaryWords()
{
    static const std::vector<std::vector<std::string_view>> byLength = [] {
        static constexpr std::string_view words[] = {
            "AND", "OR", "NOT", "XOR", "EQV", "IMP", "LIKE", "IS", "IN", "BETWEEN", "SELECT", "FROM",
            "WHERE", "SET", "VALUES", "ON", "AS", "ORDER", "GROUP", "BY", "HAVING", "WHEN", "THEN",
            "ELSE", "END", "CASE", "DISTINCT", "ALL", "TOP", "UNION", "INTO", "JOIN", "INNER", "LEFT",
            "RIGHT", "OUTER", "ASC", "DESC", "LIMIT", "UPDATE", "DELETE", "INSERT", "COLLATE",
            "ESCAPE", "EXISTS"};
        std::vector<std::vector<std::string_view>> v(9);
        for (auto w : words)
            v[w.size()].push_back(w);
        return v;
    }();
    return byLength;
}

bool isBoundaryWord(const Node& n)
{
    if (n.group || n.raw || n.tok.kind != JetToken::Word)
        return false;
    if (n.keyword < 0) {
        n.keyword = 0;
        const auto& byLength = boundaryWords();
        if (n.tok.text.size() < byLength.size())
            for (auto w : byLength[n.tok.text.size()])
                if (JetLexer::is(n.tok, w)) {
                    n.keyword = 1;
                    break;
                }
    }
    return n.keyword == 1;
}

bool isBoundary(const Node& n)
{
    if (n.group)
        return false;
    if (n.raw)
        return n.tok.text.find("COLLATE") != std::string::npos || n.tok.text.find("LIMIT") != std::string::npos;
    switch (n.tok.kind) {
    case JetToken::Comma:
    case JetToken::Semicolon: return true;
    case JetToken::Symbol: {
        const std::string& s = n.tok.text;
        return s == "=" || s == "<>" || s == "<" || s == ">" || s == "<=" || s == ">=" || s == "!=" || s == "&";
    }
    case JetToken::Word: return isBoundaryWord(n);
    default: return false;
    }
}

bool endsOperand(const Node& n)
{
    if (n.group || n.raw)
        return true;
    switch (n.tok.kind) {
    case JetToken::Word: return !isBoundaryWord(n);
    case JetToken::Bracket:
    case JetToken::String:
    case JetToken::Number:
    case JetToken::Date:
    case JetToken::Param: return true;
    default: return false;
    }
}

void trimLeadingSpace(Seq& s)
{
    if (!s.empty())
        s.front().tok.space.clear();
}

// Jet date literal #m/d/yyyy [h:nn[:ss] [AM|PM]]# or #yyyy-mm-dd [...]# to ISO text.
std::string isoDate(const std::string& jet, const QString& sql)
{
    const QString text = QString::fromStdString(jet).trimmed();
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        syntaxError(sql);
    int y = 0, m = 0, d = 0;
    bool ok1 = false, ok2 = false, ok3 = false;
    const QString& date = parts.at(0);
    if (date.contains(u'-')) {
        const QStringList f = date.split(u'-');
        if (f.size() == 3) {
            y = f[0].toInt(&ok1);
            m = f[1].toInt(&ok2);
            d = f[2].toInt(&ok3);
        }
    } else {
        const QStringList f = date.split(u'/');
        if (f.size() == 3) {
            m = f[0].toInt(&ok1);
            d = f[1].toInt(&ok2);
            y = f[2].toInt(&ok3);
        }
    }
    if (!(ok1 && ok2 && ok3) || m < 1 || m > 12 || d < 1 || d > 31)
        syntaxError(sql);
    if (y < 100)
        y += y < 30 ? 2000 : 1900;
    QString out = QStringLiteral("%1-%2-%3").arg(y, 4, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0'));
    if (parts.size() > 1) {
        const QStringList t = parts.at(1).split(u':');
        int h = t.value(0).toInt();
        const int mi = t.value(1).toInt();
        const int s = t.value(2).toInt();
        if (parts.size() > 2) {
            const QString ampm = parts.at(2).toUpper();
            if (ampm == QLatin1String("PM") && h < 12)
                h += 12;
            else if (ampm == QLatin1String("AM") && h == 12)
                h = 0;
        }
        out += QStringLiteral(" %1:%2:%3").arg(h, 2, 10, QLatin1Char('0')).arg(mi, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    }
    return "'" + out.toStdString() + "'";
}

class Translator {
public:
    explicit Translator(const QString& sql) : m_sql(sql) {}

    void process(Seq& seq, bool top)
    {
        for (Node& n : seq)
            if (n.group)
                process(n.kids, false);
        rewriteTokens(seq);
        if (!seq.empty() && isWord(seq.front(), "DELETE"))
            rewriteDelete(seq);
        concatChains(seq);
        plusChains(seq);
        collateOrderBy(seq);
        topToLimit(seq, top);
        if (top && !seq.empty() && isWord(seq.front(), "UPDATE"))
            rewriteUpdate(seq);
    }

private:
    void rewriteTokens(Seq& seq)
    {
        for (std::size_t i = 0; i < seq.size(); ++i) {
            Node& n = seq[i];
            if (n.group || n.raw)
                continue;
            const bool afterDot = i > 0 && !seq[i - 1].group && seq[i - 1].tok.kind == JetToken::Dot;
            const bool beforeDot = i + 1 < seq.size() && !seq[i + 1].group && seq[i + 1].tok.kind == JetToken::Dot;
            if (n.tok.kind == JetToken::Word) {
                if (i + 1 < seq.size() && seq[i + 1].group && !afterDot) {
                    if (auto f = jetFunction(n.tok.text)) {
                        n.tok.text = *f;
                        n.raw = true;
                        continue;
                    }
                }
                if (afterDot || beforeDot)
                    continue;
                if (JetLexer::is(n.tok, "TRUE") || JetLexer::is(n.tok, "FALSE")) {
                    n.tok.text = JetLexer::is(n.tok, "TRUE") ? "-1" : "0";
                    n.tok.kind = JetToken::Number;
                } else if (JetLexer::is(n.tok, "MOD")) {
                    n.tok.kind = JetToken::Symbol;
                    n.tok.text = "%";
                } else if (JetLexer::is(n.tok, "DISTINCTROW")) {
                    // The rows of one table are distinct records already; over
                    // joins Jet's record-level DISTINCTROW is kept as ALL.
                    n.tok.text = "ALL";
                }
            } else if (n.tok.kind == JetToken::Date) {
                n.tok.text = isoDate(n.tok.text, m_sql);
                n.raw = true;
            }
        }
    }

    // DELETE * FROM t, DELETE t.* FROM t -> DELETE FROM t.
    void rewriteDelete(Seq& seq)
    {
        std::size_t from = 1;
        while (from < seq.size() && !isWord(seq[from], "FROM"))
            ++from;
        if (from < seq.size() && from > 1) {
            seq[from].tok.space = " ";
            seq.erase(seq.begin() + 1, seq.begin() + std::ptrdiff_t(from));
        }
    }

    std::size_t operandEnd(const Seq& seq, std::size_t from) const
    {
        std::size_t r = from;
        while (r < seq.size() && !isBoundary(seq[r]))
            ++r;
        return r;
    }

    // a & b & c -> jet_concat(a, b, c): Jet joins texts with Null as "" and
    // "&" binds looser than arithmetic, unlike SQLite's "||".
    void concatChains(Seq& seq)
    {
        for (std::size_t i = 0; i < seq.size(); ++i) {
            if (!isSymbol(seq[i], "&"))
                continue;
            std::size_t l = i;
            while (l > 0 && !isBoundary(seq[l - 1]))
                --l;
            if (l == i)
                syntaxError(m_sql);
            Seq args;
            Seq first(seq.begin() + std::ptrdiff_t(l), seq.begin() + std::ptrdiff_t(i));
            const std::string space = first.front().tok.space;
            trimLeadingSpace(first);
            plusChains(first);
            appendArg(args, std::move(first));
            std::size_t j = i;
            while (j < seq.size() && isSymbol(seq[j], "&")) {
                const std::size_t r = operandEnd(seq, j + 1);
                if (r == j + 1)
                    syntaxError(m_sql);
                Seq operand(seq.begin() + std::ptrdiff_t(j + 1), seq.begin() + std::ptrdiff_t(r));
                trimLeadingSpace(operand);
                plusChains(operand);
                appendArg(args, std::move(operand));
                j = r;
            }
            Node call = rawNode("jet_concat", space);
            Node g = groupOf(std::move(args));
            seq.erase(seq.begin() + std::ptrdiff_t(l), seq.begin() + std::ptrdiff_t(j));
            seq.insert(seq.begin() + std::ptrdiff_t(l), std::move(g));
            seq.insert(seq.begin() + std::ptrdiff_t(l), std::move(call));
            i = l + 1;
        }
    }

    static void appendArg(Seq& args, Seq operand)
    {
        if (!args.empty()) {
            args.push_back(comma());
            if (!operand.empty())
                operand.front().tok.space = " ";
        }
        for (Node& n : operand)
            args.push_back(std::move(n));
    }

    // a + b -> jet_add(a, b): Jet's "+" joins two texts and adds numbers.
    void plusChains(Seq& seq)
    {
        std::size_t i = 0;
        while (i < seq.size()) {
            if (isBoundary(seq[i])) {
                ++i;
                continue;
            }
            const std::size_t s = i;
            const std::size_t e = operandEnd(seq, s);
            bool hasPlus = false;
            for (std::size_t p = s + 1; p < e; ++p)
                if (isSymbol(seq[p], "+") && endsOperand(seq[p - 1]))
                    hasPlus = true;
            if (!hasPlus) {
                i = e;
                continue;
            }
            Seq acc;
            Seq term;
            std::string pendingOp;
            std::string pendingSpace;
            auto flush = [&]() {
                if (pendingOp.empty()) {
                    acc = std::move(term);
                } else if (pendingOp == "+") {
                    const std::string space = acc.empty() ? std::string() : acc.front().tok.space;
                    trimLeadingSpace(acc);
                    Seq args = std::move(acc);
                    trimLeadingSpace(term);
                    appendArg(args, std::move(term));
                    acc.clear();
                    acc.push_back(rawNode("jet_add", space));
                    acc.push_back(groupOf(std::move(args)));
                } else {
                    Node minus;
                    minus.tok = JetToken{JetToken::Symbol, "-", pendingSpace};
                    acc.push_back(std::move(minus));
                    for (Node& n : term)
                        acc.push_back(std::move(n));
                }
                term.clear();
            };
            for (std::size_t p = s; p < e; ++p) {
                const bool binary = p > s && endsOperand(seq[p - 1]);
                if (binary && (isSymbol(seq[p], "+") || isSymbol(seq[p], "-"))) {
                    if (term.empty())
                        syntaxError(m_sql);
                    flush();
                    pendingOp = seq[p].tok.text;
                    pendingSpace = seq[p].tok.space;
                } else {
                    term.push_back(seq[p]);
                }
            }
            if (term.empty())
                syntaxError(m_sql);
            flush();
            const std::size_t produced = acc.size();
            seq.erase(seq.begin() + std::ptrdiff_t(s), seq.begin() + std::ptrdiff_t(e));
            seq.insert(seq.begin() + std::ptrdiff_t(s), std::make_move_iterator(acc.begin()), std::make_move_iterator(acc.end()));
            i = s + produced;
        }
    }

    static bool isName(const Node& n)
    {
        return !n.group && !n.raw && (n.tok.kind == JetToken::Word || n.tok.kind == JetToken::Bracket);
    }

    // ORDER BY terms that are not plain columns get the text collation, which
    // SQLite would otherwise take as binary for expressions.
    void collateOrderBy(Seq& seq)
    {
        for (std::size_t i = 0; i + 1 < seq.size(); ++i) {
            if (!isWord(seq[i], "ORDER") || !isWord(seq[i + 1], "BY"))
                continue;
            std::size_t p = i + 2;
            while (p < seq.size() && !isWord(seq[p], "LIMIT") && seq[p].tok.kind != JetToken::Semicolon) {
                std::size_t e = p;
                while (e < seq.size() && !(seq[e].tok.kind == JetToken::Comma && !seq[e].group) && !isWord(seq[e], "LIMIT")
                       && !(seq[e].tok.kind == JetToken::Semicolon && !seq[e].group))
                    ++e;
                std::size_t termEnd = e;
                if (termEnd > p && (isWord(seq[termEnd - 1], "ASC") || isWord(seq[termEnd - 1], "DESC")))
                    --termEnd;
                const std::size_t len = termEnd - p;
                const bool plain = (len == 1 && (isName(seq[p]) || seq[p].tok.kind == JetToken::Number))
                    || (len == 3 && isName(seq[p]) && seq[p + 1].tok.kind == JetToken::Dot && isName(seq[p + 2]));
                if (!plain && len > 0) {
                    seq.insert(seq.begin() + std::ptrdiff_t(termEnd), rawNode("COLLATE JET", " "));
                    ++e;
                }
                p = e < seq.size() && seq[e].tok.kind == JetToken::Comma ? e + 1 : e;
            }
            return;
        }
    }

    // SELECT [DISTINCT] TOP n ... -> SELECT [DISTINCT] ... LIMIT n
    void topToLimit(Seq& seq, bool top)
    {
        std::optional<std::string> limit;
        for (std::size_t i = 0; i < seq.size(); ++i) {
            if (!isWord(seq[i], "SELECT"))
                continue;
            std::size_t t = i + 1;
            if (t < seq.size() && (isWord(seq[t], "DISTINCT") || isWord(seq[t], "ALL")))
                ++t;
            if (t + 1 < seq.size() && isWord(seq[t], "TOP") && seq[t + 1].tok.kind == JetToken::Number && !seq[t + 1].group) {
                if (limit || (t + 2 < seq.size() && isWord(seq[t + 2], "PERCENT")))
                    syntaxError(m_sql);
                limit = seq[t + 1].tok.text;
                if (t + 2 < seq.size())
                    seq[t + 2].tok.space = seq[t].tok.space;
                seq.erase(seq.begin() + std::ptrdiff_t(t), seq.begin() + std::ptrdiff_t(t + 2));
            }
        }
        if (!limit)
            return;
        for (const Node& n : seq)
            if (isWord(n, "UNION"))
                syntaxError(m_sql);
        std::size_t end = seq.size();
        if (top)
            while (end > 0 && !seq[end - 1].group && seq[end - 1].tok.kind == JetToken::Semicolon)
                --end;
        seq.insert(seq.begin() + std::ptrdiff_t(end), rawNode("LIMIT " + *limit, " "));
    }

    static std::string nameOf(const Node& n) { return QString::fromStdString(n.tok.text).toUpper().toStdString(); }

    // UPDATE a, b SET x = b.y WHERE ... -> UPDATE a SET x = b.y FROM b WHERE ...
    // SQLite takes no table name before a SET column, so it is dropped; the
    // table it names is the one updated.
    void rewriteUpdate(Seq& seq)
    {
        std::size_t set = 1;
        while (set < seq.size() && !isWord(seq[set], "SET"))
            ++set;
        if (set >= seq.size())
            return;
        std::size_t whereAt = set + 1;
        while (whereAt < seq.size() && !isWord(seq[whereAt], "WHERE"))
            ++whereAt;

        std::string qualifier;
        for (std::size_t p = set + 1; p < whereAt;) {
            if (p + 3 < whereAt && isName(seq[p]) && seq[p + 1].tok.kind == JetToken::Dot && !seq[p + 1].group
                && isName(seq[p + 2]) && isSymbol(seq[p + 3], "=")) {
                if (qualifier.empty())
                    qualifier = nameOf(seq[p]);
                seq[p + 2].tok.space = seq[p].tok.space;
                seq.erase(seq.begin() + std::ptrdiff_t(p), seq.begin() + std::ptrdiff_t(p + 2));
                whereAt -= 2;
            }
            while (p < whereAt && !(seq[p].tok.kind == JetToken::Comma && !seq[p].group))
                ++p;
            ++p;
        }

        std::vector<Seq> refs(1);
        for (std::size_t p = 1; p < set; ++p) {
            if (seq[p].tok.kind == JetToken::Comma && !seq[p].group)
                refs.emplace_back();
            else
                refs.back().push_back(seq[p]);
        }
        if (refs.size() < 2)
            return;
        std::size_t target = 0;
        if (!qualifier.empty())
            for (std::size_t r = 0; r < refs.size(); ++r)
                if (!refs[r].empty() && (nameOf(refs[r].front()) == qualifier || nameOf(refs[r].back()) == qualifier))
                    target = r;

        Seq out;
        out.push_back(seq[0]);
        Seq t = refs[target];
        if (!t.empty())
            t.front().tok.space = " ";
        for (Node& n : t)
            out.push_back(std::move(n));
        for (std::size_t p = set; p < whereAt; ++p)
            out.push_back(seq[p]);
        out.push_back(word("FROM", " "));
        bool firstRef = true;
        for (std::size_t r = 0; r < refs.size(); ++r) {
            if (r == target)
                continue;
            if (!firstRef)
                out.push_back(comma());
            Seq ref = refs[r];
            if (!ref.empty())
                ref.front().tok.space = " ";
            for (Node& n : ref)
                out.push_back(std::move(n));
            firstRef = false;
        }
        for (std::size_t p = whereAt; p < seq.size(); ++p)
            out.push_back(seq[p]);
        seq = std::move(out);
    }

    QString m_sql;
};

void write(const Seq& seq, std::string& out)
{
    for (const Node& n : seq) {
        out += n.tok.space;
        if (n.group) {
            out += '(';
            write(n.kids, out);
            out += n.closeSpace;
            out += ')';
            continue;
        }
        if (n.raw) {
            out += n.tok.text;
            continue;
        }
        switch (n.tok.kind) {
        case JetToken::Bracket:
            out += '[';
            out += n.tok.text;
            out += ']';
            break;
        case JetToken::String:
            out += '\'';
            for (char c : n.tok.text) {
                if (c == '\'')
                    out += '\'';
                out += c;
            }
            out += "' COLLATE JET";
            break;
        default: out += n.tok.text; break;
        }
    }
}

JetStatementKind classify(const std::vector<JetToken>& t)
{
    auto at = [&](std::size_t i, std::string_view kw) { return i < t.size() && JetLexer::is(t[i], kw); };
    if (at(0, "CREATE")) {
        if (at(1, "TABLE"))
            return JetStatementKind::CreateTable;
        if (at(1, "INDEX") || (at(1, "UNIQUE") && at(2, "INDEX")))
            return JetStatementKind::CreateIndex;
    }
    if (at(0, "ALTER") && at(1, "TABLE"))
        return JetStatementKind::AlterTable;
    if (at(0, "DROP") && at(1, "TABLE"))
        return JetStatementKind::DropTable;
    if (at(0, "DROP") && at(1, "INDEX"))
        return JetStatementKind::DropIndex;
    std::size_t i = 0;
    while (i < t.size() && t[i].kind == JetToken::LParen)
        ++i;
    if (at(i, "SELECT"))
        return JetStatementKind::Query;
    return JetStatementKind::Command;
}

} // namespace

JetTranslation TranslateJetNoCache(const QString& jetSql)
{
    const QByteArray utf8 = jetSql.toUtf8();
    std::vector<JetToken> tokens = JetLexer::lex(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    JetTranslation result;
    result.kind = classify(tokens);
    if (result.kind != JetStatementKind::Query && result.kind != JetStatementKind::Command)
        return result;

    // Trailing ";" (one or several) ends the statement; a ";" elsewhere is
    // left in place so that running the text refuses the second statement.
    while (!tokens.empty() && tokens.back().kind == JetToken::Semicolon)
        tokens.pop_back();

    std::size_t i = 0;
    Seq seq = buildTree(tokens, i, false, jetSql);
    Translator(jetSql).process(seq, true);
    result.sql.reserve(std::size_t(utf8.size()) + 64);
    write(seq, result.sql);
    return result;
}

JetTranslation TranslateJet(const QString& jetSql)
{
    static std::mutex mutex;
    static QHash<QString, JetTranslation> cache;
    {
        std::lock_guard lock(mutex);
        const auto it = cache.constFind(jetSql);
        if (it != cache.constEnd())
            return *it;
    }
    JetTranslation t = TranslateJetNoCache(jetSql);
    std::lock_guard lock(mutex);
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(jetSql, t);
    return t;
}

std::string TranslateJetSql(const QString& jetSql)
{
    JetTranslation t = TranslateJet(jetSql);
    if (t.kind != JetStatementKind::Query && t.kind != JetStatementKind::Command)
        Raise(err::SyntaxError, jetSql);
    return std::move(t.sql);
}

} // namespace db
