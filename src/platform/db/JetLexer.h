#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace db {

struct JetToken {
    enum Kind { Word, Bracket, String, Number, Date, Param, Symbol, LParen, RParen, Comma, Semicolon, Dot };
    Kind kind = Word;
    // Word, Number, Symbol: as written. Bracket: the name inside the
    // brackets. String: the value with its quote doubling undone. Date: the
    // text between the "#".
    std::string text;
    // Blanks and line breaks written before the token, kept so that the
    // translated text stays close to the original.
    std::string space;
};

// Splits Jet SQL (UTF-8) into tokens. Jet string literals may use single or
// double quotes; an unterminated literal, bracket or date raises 3075.
class JetLexer {
public:
    static std::vector<JetToken> lex(std::string_view sql);
    // Case-insensitive ASCII comparison of a word with a key word.
    static bool is(const JetToken& t, std::string_view keyword);
};

} // namespace db
