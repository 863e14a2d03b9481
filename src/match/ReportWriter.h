#pragma once

#include <string>
#include <string_view>

#include "io/ResultFile.h"
#include "match/Scoring.h"

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
// The same detours for a report whose own file, at the place given, could not
// be created (openError is the reason, an errno value).
ResultFile reportDetour(const ResultFile& refused, Console& console);

// The console's part of a match once its report is written or not: the loop's
// frame around the groups, then "Done." or the write error. False on the
// error.
bool showMatchEnd(std::string_view shown, const ResultFile& report, bool written, Console& console);
