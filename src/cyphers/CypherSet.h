#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cyphers/BuiltIns.h"
#include "cyphers/Cypher.h"

// The cyphers of one run: the built-in ones, then the user's own, in the order
// their files were read.
class CypherSet {
 public:
  CypherSet();
  void addOwn(Cypher cypher);
  // Adds the cyphers of every .txt file in folder; false, with the line that
  // tells the fault, when a file is faulty.
  bool readOwn(const std::string& folder, std::string& errorLine);

  const std::vector<Cypher>& all() const { return cyphers; }
  size_t indexOf(const Cypher& cypher) const {
    return static_cast<size_t>(&cypher - cyphers.data());
  }
  bool isBuiltIn(const Cypher& cypher) const { return indexOf(cypher) < kBuiltInCyphers; }
  // The first cypher that takes tag, built-in ones first; null when none does.
  const Cypher* findByTag(std::string_view tag) const;

 private:
  std::vector<Cypher> cyphers;
};
