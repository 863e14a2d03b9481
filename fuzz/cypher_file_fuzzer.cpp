// A user's cypher file: parsed, and when it is sound, made a cypher and
// walked over the file's own text.
#include <cstdlib>

#include "FuzzSupport.h"
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
  appendTotal(line, cypher, text, totalOf(cypher, text), LineForm::longLine, Palette(true));
  return 0;
}
