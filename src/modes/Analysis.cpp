#include <algorithm>
#include <string>
#include <vector>

#include "archive/Archive.h"
#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "modes/Modes.h"
#include "modes/Report.h"

namespace {

const char kClosingLine[] = "                      -- VERIGLYPH v3.14 by Corvin-T-Lasse";

// The cyphers of the report, in their places.
std::vector<const Cypher*> reportCyphers() {
  std::vector<std::pair<int, const Cypher*>> placed;
  for (size_t m = 0; m < kBuiltInCyphers; ++m) {
    const Method method = static_cast<Method>(m);
    const int place = builtInRow(method).reportPlace;
    if (place > 0) placed.emplace_back(place, &builtIn(method));
  }
  std::sort(placed.begin(), placed.end());
  std::vector<const Cypher*> cyphers;
  for (const auto& entry : placed) cyphers.push_back(entry.second);
  return cyphers;
}

}  // namespace

void appendReport(std::string& out, std::string_view spell, LineForm form, const Palette& palette) {
  static const std::vector<const Cypher*> cyphers = reportCyphers();
  const bool longForm = form == LineForm::longLine;
  out.append("\"").append(spell).append("\" in multiple systems:\n");
  // Wrapping sums: only an absurdly long spell could reach the limit.
  uint32_t base4 = 0, visible = 0;
  char line[64];
  for (size_t place = 0; place < cyphers.size(); ++place) {
    const Cypher& cypher = *cyphers[place];
    const int32_t total = totalOf(cypher, spell);
    appendTotal(out, cypher, spell, total, form, palette);
    // The first four, the basic English cyphers, make the Base 4 total.
    (place < 4 ? base4 : visible) += static_cast<uint32_t>(total);
    if (place == 3 && longForm) {
      out.append(line, snprintf(line, sizeof line, "\n   ---- Base 4 total: %d -----",
                                static_cast<int>(base4)));
    }
    // The short forms run together on one line, which the last two end.
    if (longForm || place + 2 >= cyphers.size()) out += '\n';
  }
  out.append(line, snprintf(line, sizeof line, " --- Total (all visible ciphers): %d ---\n",
                            static_cast<int>(base4 + visible)));
}

int analyseWord(const Invocation& run) {
  const std::string_view spell = run.args.at(0);
  std::string report;
  appendReport(report, spell, LineForm::longLine, run.console.palette());
  run.console.write(report);
  archiveSpell(spell, run.tree.userSpellbook, run.console);
  run.console.line(kClosingLine);
  return kSuccess;
}

int analyseLine(const Invocation& run) {
  std::string report;
  appendReport(report, run.operand(), LineForm::shortForm, run.console.palette());
  run.console.write(report);
  archiveSpell(run.operand(), run.tree.userSpellbook, run.console);
  return kSuccess;
}
