#include "cyphers/CypherCalculator.h"

#include <charconv>
#include <cstdio>

#include "Settings.h"
#include "cyphers/Cyphers.h"

namespace {

int32_t sumOf(const std::string& spell, const ByteValues& values) {
  // Unsigned so that an absurdly long spell wraps instead of overflowing.
  uint32_t total = 0;
  for (unsigned char c : spell) {
    const int32_t v = values[c];
    if (v != kSkipped) total += static_cast<uint32_t>(v);
  }
  return static_cast<int32_t>(total);
}

std::string breakdownOf(const std::string& spell, const ByteValues& values) {
  std::string breakdown;
  breakdown.reserve(spell.size() * 4);
  char digits[16];
  for (unsigned char c : spell) {
    const int32_t v = values[c];
    if (v == kSkipped) continue;
    if (!breakdown.empty()) breakdown += '+';
    breakdown.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
  }
  return breakdown;
}

}  // namespace

int walkSpell(const std::string& spell, const CypherTraits& traits, const ByteValues& values) {
  const int32_t total = sumOf(spell, values);
  if (silent) return total;
  const unsigned shown = static_cast<unsigned>(total);
  if (!comprehensive) {
    printf("%u%s/", shown, traits.shortSuffix);
    return total;
  }
  fputs(traits.label, stdout);
  const std::string breakdown = breakdownOf(spell, values);
  printf("%u  (%s)  [%d]%s", shown, breakdown.c_str(), reductionValue(total),
         traits.coloured ? "\033[0m" : "");
  return total;
}

void fillByteValues(ByteValues& values, int32_t (*valueOf)(unsigned char)) {
  for (int c = 0; c < 256; ++c) values[c] = valueOf(static_cast<unsigned char>(c));
}

bool isTagOf(const std::string& tag, const CypherTraits& traits) {
  for (const char* candidate : traits.tags) {
    if (candidate != nullptr && tag == candidate) return true;
  }
  return false;
}
