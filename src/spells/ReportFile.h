#pragma once

#include <string>
#include <string_view>

#include "io/ResultFile.h"
#include "spells/Match.h"

class Console;

// Where the report of a match for phrase belongs: a text file in
// spellbook/Results, or an HTML page in the folder of the phrase's first
// character below spellbook/ResultsHTML.
std::string matchReportPath(std::string_view phrase, ReportFormat format);

// Opens a match report, never overwriting an existing one: that sends the
// report to spellbook/Results/temp_match.txt, and a report that cannot be
// written where it belongs goes to the private fallback in /tmp. Each detour
// is told on the console. Not open when nothing could be opened.
ResultFile openMatchReport(const std::string& path, Console& console);
