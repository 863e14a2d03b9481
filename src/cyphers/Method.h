#pragma once

#include <cstddef>
#include <cstdint>

// The number of each built-in cypher: its place in the registry, the
// dictionary's column of its totals, and its export column.
enum class Method : uint8_t {
  ordinal,
  reduced,
  reverse,
  reverseReduced,
  kvexception,
  sexception,
  sumerian,
  jewish,
  jewishReduced,
  bacon,
  baconis,
  satanic,
  septenary,
  primes,
  trigonal,
  squares,
  extended,
  alw,
  kfw,
  oldEnglish,
  fibonacci,
};

inline constexpr size_t kBuiltInCyphers = 21;
// Every loaded spell carries the totals of the first twenty: all but
// fibonacci, which only the reports show.
inline constexpr size_t kSpellCyphers = 20;

inline constexpr size_t index(Method method) { return static_cast<size_t>(method); }

// The spell cyphers come first, so that a spell cypher's column in the
// dictionary is its Method id.
static_assert(index(Method::fibonacci) == kSpellCyphers);
static_assert(index(Method::fibonacci) + 1 == kBuiltInCyphers);
