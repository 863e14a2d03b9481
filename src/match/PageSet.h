#pragma once

#include "match/ReportWriter.h"

class Console;
class Dictionary;

// Writes the HTML match page of every entry of the dictionary, each linking
// to the pages of the spells it lists, so that the pages form one set. jobs
// threads score and render pages at once; the console text, the files and
// every detour come out exactly as one thread would leave them. False when
// some page could be written nowhere, or not completely.
bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, const ReportPlaces& places,
                  Console& console);
