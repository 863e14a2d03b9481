#pragma once

class Console;
class Dictionary;

// Writes the HTML match page of every entry of the dictionary, each linking
// to the pages of the spells it lists, so that the pages form one set. jobs
// threads score and render pages at once; the console text, the files and
// every fallback come out exactly as one thread would leave them. False when
// some page could be written nowhere, or not completely.
bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, Console& console);

// How many threads write the set: VERIGLYPH_JOBS when it is a positive whole
// number, otherwise one per online CPU; at most 16.
unsigned pageSetJobs();
