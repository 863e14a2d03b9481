#include "cyphers/CharacterLookup.h"

#include <unordered_set>

#include "cyphers/Utf8.h"
#include "text/Unicode.h"

namespace {

using Values = std::vector<std::pair<char32_t, int32_t>>;

const int32_t* listedValue(const Values& listed, char32_t c) {
  const auto found = std::lower_bound(listed.begin(), listed.end(), std::make_pair(c, INT32_MIN));
  return found != listed.end() && found->first == c ? &found->second : nullptr;
}

// Steps 1 and 2: the value of c itself or of its case fold; false when neither has one.
bool valueOf(const Cypher& cypher, char32_t c, int32_t& value) {
  if (c < 0x80) {
    value = cypher.byteValues[c];
    return cypher.knownAscii[c];
  }
  const int32_t* tabled = tabledValue(cypher, c);
  if (tabled == nullptr && !isNonspacingMark(c)) {
    const char32_t folded = simpleCaseFold(c);
    if (folded != c && folded < 0x80) return valueOf(cypher, folded, value);
    // A fold is folded already, so the table holds it only when it is listed.
    if (folded != c) tabled = tabledValue(cypher, folded);
  }
  if (tabled != nullptr) value = *tabled;
  return tabled != nullptr;
}

void add(CharacterTerms& terms, int32_t value) { terms.values[terms.count++] = value; }

}  // namespace

void prepareCharacterLookup(Cypher& cypher, const Values& listed) {
  cypher.knownAscii.reset();
  cypher.characterValues.clear();
  for (char32_t c = 0; c < 0x80; ++c) {
    const int32_t* value = listedValue(listed, c);
    if (value == nullptr) value = listedValue(listed, simpleCaseFold(c));
    cypher.byteValues[c] = value != nullptr ? *value : 0;
    cypher.knownAscii[c] = value != nullptr;
  }
  Values variants;
  for (const auto& [c, value] : listed) {
    if (c < 0x80) continue;
    cypher.characterValues.emplace_back(c, value);
    if (isNonspacingMark(c)) continue;
    char32_t cases[3];
    caseVariants(c, cases);
    for (char32_t variant : cases) {
      if (variant < 0x80 || variant == c || listedValue(listed, variant) != nullptr) continue;
      const int32_t* folded = listedValue(listed, simpleCaseFold(variant));
      if (folded != nullptr) variants.emplace_back(variant, *folded);
    }
  }
  cypher.characterValues.insert(cypher.characterValues.end(), variants.begin(), variants.end());
  std::sort(cypher.characterValues.begin(), cypher.characterValues.end());
  // Two listed characters may share a variant (σ and ς: Σ); it has one value, its fold's.
  cypher.characterValues.erase(
      std::unique(cypher.characterValues.begin(), cypher.characterValues.end()),
      cypher.characterValues.end());
}

void lookUpCharacter(const Cypher& cypher, char32_t c, CharacterTerms& terms) {
  terms.count = 0;
  terms.known = false;
  int32_t value;
  if (valueOf(cypher, c, value)) {
    add(terms, value);
    terms.known = true;
    return;
  }
  char32_t pieces[kMostTerms];
  const size_t n = canonicalDecomposition(c, pieces, kMostTerms);
  if (n > 1 || pieces[0] != c) {
    CharacterTerms parts;
    bool found = false;
    for (size_t i = 0; i < n; ++i) {
      if (valueOf(cypher, pieces[i], value)) {
        add(parts, value);
        found = true;
        parts.known |= i == 0;
      } else if (!isNonspacingMark(pieces[i])) {
        add(parts, 0);
      }
    }
    if (found) {
      terms = parts;
      return;
    }
  }
  if (!isNonspacingMark(c)) add(terms, 0);
}

std::string unknownLetters(const Cypher& cypher, std::string_view text) {
  std::string letters;
  std::unordered_set<char32_t> seen;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  CharacterTerms terms;
  for (size_t i = 0, length; i < text.size(); i += length) {
    char32_t c;
    bool valid;
    length = decodeUtf8(bytes + i, text.size() - i, c, valid);
    if (!valid || !isLetter(c)) continue;
    lookUpCharacter(cypher, c, terms);
    if (terms.known || !seen.insert(c).second) continue;
    if (!letters.empty()) letters += ' ';
    letters.append(text.substr(i, length));
  }
  return letters;
}
