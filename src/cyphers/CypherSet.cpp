#include "cyphers/CypherSet.h"

#include "cyphers/CypherFile.h"

#include "cyphers/ALW.h"
#include "cyphers/EnglishExtended.h"
#include "cyphers/EnglishOrdinal.h"
#include "cyphers/EnglishReduced.h"
#include "cyphers/EnglishReverseReduced.h"
#include "cyphers/Fibonacci.h"
#include "cyphers/FrancBaconis.h"
#include "cyphers/FrancisBacon.h"
#include "cyphers/Jewish.h"
#include "cyphers/JewishReduced.h"
#include "cyphers/KFW.h"
#include "cyphers/KVException.h"
#include "cyphers/OldEnglish.h"
#include "cyphers/Primes.h"
#include "cyphers/ReverseOrdinal.h"
#include "cyphers/Satanic.h"
#include "cyphers/Septenary.h"
#include "cyphers/Sexception.h"
#include "cyphers/Squares.h"
#include "cyphers/Sumerian.h"
#include "cyphers/Trigonal.h"

namespace {

// The registry: every built-in cypher, in Method order.
const BuiltInCypher* const kRegistry[] = {
    &kEnglishOrdinal,
    &kEnglishReduced,
    &kReverseOrdinal,
    &kEnglishReverseReduced,
    &kKVException,
    &kSexception,
    &kSumerian,
    &kJewish,
    &kJewishReduced,
    &kFrancisBacon,
    &kFrancBaconis,
    &kSatanic,
    &kSeptenary,
    &kPrimes,
    &kTrigonal,
    &kSquares,
    &kEnglishExtended,
    &kALW,
    &kKFW,
    &kOldEnglish,
    &kFibonacci,
};
static_assert(sizeof kRegistry / sizeof kRegistry[0] == kBuiltInCyphers);

}  // namespace

const std::vector<Cypher>& builtInCyphers() {
  static const std::vector<Cypher> cyphers = [] {
    std::vector<Cypher> built;
    built.reserve(kBuiltInCyphers);
    for (const BuiltInCypher* facts : kRegistry) built.push_back(Cypher::builtIn(*facts));
    return built;
  }();
  return cyphers;
}

const Cypher& builtIn(Method method) { return builtInCyphers()[index(method)]; }

const BuiltInCypher& builtInFacts(Method method) { return *kRegistry[index(method)]; }

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
