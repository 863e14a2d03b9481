#pragma once

#include <string>
#include <string_view>

#include "io/ResultFile.h"
#include "match/ReportFormat.h"

class Console;

// Where match reports go.
struct ReportPlaces {
  std::string results;       // text reports, and search results
  std::string pages;         // HTML pages, in a folder per first character
  std::string tempReport;    // a report whose own file is already there
  std::string tempFallback;  // a report that cannot be written in the tree
};

// Where the report of a match for phrase belongs: a text file among the
// results, or an HTML page in the folder of the phrase's first character.
struct ReportPlace {
  std::string folder, name;
  // A page's letter folder is ours: a link there counts as no folder at all.
  ResultFile::FolderLink folderLink = ResultFile::FolderLink::followed;
};
ReportPlace reportPlace(const ReportPlaces& places, std::string_view phrase, ReportFormat format);

// A report written, or the reason it could not be.
struct WrittenReport {
  std::string path;   // the file it went to, or the one that refused it
  int openError = 0;  // why its file could not be opened (an errno value), else 0
  bool opened = false;
  bool complete = false;  // every byte reached the file
  bool fellBack = false;  // it went to the fallback in /tmp, or nowhere
};

// Writes a report into its own file, only ever created new: whatever is
// already at its place (a report, a link) is left alone, and the file appears
// whole or not at all. Says nothing, so that many threads may write reports
// at once.
WrittenReport writeOwnReport(const ReportPlace& place, std::string_view text);
// The same, in its folder opened already (folderFd, borrowed), or that could
// not be opened (folderFd -1, folderError why): for a set of many pages in a
// few folders.
WrittenReport writeOwnReport(const ReportPlace& place, int folderFd, int folderError,
                             std::string_view text);
// The detours of a report whose own file refused it, told on the console:
// when something was already there, spellbook/Results/temp_match.txt
// (replaced whole); when that fails or the place could not be written at all,
// the private fallback in /tmp.
WrittenReport writeReportDetour(const WrittenReport& refused, std::string_view text,
                                const ReportPlaces& places, Console& console);
// Both, in order.
WrittenReport writeReport(const ReportPlaces& places, const ReportPlace& place,
                          std::string_view text, Console& console);

// The console's part of a match once its report is written or not: the loop's
// frame around the groups, then "Done." or the write error. False on the
// error.
bool showMatchEnd(std::string_view shown, const WrittenReport& report, Console& console);
