#include "search/ConsonantalRoots.h"

#include "io/Console.h"
#include "text/Ascii.h"
#include "text/Text.h"
#include "wordlist/Dictionary.h"

namespace {

constexpr char kWikiBaseUrl[] = "https://en.wiktionary.org";

bool leftOutOfRoot(unsigned char c) {
  switch (c) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
      return true;
    default:
      return isDigit(c);
  }
}

// Compares text's root, lower-cased, with an already lower-cased root,
// without building the text's root.
bool rootEquals(std::string_view text, std::string_view lowerRoot) {
  size_t matched = 0;
  for (unsigned char c : text) {
    if (leftOutOfRoot(c)) continue;
    if (matched == lowerRoot.size() || lower(c) != static_cast<unsigned char>(lowerRoot[matched])) {
      return false;
    }
    ++matched;
  }
  return matched == lowerRoot.size();
}

}  // namespace

std::string consonantalRoot(std::string_view text) {
  std::string root;
  for (char c : text) {
    if (!leftOutOfRoot(static_cast<unsigned char>(c))) root += c;
  }
  return root;
}

RootMatches::RootMatches(std::string_view root) : root(root), lowerRoot(lowerCaseForm(root)) {}

void RootMatches::offer(std::string_view text) {
  if (!rootEquals(text, lowerRoot)) return;
  found.shown.append("    ").append(text) += '\n';
  found.written.append("* ").append(text).append(" . . . . ([ety](").append(kWikiBaseUrl);
  found.written.append("/wiki/").append(text).append("))\n");
}

bool RootMatches::publish(const std::string& resultsFolder, Console& console) {
  found.written +=
      "----\n* ([Consonant Roots](/r/SurveyorsOfAges/wiki/discovery/consonant-roots/))\n";
  return publishSearchResult(resultsFolder, "conroots_" + root + ".txt", Announce::path, found,
                             console);
}
