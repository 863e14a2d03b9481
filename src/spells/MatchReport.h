#pragma once

#include <string>
#include <string_view>

#include "spells/Match.h"

class Dictionary;
class Palette;

// What a match report is made of.
struct ReportInput {
  const Dictionary& dictionary;
  const MatchGroups& groups;
  std::string_view phrase;
  const SpellTotals& phraseTotals;
  ReportFormat format;
  const Palette& palette;
};

// Appends the report file's text to page and its console rendering to shown:
// the score groups from the top down, then the prime group. Each written
// group gets its heading and one line per spell in the file, and a banner and
// one line of coloured spells on the console. The phrase itself is listed on
// the console only.
void appendMatchReport(std::string& page, std::string& shown, const ReportInput& input);
