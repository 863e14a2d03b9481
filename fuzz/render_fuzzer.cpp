// The text and HTML rendering of a match: a dictionary and a phrase from the
// input, every entry placed in some group, rendered both ways.
#include <cstdlib>

#include "FuzzSupport.h"
#include "match/MatchReport.h"
#include "match/MatchScreen.h"
#include "wordlist/Dictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  Dictionary dictionary;
  dictionary.appendFileBytes(piece(parts, 0), Dictionary::HashLines::entries);
  const std::string_view phrase = piece(parts, 1);
  const SpellTotals totals = totalsOf(phrase);
  // Without colour no escape code is written, unless the spells hold one.
  const bool escapesGiven =
      std::string_view(reinterpret_cast<const char*>(data), size).find('\033') !=
      std::string_view::npos;
  MatchGroups groups;
  for (size_t i = 0; i < dictionary.size(); ++i) {
    // Spread the entries over the groups by their first byte.
    const unsigned char first = static_cast<unsigned char>(dictionary.text(i)[0]);
    const Listed listed{static_cast<uint32_t>(i), agreementOf(dictionary.totals(i), totals)};
    groups.byScore[2 + first % (kTopScore - 1)].push_back(listed);
    if (first % 3 == 0) groups.prime.push_back(listed);
  }
  for (bool colour : {true, false}) {
    for (ReportFormat format : {ReportFormat::text, ReportFormat::html}) {
      TextBuffer page, shown;
      appendMatchReport(page, shown, {dictionary, groups, phrase, totals, format, Palette(colour)});
      if (!colour && !escapesGiven && shown.view().find('\033') != std::string_view::npos) abort();
      // HTML text never carries a raw angle bracket of a spell.
      if (format == ReportFormat::html && phrase.find('<') != std::string_view::npos &&
          page.view().find(std::string("<b>") + std::string(phrase) + "</b>") !=
              std::string::npos) {
        abort();
      }
    }
  }
  return 0;
}
