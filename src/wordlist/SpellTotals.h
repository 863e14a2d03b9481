#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "cyphers/Method.h"

// Letter facts of a spell's text, as bits.
enum SpellFlag : uint8_t {
  kHoldsS = 1,
  kHoldsKV = 2,  // a k or a v, either case
  kHoldsCapital = 4,
  kKVCounts = 8,  // holds a k or a v, and its K/V total differs from its ordinal total
};

// The totals every spell carries, one per spell cypher (all built-in ones
// but fibonacci), and its letter facts. Computed once; searches and matches
// compare these integers.
struct SpellTotals {
  std::array<int32_t, kSpellCyphers> totals{};
  uint8_t flags = 0;

  int32_t operator[](Method method) const { return totals[index(method)]; }
  bool holds(SpellFlag flag) const { return (flags & flag) != 0; }
};

// All totals and facts of text, with one row of table lookups per byte.
SpellTotals totalsOf(std::string_view text);

// Symmetries of a spell with itself.
inline bool ordinalSymmetry(const SpellTotals& s) {
  return s[Method::ordinal] == s[Method::reverse];
}
inline bool reducedSymmetry(const SpellTotals& s) {
  return s[Method::reduced] == s[Method::reverseReduced];
}
inline bool fullSymmetry(const SpellTotals& s) { return ordinalSymmetry(s) && reducedSymmetry(s); }
inline bool alwkfwMatch(const SpellTotals& s) { return s[Method::alw] == s[Method::kfw]; }

// The digital root that a spell's ordinal and reduced totals share; 0 when
// there is none, or when they disagree (rootsDisagree says which).
int digitalRoot(int32_t ordinalTotal, int32_t reducedTotal, bool& rootsDisagree);
