#include "spells/MatchReport.h"

#include <vector>

#include "spells/Dictionary.h"
#include "spells/MatchScreen.h"
#include "text/Colour.h"
#include "text/Text.h"

namespace {

std::string_view firstCharacterOf(std::string_view text) { return text.substr(0, 1); }

// One list line: a plain item, or an emphasised one when the spell and the
// phrase differ in having capitals. HTML items link to the spell's own page,
// which lies in the folder of its first character.
void appendListLine(std::string& page, std::string_view text, std::string_view phrase,
                    bool emphasised, ReportFormat format) {
  if (format == ReportFormat::text) {
    page += emphasised ? "* *" : "* ";
    page += text;
    page += emphasised ? "*\n" : "\n";
    return;
  }
  page += emphasised ? "<li><i><a href=\"" : "<li><a href=\"";
  const std::string_view first = firstCharacterOf(text);
  if (first != firstCharacterOf(phrase)) {
    page += "../";
    appendHrefEscaped(page, first);
    page += '/';
  }
  page += "match_";
  appendHrefEscaped(page, text);
  page += ".htm\">";
  appendHtmlEscaped(page, text);
  page += emphasised ? "</a></i></li>\n" : "</a></li>\n";
}

void appendBanner(std::string& shown, std::string_view heading, std::string_view phrase,
                  const Palette& palette) {
  static const std::string rule(71, '-');
  static const std::string blank(71, ' ');
  shown.append(rule).append("\n").append(blank).append("\n     ");
  palette.paint(shown, Colour::yellow, heading);
  shown.append(" : '").append(phrase).append("'\n");
  shown.append(blank).append("\n").append(rule).append("\n");
}

void appendGroup(std::string& page, std::string& shown, std::string_view heading,
                 const std::vector<uint32_t>& group, const ReportInput& input) {
  if (group.empty()) return;
  const bool html = input.format == ReportFormat::html;
  page.append(html ? "<br>" : "\n\n").append(heading).append(html ? "<br>\n<ul>\n" : "\n\n");
  appendBanner(shown, heading, input.phrase, input.palette);

  const bool phraseHasCapitals = input.phraseTotals.holds(kHoldsCapital);
  bool first = true;
  for (uint32_t entry : group) {
    const std::string_view text = input.dictionary.text(entry);
    if (text == input.phrase) {
      shown.append("[[SEARCHPHRASE:").append(input.phrase).append("]]\n");
      continue;
    }
    const SpellTotals totals = input.dictionary.totals(entry);
    const bool capitalisationMismatch = phraseHasCapitals != totals.holds(kHoldsCapital);
    appendListLine(page, text, input.phrase, capitalisationMismatch, input.format);
    appendListedSpell(shown, text, totals, input.phraseTotals, first, input.palette);
    first = false;
  }
  if (html) page += "</ul>\n";
  shown += '\n';
}

}  // namespace

void appendMatchReport(std::string& page, std::string& shown, const ReportInput& input) {
  const bool html = input.format == ReportFormat::html;
  if (html) {
    std::string phrase;
    appendHtmlEscaped(phrase, input.phrase);
    page.append("<html><head><title>").append(phrase);
    page.append(" (matching spells)</title></head><body>\n<h1>Spells matching: ").append(phrase);
    page.append("</h1>\n<p>The search phrase: '<b>").append(phrase).append("</b>'</p>\n");
  } else {
    page.append("The search phrase: '").append(input.phrase).append("'\n");
  }
  for (int score = kTopScore; score >= 2; --score) {
    const std::string number = std::to_string(score);
    const std::string heading =
        html ? "<h2>" + number + " matches</h2>" : "**" + number + " matches**";
    appendGroup(page, shown, heading, input.groups.byScore[score], input);
  }
  appendGroup(page, shown, html ? "<h2>All prime matches</h2>" : "**All prime matches**",
              input.groups.prime, input);
  if (html) page += "</body></html>\n";
}
