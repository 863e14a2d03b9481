#include "search/ConsonantalRoots.h"

#include "Layout.h"
#include "io/Console.h"
#include "io/ResultFile.h"
#include "wordlist/Dictionary.h"
#include "text/Ascii.h"
#include "text/Text.h"

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

RootSearch consonantalRootSearch(const Dictionary& dictionary, std::string_view spell,
                                 Console& console) {
  const std::string root = consonantalRoot(spell);
  if (root.empty()) {
    console.line("Consonantal root extraction returned empty string.");
    return RootSearch::emptyRoot;
  }
  ResultFile file(kResultsFolder, "conroots_" + root + ".txt", ResultFile::Mode::overwrite);
  console.format("Output file will be: %s\n", file.path().c_str());
  if (!file.isOpen()) {
    console.format("ERROR: failed to open output file (%s)\n", file.path().c_str());
    return RootSearch::failed;
  }
  const std::string lowerRoot = lowerCaseForm(root);
  std::string shown, written;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    const std::string_view text = dictionary.text(entry);
    if (!rootEquals(text, lowerRoot)) continue;
    shown.append("    ").append(text) += '\n';
    written.append("* ").append(text).append(" . . . . ([ety](").append(kWikiBaseUrl);
    written.append("/wiki/").append(text).append("))\n");
  }
  written += "----\n* ([Consonant Roots](/r/SurveyorsOfAges/wiki/discovery/consonant-roots/))\n";
  console.write(shown);
  file.write(written);
  return finishResultFile(file, console) ? RootSearch::written : RootSearch::failed;
}
