#pragma once

#include <cstdint>

#include "cyphers/Method.h"
#include "wordlist/SpellTotals.h"

// How a listed spell stands to the search phrase, all that the console needs
// to show it: a bit per spell cypher in which both totals are equal (zero or
// not), two bits for the spell's reverse totals being the phrase's forward
// ones, and the spell's own letter facts. Worked out while scoring, when the
// spell's totals are at hand.
using Agreement = uint32_t;
inline constexpr Agreement kReverseIsOrdinal = Agreement{1} << kSpellCyphers;
inline constexpr Agreement kReverseReducedIsReduced = Agreement{1} << (kSpellCyphers + 1);
inline constexpr int kSpellFlagsShift = 24;

inline bool agrees(Agreement agreement, Method method) {
  return (agreement >> index(method) & 1) != 0;
}
inline bool spellHolds(Agreement agreement, SpellFlag flag) {
  return (agreement >> kSpellFlagsShift & flag) != 0;
}

// total(cypher) gives the spell's total in a spell cypher.
template <typename Total>
Agreement agreementOf(Total total, uint8_t spellFlags, const SpellTotals& phrase) {
  Agreement agreement = Agreement{spellFlags} << kSpellFlagsShift;
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    agreement |= Agreement{total(m) == phrase.totals[m]} << m;
  }
  if (total(index(Method::reverse)) == phrase[Method::ordinal]) agreement |= kReverseIsOrdinal;
  if (total(index(Method::reverseReduced)) == phrase[Method::reduced]) {
    agreement |= kReverseReducedIsReduced;
  }
  return agreement;
}

inline Agreement agreementOf(const SpellTotals& spell, const SpellTotals& phrase) {
  return agreementOf([&spell](size_t m) { return spell.totals[m]; }, spell.flags, phrase);
}
