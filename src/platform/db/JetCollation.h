#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace db {

// The one text order of the databases: letter case and accents are ignored
// ("á" equals "a"), "ñ" is a letter of its own after "n", blanks and
// punctuation come before digits and digits before letters. Works on UTF-8
// without allocating; pure ASCII text takes a table-only fast path.
class JetCollation {
public:
    // < 0, 0 or > 0, as memcmp.
    static int compare(std::string_view a, std::string_view b);

    // Jet LIKE: "*" or "%" any run, "?" or "_" one character, "#" one digit,
    // "[abc]", "[a-z]" and "[!abc]" character lists; other characters match
    // by the collation's weight (so without regard to case or accents).
    static bool like(std::string_view pattern, std::string_view text);

    // A LIKE pattern read once, to be matched against many texts: a query
    // compares every row with the same pattern.
    class LikePattern {
    public:
        explicit LikePattern(std::string_view pattern);
        bool matches(std::string_view text) const;

    private:
        struct Char {
            enum Kind { Literal, AnyRun, AnyOne, Digit, Set } kind = Literal;
            std::uint32_t weight = 0;
            bool negated = false;
            std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges; // inclusive weight ranges
        };
        static bool matchOne(const Char& p, std::uint32_t w);

        std::vector<Char> m_chars;
    };
};

} // namespace db
