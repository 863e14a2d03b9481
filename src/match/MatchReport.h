#pragma once

#include <cstdint>
#include <string_view>

#include "match/ReportFormat.h"
#include "match/Scoring.h"
#include "text/TextBuffer.h"

class Dictionary;
class ListingTable;
class Palette;

// What a match report is made of. With a listing table, what the report needs
// of each listed entry is looked up there instead of worked out.
struct ReportInput {
  const Dictionary& dictionary;
  const MatchGroups& groups;
  std::string_view phrase;
  const SpellTotals& phraseTotals;
  ReportFormat format;
  const Palette& palette;
  const ListingTable* listing = nullptr;
};

// Appends the report file's text to page and its console rendering to shown:
// the score groups from the top down, then the prime group. Each written
// group gets its heading and one line per spell in the file, and a banner and
// one line of coloured spells on the console. The phrase itself is listed on
// the console only.
void appendMatchReport(TextBuffer& page, TextBuffer& shown, const ReportInput& input);
// The report file's text alone, the same bytes.
void appendMatchPage(TextBuffer& page, const ReportInput& input);
