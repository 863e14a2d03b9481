#include "cyphers/Cypher.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "cyphers/CharacterLookup.h"
#include "cyphers/CypherFile.h"
#include "cyphers/Utf8.h"

std::string labelFor(std::string_view word) {
  std::string label = "  ";
  label.append(word).append(":");
  label.resize(std::max<size_t>(13, label.size() + 1), ' ');
  return label;
}

Cypher Cypher::own(const OwnCypherDefinition& definition) {
  Cypher cypher;
  cypher.name = definition.name;
  cypher.colour = Colour::cyan;
  cypher.tags = definition.tags;
  cypher.defaultTag = definition.tags.at(0);
  cypher.label = labelFor(cypher.defaultTag);
  cypher.walk = Walk::characters;
  if (std::is_sorted(definition.values.begin(), definition.values.end())) {
    prepareCharacterLookup(cypher, definition.values);
  } else {
    auto values = definition.values;
    std::sort(values.begin(), values.end());
    prepareCharacterLookup(cypher, values);
  }
  return cypher;
}

bool Cypher::acceptsTag(std::string_view tag) const {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

namespace {

// Calls visit(value) for each term of text, in order: each byte, or what each
// UTF-8 character is worth (see CharacterLookup.h; an invalid byte is a term of
// its own, worth 0). An ASCII character, and one the cypher's table holds, is
// one lookup; any other is looked up in the Unicode data on the way.
template <typename Visit>
void forEachTerm(const Cypher& cypher, std::string_view text, Visit visit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  if (cypher.walk == Walk::bytes) {
    for (size_t i = 0; i < text.size(); ++i) {
      const int32_t value = cypher.byteValues[bytes[i]];
      if (value != kSkipped) visit(value);
    }
    return;
  }
  CharacterTerms terms;
  for (size_t i = 0; i < text.size();) {
    char32_t character;
    bool valid;
    i += decodeUtf8(bytes + i, text.size() - i, character, valid);
    if (!valid) {
      visit(0);
    } else if (character < 0x80) {
      visit(cypher.byteValues[character]);
    } else if (const int32_t* value = tabledValue(cypher, character)) {
      visit(*value);
    } else {
      lookUpCharacter(cypher, character, terms);
      for (uint8_t t = 0; t < terms.count; ++t) visit(terms.values[t]);
    }
  }
}

}  // namespace

int32_t totalOf(const Cypher& cypher, std::string_view text) {
  uint32_t total = 0;
  forEachTerm(cypher, text, [&](int32_t value) { total += static_cast<uint32_t>(value); });
  return static_cast<int32_t>(total);
}

std::string breakdownOf(const Cypher& cypher, std::string_view text) {
  std::string breakdown;
  breakdown.reserve(text.size() * 3);
  char digits[16];
  forEachTerm(cypher, text, [&](int32_t value) {
    if (!breakdown.empty()) breakdown += '+';
    breakdown.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  });
  return breakdown;
}

int reductionValue(int32_t n) {
  const long long magnitude = std::llabs(static_cast<long long>(n));
  if (magnitude == 0) return 0;
  return static_cast<int>(1 + (magnitude - 1) % 9);
}

void appendTotal(std::string& out, const Cypher& cypher, std::string_view text, int32_t total,
                 LineForm form, const Palette& palette) {
  char number[64];
  const unsigned shown = static_cast<unsigned>(total);
  if (form == LineForm::shortForm) {
    out.append(number, snprintf(number, sizeof number, "%u", shown));
    out += cypher.shortSuffix;
    out += '/';
    return;
  }
  out += palette.code(cypher.colour);
  out += cypher.label;
  out.append(number, snprintf(number, sizeof number, "%u  (", shown));
  out += breakdownOf(cypher, text);
  out.append(number, snprintf(number, sizeof number, ")  [%d]", reductionValue(total)));
  if (cypher.colour != Colour::none) out += palette.code(Colour::reset);
}
