#pragma once

#include <string>
#include <string_view>

#include "io/ResultFile.h"
#include "spells/Match.h"

class Console;

// Where the report of a match for phrase belongs: a text file in
// spellbook/Results, or an HTML page in the folder of the phrase's first
// character below spellbook/ResultsHTML.
struct ReportPlace {
  std::string folder, name;
};
ReportPlace matchReportPlace(std::string_view phrase, ReportFormat format);

// Opens a match report, never overwriting anything: whatever is already at
// its place (a report, a link) sends it to spellbook/Results/temp_match.txt,
// and a report that cannot be written where it belongs goes to the private
// fallback in /tmp. Each detour is told on the console. Not open when nothing
// could be opened.
ResultFile openMatchReport(const ReportPlace& place, Console& console);
