// A user's cypher file: parsed, and when it is sound, made a cypher and
// walked over the file's own text; the breakdown's terms add up to the total,
// and the letters the cypher does not know are named.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CharacterLookup.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  OwnCypherDefinition definition;
  CypherFileError error;
  const auto builtInTag = [](std::string_view tag) { return tag == "ord"; };
  if (!parseCypherFile("fuzz.txt", text, builtInTag, definition, error)) {
    if (error.message().rfind("ERROR: cypher file fuzz.txt, line ", 0) != 0) abort();
    return 0;
  }
  if (definition.tags.empty() || definition.name.empty()) abort();
  const Cypher cypher = Cypher::own(definition);
  std::string line;
  const int32_t total = totalOf(cypher, text);
  appendTotal(line, cypher, text, total, LineForm::longLine, Palette(true));
  uint32_t sum = 0;
  const std::string breakdown = breakdownOf(cypher, text);
  for (size_t at = 0; at < breakdown.size();) {
    sum += static_cast<uint32_t>(strtoul(breakdown.c_str() + at, nullptr, 10));
    const size_t plus = breakdown.find('+', at);
    if (plus == std::string::npos) break;
    at = plus + 1;
  }
  if (sum != static_cast<uint32_t>(total)) abort();
  if (unknownLetters(cypher, text).size() > 2 * text.size()) abort();
  return 0;
}
