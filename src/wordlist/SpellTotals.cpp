#include "wordlist/SpellTotals.h"

#include <algorithm>
#include <cstring>

#include "cyphers/Cypher.h"
#include "cyphers/CypherSet.h"
#include "text/Ascii.h"
#include "wordlist/ByteRows.h"

const ByteRows& byteRows() {
  static const ByteRows table = [] {
    ByteRows built{};
    const std::vector<Cypher>& cyphers = builtInCyphers();
    for (int byte = 0; byte < 256; ++byte) {
      uint32_t row[kRowLanes] = {};
      for (size_t m = 0; m < kSpellCyphers; ++m) {
        const int32_t value = cyphers[m].byteValues[byte];
        // A byte that takes no part adds nothing to the total.
        row[m] = value == kSkipped ? 0 : static_cast<uint32_t>(value);
      }
      const unsigned char c = static_cast<unsigned char>(byte);
      row[kSLane] = lower(c) == 's';
      row[kKVLane] = lower(c) == 'k' || lower(c) == 'v';
      row[kCapitalLane] = isUpper(c);
      for (size_t l = 0; l < kRowLanes; ++l) built.rows[byte][l / 4][l % 4] = row[l];
    }
    built.finish();
    return built;
  }();
  return table;
}

void ByteRows::finish() {
  uint32_t largest = 1;
  for (int byte = 0; byte < 256; ++byte) {
    for (size_t lane = 0; lane < kRowLanes; ++lane) {
      const uint32_t value = rows[byte][lane / 4][lane % 4];
      largest = std::max(largest, value);
      shortRows[byte][lane / 8][lane % 8] = static_cast<uint16_t>(value);
    }
  }
  // A row with a lane past 16 bits has no short form: its texts take the rows.
  shortText = largest > UINT16_MAX ? 0 : UINT16_MAX / largest;
}

SpellTotals totalsFromRows(const RowSum& sum) {
  SpellTotals spell;
  // The first lanes are the totals, in Method order.
  static_assert(sizeof sum >= sizeof spell.totals);
  memcpy(spell.totals.data(), &sum, sizeof spell.totals);
  if (lane(sum, kSLane) != 0) spell.flags |= kHoldsS;
  if (lane(sum, kKVLane) != 0) spell.flags |= kHoldsKV;
  if (lane(sum, kCapitalLane) != 0) spell.flags |= kHoldsCapital;
  if (spell.holds(kHoldsKV) && spell[Method::kvexception] != spell[Method::ordinal]) {
    spell.flags |= kKVCounts;
  }
  return spell;
}

SpellTotals totalsOf(std::string_view text) {
  return totalsFromRows(
      sumRows(byteRows(), reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

int digitalRoot(int32_t ordinalTotal, int32_t reducedTotal, bool& rootsDisagree) {
  const int fromReduced = reductionValue(reducedTotal);
  const int fromOrdinal = reductionValue(ordinalTotal);
  rootsDisagree = fromReduced != fromOrdinal;
  return rootsDisagree ? 0 : fromOrdinal;
}
