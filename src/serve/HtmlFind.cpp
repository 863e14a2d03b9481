#include <string>

#include "cyphers/Cypher.h"
#include "serve/Html.h"
#include "serve/ServeState.h"
#include "text/Text.h"

std::string findPage(const ServeState& state, const std::string* terms, const FindAnswer* answer) {
  std::string out;
  openPage(out, "Value search");
  out +=
      "<h1>Value search</h1>\n<form action=\"/find\" method=\"get\">\n"
      "<label for=\"q\">Values</label>\n<input id=\"q\" name=\"q\" type=\"text\" "
      "maxlength=\"4096\" placeholder=\"33ord/21red\" value=\"";
  if (terms != nullptr) appendHtmlEscaped(out, *terms);
  out +=
      "\">\n<button type=\"submit\">Search</button>\n</form>\n"
      "<p class=\"hint\">Values and cypher tags, slash-separated: <code>33ord/21red</code> "
      "lists the entries of the word list with 33 in English Ordinal and 21 in English "
      "Reduced.</p>\n";
  if (answer != nullptr) {
    out += "<p class=\"summary\">";
    for (size_t i = 0; i < answer->terms.size(); ++i) {
      const SearchTerm& term = answer->terms[i];
      if (i > 0) out += ", ";
      out += term.valueText + " in ";
      appendHtmlEscaped(out, term.cypher->name);
    }
    const size_t found = answer->entries.size();
    out += ": " + std::to_string(found) + (found == 1 ? " entry" : " entries") +
           " of the word list.</p>\n<ul class=\"spells\">\n";
    for (const uint32_t entry : answer->entries) {
      const std::string_view text = state.words().text(entry);
      out += "<li><a href=\"";
      appendHtmlEscaped(out, matchPagePath(text, Against::words));
      out += "\">";
      appendHtmlEscaped(out, text);
      out += "</a></li>\n";
    }
    out += "</ul>\n";
  }
  closePage(out);
  return out;
}
