#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/SearchResult.h"
#include "wordlist/SpellTotals.h"

class Console;

// The entries whose digital root is number, offered one by one, and a line
// for each entry whose roots cannot be worked out.
class ReductionMatches {
 public:
  explicit ReductionMatches(int32_t number) : number(number) {}
  void offer(std::string_view text, const SpellTotals& totals);
  const SearchResult& result() const { return found; }
  // Lists them on the console and in reduction_<number>.txt among the
  // results. False when the file cannot be written.
  bool publish(const std::string& resultsFolder, Console& console) const;

 private:
  int32_t number;
  SearchResult found;
};
