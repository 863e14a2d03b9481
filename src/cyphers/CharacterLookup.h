#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cyphers/Cypher.h"

// How a cypher of the user's own reads a character of a spell, so that text counts as people
// write it. A character is looked up as
//   1. itself;
//   2. its simple case fold (a file may list one case only);
//   3. its canonical decomposition: the base character (itself, then its fold) gives a term, and
//      each mark that the file lists gives one more ("ῆ" is worth "η", "שׁ" what "ש" is).
// A mark is never folded: marks have no case (the iota subscript folds to iota only so that
// capitals fold fully). A non-spacing mark (general category Mn) that none of this finds is no
// term at all; any other character that it does not find is a term worth 0.

// At most as many terms as the longest canonical decomposition has code points.
inline constexpr size_t kMostTerms = 4;

struct CharacterTerms {
  int32_t values[kMostTerms];
  uint8_t count = 0;
  bool known = false;  // the character, or the base character it decomposes into, has a value
};

// Fills cypher's knownAscii, byteValues and characterValues from listed, every listed character
// with its value, sorted by code point. What can be settled once is settled here: the ASCII
// characters and the case variants of the listed characters need one lookup in the walk.
void prepareCharacterLookup(Cypher& cypher,
                            const std::vector<std::pair<char32_t, int32_t>>& listed);

// The value of c (past ASCII) when characterValues holds it; null otherwise.
inline const int32_t* tabledValue(const Cypher& cypher, char32_t c) {
  const auto& values = cypher.characterValues;
  const auto found = std::lower_bound(
      values.begin(), values.end(), c,
      [](const std::pair<char32_t, int32_t>& entry, char32_t key) { return entry.first < key; });
  return found != values.end() && found->first == c ? &found->second : nullptr;
}

// The terms of any character c, by the rules above.
void lookUpCharacter(const Cypher& cypher, char32_t c, CharacterTerms& terms);

// The letters (general category L) of text that the cypher does not know, each once, in order of
// first appearance, as typed, separated by blanks ("J e s u"); empty when it knows them all.
std::string unknownLetters(const Cypher& cypher, std::string_view text);
