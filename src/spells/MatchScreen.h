#pragma once

#include <string>
#include <string_view>

#include "spells/SpellTotals.h"

class Palette;

// Shows one listed spell of a match group on the console line: its colour and
// brackets say in which principal cyphers it agrees with the search phrase,
// and a brace list of markers after it tells further coincidences and
// properties of the spell. Later entries start with ",  ".
void appendListedSpell(std::string& out, std::string_view text, const SpellTotals& spell,
                       const SpellTotals& phrase, bool first, const Palette& palette);
