#pragma once

#include <string>
#include <string_view>

#include "match/Agreement.h"
#include "text/TextBuffer.h"
#include "wordlist/SpellTotals.h"

class Palette;

// What a listed spell shows of itself, whatever phrase it is listed for: the
// query suffix "(?)", the plural marker and the marker of its own symmetry.
// Worked out once per spell.
using OwnMarks = uint8_t;
OwnMarks ownMarks(std::string_view text, const SpellTotals& spell);

// Shows one listed spell of a match group on the console line: its colour and
// brackets say in which principal cyphers it agrees with the search phrase,
// and a brace list of markers after it tells further coincidences and
// properties of the spell. Later entries start with ",  ".
void appendListedSpell(TextBuffer& out, std::string_view text, Agreement agreement, OwnMarks marks,
                       bool phraseHasCapitals, bool first, const Palette& palette);
