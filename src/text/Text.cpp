#include "text/Text.h"

#include "text/Ascii.h"

bool hasCapitals(std::string_view text) {
  for (unsigned char c : text) {
    if (isUpper(c)) return true;
  }
  return false;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string lowerCaseForm(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(lower(static_cast<unsigned char>(c)));
  return lowered;
}

namespace {

const char* htmlEntity(char c) {
  switch (c) {
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '&':
      return "&amp;";
    case '"':
      return "&quot;";
    default:
      return nullptr;
  }
}

const char* percentCode(char c) {
  switch (c) {
    case '%':
      return "%25";
    case '#':
      return "%23";
    case '?':
      return "%3F";
    default:
      return nullptr;
  }
}

}  // namespace

void appendHtmlEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (const char* entity = htmlEntity(c)) {
      out += entity;
    } else {
      out += c;
    }
  }
}

void appendHrefEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (const char* code = percentCode(c)) {
      out += code;
    } else if (const char* entity = htmlEntity(c)) {
      out += entity;
    } else {
      out += c;
    }
  }
}
