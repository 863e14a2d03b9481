#include "match/Match.h"

#include "io/Console.h"
#include "match/MatchReport.h"
#include "match/Scoring.h"
#include "wordlist/Dictionary.h"

bool dictionaryMatch(const Dictionary& dictionary, std::string_view phrase, ReportFormat format,
                     const ReportPlaces& places, Console& console) {
  MatchGroups groups;
  scoreEntries(dictionary, totalsOf(phrase), groups);
  return reportMatch(dictionary, groups, phrase, format, places, console);
}

bool reportMatch(const Dictionary& listed, const MatchGroups& groups, std::string_view phrase,
                 ReportFormat format, const ReportPlaces& places, Console& console) {
  console.write("Performing dictionary match against <");
  console.write(phrase);
  console.write(">\n");
  const SpellTotals totals = totalsOf(phrase);
  TextBuffer page, shown;
  appendMatchReport(page, shown, {listed, groups, phrase, totals, format, console.palette()});
  const WrittenReport report =
      writeReport(places, reportPlace(places, phrase, format), page.view(), console);
  return report.opened && showMatchEnd(shown.view(), report, console);
}
