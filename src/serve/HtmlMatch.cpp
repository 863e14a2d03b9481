#include <string>

#include "serve/Html.h"
#include "serve/Url.h"
#include "text/Text.h"

namespace {

void appendMarker(std::string& out, Marker marker) {
  const MarkerForm& form = markerForm(marker);
  out.append("<abbr class=\"m-").append(form.name).append("\" title=\"");
  appendHtmlEscaped(out, form.meaning);
  out += "\">";
  appendHtmlEscaped(out, form.text);
  out += "</abbr>";
}

// A listed spell as the console shows it: the class gives its colour, the
// brackets and the brace list of markers are as on the console.
void appendSpell(std::string& out, const ListedSpell& spell, Against against) {
  const DisplayForm& form = displayForm(spell.look.displayClass);
  out.append("<li class=\"d-").append(form.name).append("\">");
  if (spell.emphasised) out += "<em>";
  out.append(form.open).append("<a href=\"");
  appendHtmlEscaped(out, matchPagePath(spell.text, against));
  out += "\">";
  appendHtmlEscaped(out, spell.text);
  if (spell.look.query) out += "(?)";
  out.append("</a>").append(form.close);
  if (spell.emphasised) out += "</em>";
  if (spell.look.markers != 0) {
    out += " {";
    bool first = true;
    for (size_t marker = 0; marker < kMarkers; ++marker) {
      if (!spell.look.shows(static_cast<Marker>(marker))) continue;
      if (!first) out += ',';
      appendMarker(out, static_cast<Marker>(marker));
      first = false;
    }
    out += '}';
  }
  out += "</li>\n";
}

void appendLegend(std::string& out) {
  out += "<details class=\"legend\"><summary>How spells are shown</summary>\n<dl>\n";
  for (size_t c = 0; c < kDisplayClasses; ++c) {
    const DisplayForm& form = displayForm(static_cast<DisplayClass>(c));
    out.append("<dt class=\"d-").append(form.name).append("\">").append(form.open);
    out.append("spell").append(form.close).append("</dt><dd>");
    appendHtmlEscaped(out, form.meaning);
    out += "</dd>\n";
  }
  out +=
      "<dt><em>spell</em></dt><dd>it and the phrase differ in having capitals</dd>\n"
      "<dt>spell(?)</dt><dd>it reads like a question</dd>\n";
  for (size_t marker = 0; marker < kMarkers; ++marker) {
    out += "<dt>";
    appendMarker(out, static_cast<Marker>(marker));
    out += "</dt><dd>";
    appendHtmlEscaped(out, markerForm(static_cast<Marker>(marker)).meaning);
    out += "</dd>\n";
  }
  out += "</dl>\n</details>\n";
}

const char* listName(Against against) {
  switch (against) {
    case Against::spellbook:
      return "the spellbook";
    case Against::all:
      return "the word list and the spellbook";
    default:
      return "the word list";
  }
}

}  // namespace

std::string matchPage(std::string_view spell, Against against, const MatchAnswer& answer) {
  std::string out;
  openPage(out, "Match of " + std::string(spell));
  out += "<h1>Match of <q>";
  appendHtmlEscaped(out, spell);
  out +=
      "</q></h1>\n<form action=\"/match\" method=\"get\">\n<label for=\"spell\">Spell</label>\n"
      "<input id=\"spell\" name=\"spell\" type=\"text\" maxlength=\"4096\" value=\"";
  appendHtmlEscaped(out, spell);
  out += "\">\n<select name=\"against\" aria-label=\"Against\">";
  for (const Against each : {Against::words, Against::spellbook, Against::all}) {
    out.append("<option value=\"").append(nameOf(each)).append("\"");
    if (each == against) out += " selected";
    out.append(">").append(listName(each)).append("</option>");
  }
  out += "</select>\n<button type=\"submit\">Match</button>\n</form>\n<p class=\"summary\">";
  size_t spells = 0;
  for (const ShownGroup& group : answer.groups) spells += group.spells.size();
  out += std::to_string(spells) + (spells == 1 ? " listing" : " listings") + " in " +
         std::to_string(answer.groups.size()) + (answer.groups.size() == 1 ? " group" : " groups") +
         ", against " + listName(against) + ". <a href=\"/?spell=";
  std::string totals;
  appendUrlEncoded(totals, spell);
  out += totals + "\">Its totals</a>";
  const std::string setPath = setPagePath(spell);
  if (!setPath.empty()) {
    out += " <a href=\"";
    appendHtmlEscaped(out, setPath);
    out += "\">Its page of the HTML set</a>";
  }
  out += "</p>\n";
  for (const ShownGroup& group : answer.groups) {
    out += "<section class=\"group\"><h2>";
    out += group.score > 0 ? std::to_string(group.score) + " matches" : "All prime matches";
    out += " <span class=\"count\">(" + std::to_string(group.spells.size()) + ")</span></h2>\n";
    out += "<ul class=\"spells\">\n";
    for (const ListedSpell& listed : group.spells) appendSpell(out, listed, against);
    out += "</ul></section>\n";
  }
  appendLegend(out);
  closePage(out);
  return out;
}
