#include "cyphers/CypherSet.h"

#include "cyphers/CypherFile.h"

CypherSet::CypherSet() : cyphers(builtInCyphers()) {}

void CypherSet::addOwn(Cypher cypher) { cyphers.push_back(std::move(cypher)); }

bool CypherSet::readOwn(const std::string& folder, std::string& errorLine) {
  const auto isBuiltInTag = [](std::string_view tag) {
    for (size_t m = 0; m < kBuiltInCyphers; ++m) {
      if (builtInCyphers()[m].acceptsTag(tag)) return true;
    }
    return false;
  };
  std::vector<OwnCypherDefinition> definitions;
  CypherFileError error;
  if (!readCypherFolder(folder, isBuiltInTag, definitions, error)) {
    errorLine = error.message();
    return false;
  }
  for (const OwnCypherDefinition& definition : definitions) addOwn(Cypher::own(definition));
  return true;
}

const Cypher* CypherSet::findByTag(std::string_view tag) const {
  for (const Cypher& cypher : cyphers) {
    if (cypher.acceptsTag(tag)) return &cypher;
  }
  return nullptr;
}
