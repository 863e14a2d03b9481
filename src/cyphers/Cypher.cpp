#include "cyphers/Cypher.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

Cypher Cypher::builtIn(const BuiltInCypher& facts) {
  Cypher cypher;
  cypher.name = facts.displayName;
  cypher.colour = facts.colour;
  cypher.label = facts.label;
  cypher.shortSuffix = facts.shortSuffix;
  for (const char* tag : facts.tags) {
    if (tag != nullptr) cypher.tags.emplace_back(tag);
  }
  cypher.defaultTag = facts.defaultTag;
  cypher.weight = facts.weight;
  cypher.condition = facts.condition;
  cypher.walk = Walk::bytes;
  for (int byte = 0; byte < 256; ++byte) {
    cypher.byteValues[byte] = facts.valueOf(static_cast<unsigned char>(byte));
  }
  return cypher;
}

bool Cypher::acceptsTag(std::string_view tag) const {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

namespace {

// Calls visit(value) for each term of text, in order.
template <typename Visit>
void forEachTerm(const Cypher& cypher, std::string_view text, Visit visit) {
  for (unsigned char byte : text) {
    const int32_t value = cypher.byteValues[byte];
    if (value != kSkipped) visit(value);
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
