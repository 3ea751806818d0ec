#include "platform/db/JetLexer.h"

#include "platform/db/DbErrors.h"

namespace db {
namespace {

bool isWordStart(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80; }
bool isWordChar(unsigned char c) { return isWordStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

[[noreturn]] void unterminated(std::string_view sql)
{
    Raise(err::SyntaxError, QString::fromUtf8(sql.data(), qsizetype(sql.size())));
}

} // namespace

bool JetLexer::is(const JetToken& t, std::string_view keyword)
{
    if (t.kind != JetToken::Word || t.text.size() != keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        char a = t.text[i];
        if (a >= 'a' && a <= 'z')
            a = char(a - 'a' + 'A');
        if (a != keyword[i])
            return false;
    }
    return true;
}

std::vector<JetToken> JetLexer::lex(std::string_view sql)
{
    std::vector<JetToken> out;
    out.reserve(sql.size() / 4 + 4);
    std::string space;
    std::size_t i = 0;
    const std::size_t n = sql.size();
    auto push = [&](JetToken::Kind kind, std::string text) {
        out.push_back(JetToken{kind, std::move(text), std::move(space)});
        space.clear();
    };

    while (i < n) {
        const auto c = static_cast<unsigned char>(sql[i]);
        if (isSpace(c)) {
            space.push_back(char(c));
            ++i;
        } else if (c == '"' || c == '\'') {
            std::string value;
            std::size_t j = i + 1;
            for (;;) {
                if (j >= n)
                    unterminated(sql);
                if (static_cast<unsigned char>(sql[j]) == c) {
                    if (j + 1 < n && static_cast<unsigned char>(sql[j + 1]) == c) {
                        value.push_back(char(c));
                        j += 2;
                        continue;
                    }
                    break;
                }
                value.push_back(sql[j++]);
            }
            push(JetToken::String, std::move(value));
            i = j + 1;
        } else if (c == '[') {
            const std::size_t close = sql.find(']', i + 1);
            if (close == std::string_view::npos)
                unterminated(sql);
            push(JetToken::Bracket, std::string(sql.substr(i + 1, close - i - 1)));
            i = close + 1;
        } else if (c == '#') {
            const std::size_t close = sql.find('#', i + 1);
            if (close == std::string_view::npos)
                unterminated(sql);
            push(JetToken::Date, std::string(sql.substr(i + 1, close - i - 1)));
            i = close + 1;
        } else if (isDigit(c) || (c == '.' && i + 1 < n && isDigit(static_cast<unsigned char>(sql[i + 1])))) {
            std::size_t j = i;
            while (j < n && isDigit(static_cast<unsigned char>(sql[j])))
                ++j;
            if (j < n && sql[j] == '.') {
                ++j;
                while (j < n && isDigit(static_cast<unsigned char>(sql[j])))
                    ++j;
            }
            if (j < n && (sql[j] == 'e' || sql[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < n && (sql[k] == '+' || sql[k] == '-'))
                    ++k;
                if (k < n && isDigit(static_cast<unsigned char>(sql[k]))) {
                    while (k < n && isDigit(static_cast<unsigned char>(sql[k])))
                        ++k;
                    j = k;
                }
            }
            push(JetToken::Number, std::string(sql.substr(i, j - i)));
            i = j;
        } else if (isWordStart(c)) {
            std::size_t j = i + 1;
            while (j < n && isWordChar(static_cast<unsigned char>(sql[j])))
                ++j;
            push(JetToken::Word, std::string(sql.substr(i, j - i)));
            i = j;
        } else {
            switch (c) {
            case '(': push(JetToken::LParen, "("); break;
            case ')': push(JetToken::RParen, ")"); break;
            case ',': push(JetToken::Comma, ","); break;
            case ';': push(JetToken::Semicolon, ";"); break;
            case '.': push(JetToken::Dot, "."); break;
            case '?': push(JetToken::Param, "?"); break;
            case '<':
                if (i + 1 < n && (sql[i + 1] == '>' || sql[i + 1] == '=')) {
                    push(JetToken::Symbol, std::string(sql.substr(i, 2)));
                    ++i;
                } else {
                    push(JetToken::Symbol, "<");
                }
                break;
            case '>':
            case '!':
                if (i + 1 < n && sql[i + 1] == '=') {
                    push(JetToken::Symbol, std::string(sql.substr(i, 2)));
                    ++i;
                } else {
                    push(JetToken::Symbol, std::string(1, char(c)));
                }
                break;
            default: push(JetToken::Symbol, std::string(1, char(c))); break;
            }
            ++i;
        }
    }
    return out;
}

} // namespace db
