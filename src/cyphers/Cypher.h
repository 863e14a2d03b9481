#pragma once

#include <array>
#include <bitset>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cyphers/Method.h"
#include "text/Colour.h"

struct OwnCypherDefinition;

// Value of every byte in a byte-walked cypher. kSkipped marks a byte that
// takes no part at all: no value and no term of the breakdown.
using ByteValues = std::array<int32_t, 256>;
inline constexpr int32_t kSkipped = INT32_MIN;

// When a cypher counts towards a match score, beyond equal, non-zero totals.
enum class MatchCondition : uint8_t {
  always,
  // Both spells hold a k or a v, and the listed spell's total differs from its
  // own ordinal total: only then did K and V change anything.
  kvLetters,
  sLetters,  // both spells hold an s
  // Both spells hold a capital letter. Such a total only means something for
  // a spell with capitals, so the value search and the query ask for one too.
  capitals,
};

// How a cypher walks a spell: one term per byte, or one per UTF-8 character
// (an invalid byte is a term of its own, worth 0).
enum class Walk : uint8_t { bytes, characters };

// A cypher of the run: a built-in one, or one the user defined in a file.
struct Cypher {
  std::string name;
  Colour colour = Colour::cyan;
  std::string label;
  std::string shortSuffix;
  std::vector<std::string> tags;
  std::string defaultTag;
  int weight = 0;
  MatchCondition condition = MatchCondition::always;
  Walk walk = Walk::bytes;
  ByteValues byteValues{};  // bytes; for characters, the ASCII ones
  // Characters walked (see cyphers/CharacterLookup.h): the ASCII characters that have a value,
  // their own or their case fold's, which byteValues then holds; past ASCII, the listed
  // characters and the case variants that fold to one of them, with their values, sorted.
  std::bitset<128> knownAscii;
  std::vector<std::pair<char32_t, int32_t>> characterValues;

  // A cypher read from a user's file: characters walked, shown in cyan, its
  // label made from its default tag, its lookup tables made from its values.
  static Cypher own(const OwnCypherDefinition& definition);

  bool acceptsTag(std::string_view tag) const;
};

// A long line's label: two blanks, the word and a colon, padded to 13, with at
// least one blank after the colon.
std::string labelFor(std::string_view word);

// The total: the sum of the terms, wrapping as unsigned so that no spell can
// overflow it.
int32_t totalOf(const Cypher& cypher, std::string_view text);
// The terms joined by "+".
std::string breakdownOf(const Cypher& cypher, std::string_view text);
// Digital root: repeated digit sum down to one digit; 0 gives 0 and a
// negative number gives the root of its magnitude.
int reductionValue(int32_t n);

// How a total is shown.
enum class LineForm {
  longLine,   // label, total, breakdown and digital root, in colour
  shortForm,  // the total and the short suffix, then "/"
};
void appendTotal(std::string& out, const Cypher& cypher, std::string_view text, int32_t total,
                 LineForm form, const Palette& palette);
