#pragma once

#include <cstdint>
#include <string_view>

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

    // Primary weight of one code point (exposed for tests).
    static std::uint32_t weight(char32_t codePoint);
};

} // namespace db
