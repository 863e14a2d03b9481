#pragma once

#include <string_view>

#include "match/ReportWriter.h"

class Console;
class Dictionary;
struct MatchGroups;

// The whole match of one phrase against the dictionary: scoring, the report
// with its detours, and the console rendering. False when the report could be
// written nowhere, or not completely.
bool dictionaryMatch(const Dictionary& dictionary, std::string_view phrase, ReportFormat format,
                     const ReportPlaces& places, Console& console);

// The match of a phrase whose listed entries are grouped already (the groups
// refer to entries of listed): the report with its detours, and the console
// rendering. False as above.
bool reportMatch(const Dictionary& listed, const MatchGroups& groups, std::string_view phrase,
                 ReportFormat format, const ReportPlaces& places, Console& console);
