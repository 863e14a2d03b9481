#pragma once

#include <string_view>

#include "match/ReportWriter.h"

class Console;
class Dictionary;

// The whole match of one phrase against the dictionary: scoring, the report
// with its detours, and the console rendering. False when the report could be
// written nowhere, or not completely.
bool dictionaryMatch(const Dictionary& dictionary, std::string_view phrase, ReportFormat format,
                     const ReportPlaces& places, Console& console);
