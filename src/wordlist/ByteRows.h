#pragma once

#include <cstddef>
#include <cstdint>

#include "cyphers/Method.h"
#include "wordlist/SpellTotals.h"

// One row per byte value: the byte's value in every spell cypher, then
// counters of the letters the match asks about. A spell's totals are the sum
// of the rows of its bytes, added four lanes at a time.
using Lanes4 = uint32_t __attribute__((vector_size(16)));
inline constexpr size_t kSLane = kSpellCyphers, kKVLane = kSpellCyphers + 1,
                        kCapitalLane = kSpellCyphers + 2;
inline constexpr size_t kRowLanes = 24;
static_assert(kCapitalLane < kRowLanes);

inline constexpr size_t kRowParts = kRowLanes / 4;

struct RowSum {
  Lanes4 part[kRowParts];
};

struct ByteRows {
  Lanes4 rows[256][kRowParts];
};
const ByteRows& byteRows();

// Sums the rows of text[0..size). The sums wrap as unsigned, so that no spell
// can overflow them.
inline RowSum sumRows(const ByteRows& table, const unsigned char* text, size_t size) {
  static_assert(kRowParts == 6);
  Lanes4 a{}, b{}, c{}, d{}, e{}, f{};
  for (size_t i = 0; i < size; ++i) {
    const Lanes4* row = table.rows[text[i]];
    a += row[0];
    b += row[1];
    c += row[2];
    d += row[3];
    e += row[4];
    f += row[5];
  }
  return {{a, b, c, d, e, f}};
}

inline uint32_t lane(const RowSum& sum, size_t lane) { return sum.part[lane / 4][lane % 4]; }

// The totals and letter facts that a row sum stands for.
SpellTotals totalsFromRows(const RowSum& sum);
