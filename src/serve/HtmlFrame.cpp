#include "serve/Html.h"

#include "serve/Url.h"
#include "text/Text.h"

void openPage(std::string& out, std::string_view title) {
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
  appendHtmlEscaped(out, title);
  out +=
      " - veriglyph</title>\n<link rel=\"stylesheet\" href=\"/style.css\">\n"
      "<link rel=\"icon\" href=\"/favicon.ico\" type=\"image/svg+xml\">\n"
      "<script src=\"/script.js\" defer></script>\n</head>\n<body>\n"
      "<header><nav><a href=\"/\">Calculator</a> <a href=\"/find\">Value search</a></nav>"
      "</header>\n<main>\n";
}

void closePage(std::string& out) {
  out += "</main>\n<footer>veriglyph " VERIGLYPH_VERSION "</footer>\n</body>\n</html>\n";
}

std::string errorPage(int status, std::string_view message) {
  std::string out;
  const std::string title = "Error " + std::to_string(status);
  openPage(out, title);
  out += "<h1>" + title + "</h1>\n<p class=\"error\">";
  appendHtmlEscaped(out, message);
  out += "</p>\n";
  closePage(out);
  return out;
}

std::string setPagePath(std::string_view spell) {
  if (spell.empty() || spell.find('/') != std::string_view::npos) return {};
  std::string path = "/set/";
  appendUrlEncoded(path, spell.substr(0, 1));
  path += "/match_";
  appendUrlEncoded(path, spell);
  path += ".htm";
  return path;
}

std::string matchPagePath(std::string_view spell, Against against) {
  std::string path = "/match?spell=";
  appendUrlEncoded(path, spell);
  if (against != Against::words) path.append("&against=").append(nameOf(against));
  return path;
}
