#pragma once

namespace widgets {

// What a record list column shows. The list's owner knows how it formats
// each column and says so; the list aligns the column by it and decides how
// narrow it may be drawn.
enum class NvColumnKind {
    Text,   // free text: left-aligned, cut when the column is narrow
    Word,   // one of a few fixed words ("Abierto", "Cerrado"): never cut
    Number, // right-aligned, never cut
    Amount, // formatted amount: right-aligned, never cut
    Date,   // dd/mm/yyyy: never narrower than a whole date
};

} // namespace widgets
