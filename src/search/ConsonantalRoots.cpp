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

SearchResult rootMatches(const Dictionary& dictionary, std::string_view root) {
  const std::string lowerRoot = lowerCaseForm(root);
  SearchResult result;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    const std::string_view text = dictionary.text(entry);
    if (!rootEquals(text, lowerRoot)) continue;
    result.shown.append("    ").append(text) += '\n';
    result.written.append("* ").append(text).append(" . . . . ([ety](").append(kWikiBaseUrl);
    result.written.append("/wiki/").append(text).append("))\n");
  }
  result.written +=
      "----\n* ([Consonant Roots](/r/SurveyorsOfAges/wiki/discovery/consonant-roots/))\n";
  return result;
}

RootSearch consonantalRootSearch(const Dictionary& dictionary, std::string_view spell,
                                 const std::string& resultsFolder, Console& console) {
  const std::string root = consonantalRoot(spell);
  if (root.empty()) {
    console.line("Consonantal root extraction returned empty string.");
    return RootSearch::emptyRoot;
  }
  return publishSearchResult(resultsFolder, "conroots_" + root + ".txt", Announce::path,
                             rootMatches(dictionary, root), console)
             ? RootSearch::written
             : RootSearch::failed;
}
