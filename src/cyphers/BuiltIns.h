#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cyphers/Cypher.h"
#include "cyphers/Method.h"

// What a byte other than a letter, a digit or "&" is worth.
enum class OtherBytes : uint8_t {
  zero,     // a term worth 0
  skipped,  // no term at all: it takes no part in the breakdown
};

// One built-in cypher, as its row in the table states it.
struct BuiltInRow {
  Method id;
  const char* name;
  Colour colour;            // of the long line; a coloured line ends in a reset
  const char* labelWord;    // the long line opens with "  WORD:", padded to 13
  const char* shortSuffix;  // the short form: the total, this, then "/"
  int weight;               // in the match
  MatchCondition condition;
  int reportPlace;       // place in the multi-system report, from 1; 0 when not shown there
  const char* capitals;  // the values of A to Z, blank-separated
  const char* smalls;    // the values of a to z; null when they are the capitals' values
  int32_t ampersand;     // the value of "&"; digits always count their face value
  OtherBytes others;
  std::array<const char*, 10> tags;  // the first is the default; unused places are null
};

// The highest match score: a spell that agrees with the phrase in every spell
// cypher. The table checks that its weights add up to it.
inline constexpr int kTopScore = 34;

// The built-in cyphers in Method order, made from their rows. Everything that
// acts on every cypher loops over them.
const std::vector<Cypher>& builtInCyphers();
const Cypher& builtIn(Method method);
const BuiltInRow& builtInRow(Method method);
