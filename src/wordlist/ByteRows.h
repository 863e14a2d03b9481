#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cyphers/Method.h"
#include "wordlist/SpellTotals.h"

// One row per byte value: the byte's value in every spell cypher, then
// counters of the letters the match asks about. A spell's totals are the sum
// of the rows of its bytes, added four lanes at a time.
using Lanes4 = uint32_t __attribute__((vector_size(16)));
inline constexpr size_t kSLane = kSpellCyphers, kKVLane = kSpellCyphers + 1,
                        kCapitalLane = kSpellCyphers + 2;
// The spell cyphers and the three letter counters, in whole vectors of four.
inline constexpr size_t kRowLanes = (kCapitalLane + 1 + 3) / 4 * 4;

inline constexpr size_t kRowParts = kRowLanes / 4;

struct RowSum {
  Lanes4 part[kRowParts];
};

// The same rows in 16-bit lanes, eight at a time: half the adds, for a text
// short enough that no lane can pass 65535.
using Short8 = uint16_t __attribute__((vector_size(16)));
inline constexpr size_t kShortParts = kRowLanes / 8;
static_assert(kRowLanes % 8 == 0);

struct ByteRows {
  Lanes4 rows[256][kRowParts];
  Short8 shortRows[256][kShortParts];
  size_t shortText = 0;  // the longest text the short rows may sum

  // Fills the short rows from the rows, once these are made.
  void finish();
};
const ByteRows& byteRows();

// Sums the rows of text[0..size). The sums wrap as unsigned, so that no spell
// can overflow them.
inline RowSum sumRows(const ByteRows& table, const unsigned char* text, size_t size) {
  RowSum sum;
  if (size <= table.shortText) {
    Short8 parts[kShortParts] = {};  // a local array, so that it stays in registers
    for (size_t i = 0; i < size; ++i) {
      const Short8* row = table.shortRows[text[i]];
      for (size_t part = 0; part < kShortParts; ++part) parts[part] += row[part];
    }
    using Wide8 = uint32_t __attribute__((vector_size(32)));
    for (size_t part = 0; part < kShortParts; ++part) {
      const Wide8 wide = __builtin_convertvector(parts[part], Wide8);
      memcpy(&sum.part[2 * part], &wide, sizeof wide);
    }
    return sum;
  }
  Lanes4 parts[kRowParts] = {};
  for (size_t i = 0; i < size; ++i) {
    const Lanes4* row = table.rows[text[i]];
    for (size_t part = 0; part < kRowParts; ++part) parts[part] += row[part];
  }
  for (size_t part = 0; part < kRowParts; ++part) sum.part[part] = parts[part];
  return sum;
}

inline uint32_t lane(const RowSum& sum, size_t lane) { return sum.part[lane / 4][lane % 4]; }

// The totals and letter facts that a row sum stands for.
SpellTotals totalsFromRows(const RowSum& sum);
