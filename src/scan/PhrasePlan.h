#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "wordlist/ByteRows.h"

struct Cypher;
struct SearchTerm;

// What a scan sums and compares, in lanes of 32 bits, four to a vector: one
// lane per cypher the terms name (its total) and one counting capital
// letters. A word's lanes are the sum of its bytes' rows; a phrase's are the
// sum of its words' lanes and of the blanks that join them, wrapping as
// unsigned exactly as a cypher's total does.
struct PhrasePlan {
  // At most this many cyphers (a lane is kept for the capitals).
  static constexpr size_t kMaxCyphers = 31;

  size_t parts = 1;  // vectors per row: 1, 2, 4 or 8
  // rows[byte * parts + part]: a byte's value in the lanes of the built-in
  // cyphers, whose totals are byte sums, and 1 in the capital lane for A to Z.
  std::vector<Lanes4> rows;
  // joins[(words - 1) * parts + part]: what the blanks joining that many
  // words add to a phrase's total.
  std::vector<Lanes4> joins;
  std::vector<Lanes4> target;  // the terms' values
  std::vector<Lanes4> care;    // all ones in a lane that must equal its target
  // Totals only grow as a phrase grows, and in a line of at most this many
  // bytes they never wrap: there a phrase over a target ends the phrases
  // from its first word.
  size_t risingLineBytes = 0;
  size_t capitalLane = 0;
  bool needsCapital = false;  // some term's cypher only counts in a phrase with capitals
  // The lanes of cyphers that walk characters: a word's total there is the
  // cypher's own walk of it.
  std::vector<std::pair<size_t, const Cypher*>> walkedLanes;
};

// The plan for phrases of up to maxWords words matching every one of the
// recognised terms, which ask for one value per cypher; false, with the error
// line, when they name more than kMaxCyphers cyphers. No terms: every phrase
// matches.
bool planPhrases(const std::vector<SearchTerm>& terms, size_t maxWords, PhrasePlan& plan,
                 std::string& error);
