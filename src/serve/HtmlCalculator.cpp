#include <string>

#include "cyphers/Cypher.h"
#include "serve/Html.h"
#include "serve/ServeState.h"
#include "serve/Url.h"
#include "text/Text.h"

namespace {

const char* colourName(Colour colour) {
  static const char* const kNames[] = {"none", "red",     "green", "yellow",
                                       "blue", "magenta", "cyan",  "none"};
  return kNames[static_cast<size_t>(colour)];
}

// One row of the table; the script builds the same rows from /api/totals.
void appendRow(std::string& out, const CypherTotal& row) {
  const Cypher& cypher = *row.cypher;
  out.append("<tr data-id=\"");
  appendHtmlEscaped(out, cypher.defaultTag);
  out.append("\" class=\"c-").append(colourName(cypher.colour));
  if (!row.counts) out += " inapplicable";
  out += "\"><td class=\"name\">";
  appendHtmlEscaped(out, cypher.name);
  out += "</td><td class=\"tag\">";
  appendHtmlEscaped(out, cypher.defaultTag);
  out += "</td><td class=\"total\">";
  const std::string total = std::to_string(static_cast<uint32_t>(row.total));
  if (row.searchTag.empty()) {
    out += total;
  } else {
    std::string find = "/find?q=";
    appendUrlEncoded(find, total + std::string(row.searchTag));
    out += "<a href=\"";
    appendHtmlEscaped(out, find);
    out += "\">" + total + "</a>";
  }
  out += "</td><td class=\"root\">" + std::to_string(row.root) + "</td><td class=\"breakdown\">";
  appendHtmlEscaped(out, row.breakdown);
  out += "</td></tr>\n";
}

}  // namespace

std::string calculatorPage(const ServeState& state, const std::string* spell) {
  std::string out;
  openPage(out, "Calculator");
  out +=
      "<h1>Calculator</h1>\n<form id=\"calculator\" action=\"/\" method=\"get\">\n"
      "<label for=\"spell\">Spell</label>\n<input id=\"spell\" name=\"spell\" type=\"text\" "
      "maxlength=\"4096\" autocomplete=\"off\" autofocus value=\"";
  if (spell != nullptr) appendHtmlEscaped(out, *spell);
  out +=
      "\">\n<button type=\"submit\">Show totals</button>\n"
      "<button type=\"button\" id=\"save\" hidden>Save to spellbook</button>\n"
      "<output id=\"status\"></output>\n</form>\n<p id=\"links\"";
  const bool shown = spell != nullptr && !spell->empty();
  if (!shown) out += " hidden";
  out += "><a id=\"match-link\" href=\"";
  if (shown) appendHtmlEscaped(out, matchPagePath(*spell, Against::words));
  out += "\">The match of this spell</a> <a id=\"set-link\" href=\"";
  const std::string setPath = shown ? setPagePath(*spell) : std::string();
  appendHtmlEscaped(out, setPath);
  out += "\"";
  if (setPath.empty()) out += " hidden";
  out +=
      ">Its page of the HTML set</a></p>\n<table id=\"totals\"><thead><tr><th>Cypher</th>"
      "<th>Tag</th><th>Total</th><th>Root</th><th>Breakdown</th></tr></thead>\n<tbody>\n";
  if (shown) {
    for (const CypherTotal& row : totalsIn(state, *spell)) appendRow(out, row);
  }
  out += "</tbody></table>\n";
  closePage(out);
  return out;
}
