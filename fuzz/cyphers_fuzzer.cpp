// Every cypher over any text, computed and printed in both forms, with and
// without colour; the loader's one-pass totals must agree with each walk.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherSet.h"
#include "wordlist/SpellTotals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const SpellTotals totals = totalsOf(text);
  for (size_t m = 0; m < kBuiltInCyphers; ++m) {
    const Cypher& cypher = builtInCyphers()[m];
    const int32_t total = totalOf(cypher, text);
    if (m < kSpellCyphers && totals.totals[m] != total) abort();
    for (bool colour : {true, false}) {
      std::string out;
      appendTotal(out, cypher, text, total, LineForm::longLine, Palette(colour));
      appendTotal(out, cypher, text, total, LineForm::shortForm, Palette(colour));
      if (!colour && out.find('\033') != std::string::npos) abort();
    }
  }
  bool disagree = false;
  const int root = digitalRoot(totals[Method::ordinal], totals[Method::reduced], disagree);
  if (root < 0 || root > 9) abort();
  return 0;
}
