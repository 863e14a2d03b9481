#pragma once

#include <array>
#include <cstdint>
#include <string>

// What sets one cypher apart from the others. Everything else (walking a
// spell, building the breakdown, printing) is shared by all of them.
struct CypherTraits {
  const char* displayName;
  const char* label;                // long form, colour included
  const char* shortSuffix;          // printed between the total and the "/" of the short form
  bool coloured;                    // long line ends in a colour reset
  std::array<const char*, 8> tags;  // unused slots are null
  const char* defaultTag;
  int weight;
};

constexpr CypherTraits cypherTraits(const char* displayName, const char* label,
                                    const char* shortSuffix, bool coloured,
                                    std::array<const char*, 8> tags, const char* defaultTag,
                                    int weight) {
  return {displayName, label, shortSuffix, coloured, tags, defaultTag, weight};
}

// Value of every byte in one cypher; kSkipped marks a byte that takes no
// part at all (no value, no term in the breakdown).
using ByteValues = std::array<int32_t, 256>;
constexpr int32_t kSkipped = -1;

inline unsigned char upper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
inline bool isLetter(unsigned char c) { return upper(c) >= 'A' && upper(c) <= 'Z'; }
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int walkSpell(const std::string& spell, const CypherTraits& traits, const ByteValues& values);
void fillByteValues(ByteValues& values, int32_t (*valueOf)(unsigned char));
bool isTagOf(const std::string& tag, const CypherTraits& traits);

// One cypher calculator. Rule supplies the cypher's traits and its value of
// one byte (Rule::value); the byte values are tabulated once by prepare() so that the walk
// over a spell is a plain table lookup per byte.
template <typename Rule>
class CypherCalculator {
 public:
  CypherCalculator() : displayName(Rule::traits.displayName) {}

  // Prints the total as the global flags ask and returns it.
  int calculate(const std::string& spell) const { return walkSpell(spell, Rule::traits, values); }
  std::string name() const { return displayName; }
  int matchPriority() const { return Rule::traits.weight; }

  static bool isCypherTag(const std::string& tag) { return isTagOf(tag, Rule::traits); }
  static const std::string& defaultCypherTag() {
    static const std::string defaultTag(Rule::traits.defaultTag);
    return defaultTag;
  }
  static void prepare() { fillByteValues(values, &Rule::value); }

 private:
  std::string displayName;
  inline static ByteValues values{};
};
