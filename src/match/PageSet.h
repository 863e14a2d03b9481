#pragma once

#include "match/ReportWriter.h"

class Console;
class Dictionary;

// Writes the HTML match page of every entry of the dictionary, each linking
// to the pages of the spells it lists, so that the pages form one set. jobs
// threads score and render pages at once; the console text, the files and
// every detour come out exactly as one thread would leave them, also when
// fewer threads than asked can be started. False when some page could not be
// written in its own folder (whether the fallback in /tmp took it or
// nothing did), or not completely; an existing page's detour to
// temp_match.txt is no failure.
bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, const ReportPlaces& places,
                  Console& console);
