#include "spells/DictionarySearch.h"

#include <cstdlib>
#include <cstring>

#include "Settings.h"
#include "Utils.h"
#include "cyphers/Cyphers.h"

Dictionary dict;

const char* const kWordListPath = "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";
const char* const kUserSpellbookPath = "spellbook/user_entries.txt";
const char* const kWikiBaseUrl = "https://en.wiktionary.org";

namespace {

const char* const kTempFallbackPath = "/tmp/veriglyph_temp_match.txt";

// Creates or truncates a result file, saying so when it cannot.
FILE* openResultFile(const std::string& path) {
  FILE* file = fopen(path.c_str(), "w");
  if (file == nullptr) printf("ERROR: failed to open output file (%s)\n", path.c_str());
  return file;
}

// Closes a result file; a file cut short (a full disk, an I/O error) is a
// failure, not a result.
bool finishResultFile(FILE* file, const std::string& path) {
  if (closeWritten(file)) return true;
  printf("ERROR: failed to write output file (%s)\n", path.c_str());
  return false;
}

}  // namespace

// ---------------------------------------------------------------------------
// Dictionary and loading

void Dictionary::addWord(const std::string& text) {
  if (text.empty()) return;
  words.emplace_back(text);
}

bool loadDictionary(bool userSpellbook) {
  fputs("Loading dictionary file ", stdout);
  const char* path = userSpellbook ? kUserSpellbookPath : kWordListPath;
  printf("(%s)...", path);
  fflush(stdout);

  FILE* file = fopen(path, "r");
  if (file == nullptr) {
    fputs("\nERROR - failed to open dictionary file.", stdout);
    return false;
  }
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t length;
  std::string entry;
  while ((length = getline(&line, &capacity, file)) > 0) {
    if (userSpellbook && line[0] == '#') continue;
    size_t end = static_cast<size_t>(length);
    if (line[end - 1] == '\n') {
      --end;
      if (end > 0 && line[end - 1] == '\r') --end;
    }
    // An entry ends at its first NUL byte.
    const void* nul = memchr(line, '\0', end);
    if (nul != nullptr) end = static_cast<size_t>(static_cast<const char*>(nul) - line);
    entry.assign(line, end);
    dict.addWord(entry);
  }
  free(line);
  fclose(file);
  puts("Done.");
  return true;
}

// ---------------------------------------------------------------------------
// Value search

namespace {

// The cyphers a search term can name, in the order they are asked. A spell
// carries no Fibonacci total, so Fibonacci is not among them.
struct SearchableCypher {
  bool (*isCypherTag)(const std::string&);
  const std::string& (*defaultCypherTag)();
  int32_t Spell::*total;
};

template <typename Cypher>
constexpr SearchableCypher searchable(int32_t Spell::*total) {
  return {&Cypher::isCypherTag, &Cypher::defaultCypherTag, total};
}

const SearchableCypher kSearchableCyphers[] = {
    searchable<EnglishOrdinal>(&Spell::ordinalValue),
    searchable<EnglishReduced>(&Spell::reducedValue),
    searchable<ReverseOrdinal>(&Spell::reverseValue),
    searchable<EnglishReverseReduced>(&Spell::reverseReducedValue),
    searchable<Sumerian>(&Spell::sumerianValue),
    searchable<EnglishExtended>(&Spell::extendedValue),
    searchable<FrancBaconis>(&Spell::baconisValue),
    searchable<FrancisBacon>(&Spell::baconValue),
    searchable<OldEnglish>(&Spell::oldEnglishValue),
    searchable<Jewish>(&Spell::jewishValue),
    searchable<JewishReduced>(&Spell::jewishReducedValue),
    searchable<KVException>(&Spell::kvexceptionValue),
    searchable<Sexception>(&Spell::sexceptionValue),
    searchable<Satanic>(&Spell::satanicValue),
    searchable<Septenary>(&Spell::septenaryValue),
    searchable<Primes>(&Spell::primesValue),
    searchable<Trigonal>(&Spell::trigonalValue),
    searchable<Squares>(&Spell::squaresValue),
    searchable<ALW>(&Spell::alwValue),
    searchable<KFW>(&Spell::kfwValue),
};

// "**33** ord / **21** red"
std::string termList(const std::vector<SearchTerm>& terms) {
  std::string list;
  for (size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) list += " / ";
    list += "**" + terms[i].valueText + "** " + terms[i].cypherTag;
  }
  return list;
}

}  // namespace

std::vector<std::string> extractSearchValues(const std::string& searchString) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : searchString) {
    if (c == '/') {
      pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

SearchTerm createSearchTerm(const std::string& rawTerm) {
  SearchTerm term;
  int64_t value = 0;
  for (char c : rawTerm) {
    if (isLetter(static_cast<unsigned char>(c))) {
      term.cypherTag += c;
    } else if (isDigit(static_cast<unsigned char>(c))) {
      term.valueText += c;
      // Past the largest total a term can never match; stop growing there.
      if (term.inRange) value = value * 10 + (c - '0');
      if (value > INT32_MAX) term.inRange = false;
    }
  }
  term.value = term.inRange ? static_cast<int32_t>(value) : 0;
  return term;
}

bool recogniseSearchTerm(SearchTerm& term) {
  for (const SearchableCypher& cypher : kSearchableCyphers) {
    if (cypher.isCypherTag(term.cypherTag)) {
      term.cypherTag = cypher.defaultCypherTag();
      term.total = cypher.total;
      return true;
    }
  }
  return false;
}

bool termMatches(const SearchTerm& term, const Spell& spell) {
  if (term.total == nullptr || !term.inRange || spell.*term.total != term.value) return false;
  // A Francis Bacon total only means something for a spell with capitals.
  return term.total != &Spell::baconValue || spell.hasCapitals();
}

bool dictionarySearch(const std::string& searchString) {
  std::vector<SearchTerm> terms;
  std::string termKey;
  if (searchString.empty()) {
    fputs("Dictionary mode...", stdout);
  } else {
    fputs("Search mode:", stdout);
    const std::vector<std::string> rawTerms = extractSearchValues(searchString);
    printf("  number of search terms: %d\n", static_cast<int>(rawTerms.size()));
    fputs("  search terms:", stdout);
    for (const std::string& rawTerm : rawTerms) {
      printf("    %s\n", rawTerm.c_str());
      SearchTerm term = createSearchTerm(rawTerm);
      printf(" [%s]:[%s]=[%u]\n", term.cypherTag.c_str(), term.valueText.c_str(),
             static_cast<unsigned>(term.value));
      termKey += term.valueText + term.cypherTag;
      recogniseSearchTerm(term);
      terms.push_back(term);
    }
  }

  const std::string path = outputDirectoryPath + "/output_" + termKey + ".txt";
  FILE* file = openResultFile(path);
  if (file == nullptr) return false;
  const std::string list = termList(terms);
  const uint64_t count = dict.wordCount();
  for (uint64_t i = 0; i < count; ++i) {
    const Spell& spell = *dict.getWord(i);
    size_t matching = 0;
    for (const SearchTerm& term : terms) {
      if (!termMatches(term, spell)) break;
      ++matching;
    }
    if (matching < terms.size()) continue;
    printf("MATCH: \"%s\" = %s\n", spell.text.c_str(), searchString.c_str());
    fprintf(file, "* *\"%s\"* = %s\n", spell.text.c_str(), list.c_str());
  }
  if (!finishResultFile(file, path)) return false;
  puts("Done.");
  return true;
}

// ---------------------------------------------------------------------------
// Consonantal roots

namespace {

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

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares text's root, lower-cased, with an already lower-cased root,
// without building the text's root.
bool rootEquals(const std::string& text, const std::string& lowerRoot) {
  size_t matched = 0;
  for (char c : text) {
    if (leftOutOfRoot(static_cast<unsigned char>(c))) continue;
    if (matched == lowerRoot.size() || lowerAscii(c) != lowerRoot[matched]) return false;
    ++matched;
  }
  return matched == lowerRoot.size();
}

}  // namespace

std::string extractConsonantalRoots(const std::string& text) {
  std::string root;
  for (char c : text) {
    if (!leftOutOfRoot(static_cast<unsigned char>(c))) root += c;
  }
  if (!silent) printf("Result: %s\n", root.c_str());
  return root;
}

bool consonantalRootSearch(const std::string& spell) {
  const std::string root = extractConsonantalRoots(spell);
  if (root.empty()) {
    puts("Consonantal root extraction returned empty string.");
    return false;
  }
  const std::string path = outputDirectoryPath + "/conroots_" + root + ".txt";
  printf("Output file will be: %s\n", path.c_str());
  FILE* file = openResultFile(path);
  if (file == nullptr) return false;
  const std::string lowerRoot = lowerCaseForm(root);
  const uint64_t count = dict.wordCount();
  for (uint64_t i = 0; i < count; ++i) {
    const std::string& text = dict.getWord(i)->text;
    if (!rootEquals(text, lowerRoot)) continue;
    printf("    %s\n", text.c_str());
    fprintf(file, "* %s . . . . ([ety](%s/wiki/%s))\n", text.c_str(), kWikiBaseUrl, text.c_str());
  }
  fputs("----\n* ([Consonant Roots](/r/SurveyorsOfAges/wiki/discovery/consonant-roots/))\n", file);
  return finishResultFile(file, path);
}

// ---------------------------------------------------------------------------
// Reduction search

bool reductionSearch(int32_t number) {
  const std::string path = outputDirectoryPath + "/reduction_" + std::to_string(number) + ".txt";
  printf("Output file will be: %s\n", path.c_str());
  FILE* file = openResultFile(path);
  if (file == nullptr) return false;
  const uint64_t count = dict.wordCount();
  for (uint64_t i = 0; i < count; ++i) {
    const Spell& spell = *dict.getWord(i);
    const int root = spell.digitalRoot();
    if (root == 0) {
      puts("ERROR calculating digital roots.");
    } else if (root == number) {
      printf("    %s\n", spell.text.c_str());
      fprintf(file, "* %s\n", spell.text.c_str());
    }
  }
  return finishResultFile(file, path);
}

// ---------------------------------------------------------------------------
// Prioritized match

namespace {

// A cypher counts towards the score only on equal, non-zero totals.
bool counts(int32_t spellTotal, int32_t phraseTotal) {
  return spellTotal == phraseTotal && spellTotal != 0;
}

std::string firstCharacterOf(const std::string& text) { return text.substr(0, 1); }

std::string reportPath(const std::string& spell) {
  if (outputHTMLPages) {
    return outputDirectoryPath + "HTML/" + firstCharacterOf(spell) + "/match_" + spell + ".htm";
  }
  return outputDirectoryPath + "/match_" + spell + ".txt";
}

// Opens the report, never overwriting an existing one; path becomes the file
// actually written. Null when neither the report nor a fallback opens.
FILE* openReport(std::string& path) {
  if (FILE* existing = fopen(path.c_str(), "r")) {
    fclose(existing);
    puts(
        "Output file already exists. Writing to temp file until the older match-result is "
        "deleted.");
    path = outputDirectoryPath + "/temp_match.txt";
  }
  if (FILE* file = fopen(path.c_str(), "w")) return file;
  printf("WARNING: failed to open output file (%s). Writing to temp file.\n", path.c_str());
  path = kTempFallbackPath;
  if (FILE* file = openPrivateForWriting(kTempFallbackPath)) return file;
  printf("ERROR: failed to open temporary output file (%s).\n", kTempFallbackPath);
  return nullptr;
}

using Group = std::vector<const Spell*>;

void writeReport(FILE* file, const Spell& searchPhrase, const Group* scoreGroups,
                 const Group& primeGroup) {
  const bool html = outputHTMLPages;
  if (html) {
    const std::string phrase = htmlEscape(searchPhrase.text);
    fprintf(file, "<html><head><title>%s (matching spells)</title></head><body>\n", phrase.c_str());
    fprintf(file, "<h1>Spells matching: %s</h1>\n", phrase.c_str());
    fprintf(file, "<p>The search phrase: '<b>%s</b>'</p>\n", phrase.c_str());
  } else {
    fprintf(file, "The search phrase: '%s'\n", searchPhrase.text.c_str());
  }
  for (int score = kMaxGroupScore; score >= 2; --score) {
    const std::string number = std::to_string(score);
    const std::string heading =
        html ? "<h2>" + number + " matches</h2>" : "**" + number + " matches**";
    writeMatches(heading, file, scoreGroups[score], searchPhrase);
  }
  writeMatches(html ? "<h2>All prime matches</h2>" : "**All prime matches**", file, primeGroup,
               searchPhrase);
  if (html) fputs("</body></html>\n", file);
}

void writeListLine(FILE* file, const Spell& spell, const Spell& searchPhrase, bool emphasised) {
  if (!outputHTMLPages) {
    fprintf(file, emphasised ? "* *%s*\n" : "* %s\n", spell.text.c_str());
    return;
  }
  const std::string first = firstCharacterOf(spell.text);
  const std::string folder =
      first == firstCharacterOf(searchPhrase.text) ? "" : "../" + hrefEscape(first) + "/";
  const std::string line = std::string("<li>") + (emphasised ? "<i>" : "") + "<a href=\"" + folder +
                           "match_" + hrefEscape(spell.text) + ".htm\">" + htmlEscape(spell.text) +
                           "</a>" + (emphasised ? "</i>" : "") + "</li>\n";
  fputs(line.c_str(), file);
}

}  // namespace

int matchScore(const Spell& w, const Spell& q, bool& primeMatch) {
  int score = 0;
  if (counts(w.ordinalValue, q.ordinalValue)) score += ordinal.matchPriority();
  if (counts(w.reducedValue, q.reducedValue)) score += reduced.matchPriority();
  if (counts(w.reverseValue, q.reverseValue)) score += reverse.matchPriority();
  if (counts(w.reverseReducedValue, q.reverseReducedValue)) score += reverseReduced.matchPriority();
  if (counts(w.sumerianValue, q.sumerianValue)) score += sumerian.matchPriority();
  if (counts(w.extendedValue, q.extendedValue)) score += extended.matchPriority();
  if (counts(w.jewishValue, q.jewishValue)) score += jewish.matchPriority();
  if (counts(w.jewishReducedValue, q.jewishReducedValue)) score += jewishReduced.matchPriority();
  if (counts(w.oldEnglishValue, q.oldEnglishValue)) score += oldEnglish.matchPriority();
  // K and V only make a difference where a spell holds them and they changed its total.
  if (q.hasKV() && w.hasKV() && w.kvexceptionValue != w.ordinalValue &&
      counts(w.kvexceptionValue, q.kvexceptionValue)) {
    score += kvexception.matchPriority();
  }
  if (q.hasS() && w.hasS() && counts(w.sexceptionValue, q.sexceptionValue)) {
    score += sexception.matchPriority();
  }
  if (w.hasCapitals() && q.hasCapitals() && counts(w.baconValue, q.baconValue)) {
    score += bacon.matchPriority();
  }
  if (counts(w.baconisValue, q.baconisValue)) score += baconis.matchPriority();
  if (counts(w.satanicValue, q.satanicValue)) score += satanic.matchPriority();
  if (counts(w.alwValue, q.alwValue)) score += alw.matchPriority();
  if (counts(w.kfwValue, q.kfwValue)) score += kfw.matchPriority();
  if (counts(w.septenaryValue, q.septenaryValue)) score += septenary.matchPriority();
  primeMatch = counts(w.primesValue, q.primesValue);
  if (primeMatch) score += primes.matchPriority();
  if (counts(w.trigonalValue, q.trigonalValue)) score += trigonal.matchPriority();
  if (counts(w.squaresValue, q.squaresValue)) score += squares.matchPriority();
  return score;
}

bool dictionaryMatch(const std::string& spell) {
  printf("Performing dictionary match against <%s>\n", spell.c_str());
  const Spell searchPhrase(spell);
  std::string path = reportPath(spell);
  FILE* file = openReport(path);
  if (file == nullptr) return false;
  puts("Looping through dictionary...\n-----------------------------");

  Group scoreGroups[kMaxGroupScore + 1];
  Group primeGroup;
  const uint64_t count = dict.wordCount();
  for (uint64_t i = 0; i < count; ++i) {
    const Spell* candidate = dict.getWord(i);
    bool primeMatch = false;
    const int score = matchScore(*candidate, searchPhrase, primeMatch);
    if (score >= 2 && score <= kMaxGroupScore) scoreGroups[score].push_back(candidate);
    if (primeMatch) primeGroup.push_back(candidate);
  }

  writeReport(file, searchPhrase, scoreGroups, primeGroup);
  if (!finishResultFile(file, path)) return false;
  puts("-----------------------------\nDone.");
  return true;
}

// ---------------------------------------------------------------------------
// Match rendering

void writeMatches(const std::string& heading, FILE* file, const Group& group,
                  const Spell& searchPhrase) {
  if (group.empty()) return;
  fprintf(file, outputHTMLPages ? "<br>%s<br>\n<ul>\n" : "\n\n%s\n\n", heading.c_str());

  static const std::string rule(71, '-');
  static const std::string blank(71, ' ');
  printf("%s\n%s\n     \033[33m%s\033[0m : '%s'\n%s\n%s\n", rule.c_str(), blank.c_str(),
         heading.c_str(), searchPhrase.text.c_str(), blank.c_str(), rule.c_str());

  bool first = true;
  for (const Spell* spell : group) {
    if (spell->text == searchPhrase.text) {
      printf("[[SEARCHPHRASE:%s]]\n", searchPhrase.text.c_str());
      continue;
    }
    const bool capitalisationMismatch = searchPhrase.hasCapitals() != spell->hasCapitals();
    writeListLine(file, *spell, searchPhrase, capitalisationMismatch);
    printMatchToScreen(*spell, searchPhrase, first);
    first = false;
  }
  if (outputHTMLPages) fputs("</ul>\n", file);
  putchar('\n');
}

namespace {

// How a listed spell is coloured and bracketed, by the principal cyphers it
// shares with the search phrase.
enum DisplayClass {
  kPlain,
  kStrong,            // Jewish, Trigonal, Squares, English Extended or Franc Baconis
  kStronger,          // both Bacon cyphers, or English Extended and Jewish
  kPrime,             // Primes alone
  kPrimeAndStrong,    // Primes after kStrong
  kPrimeAndStronger,  // Primes after kStronger
  kSatanic,
  kReverseOrSeptenary,
  kReduced,
  kReducedAndStrong,
};

struct DisplayForm {
  const char* open;
  const char* close;
};

const DisplayForm kDisplayForms[] = {
    {"", ""},
    {"\033[35m", "\033[0m"},
    {"[\033[33m", "\033[0m]"},
    {"\033[36m", "\033[0m"},
    {"[[\033[36m", "\033[0m]]"},
    {"[\033[36m", "\033[0m]"},
    {"\033[31m", "\033[0m"},
    {"\033[32m", "\033[0m"},
    {"\033[34m", "\033[0m"},
    {"(\033[35m", "\033[0m)"},
};

struct Markers {
  bool plural = false, doublePlus = false, plus = false, crossed = false, reduced = false,
       reverse = false, septenary = false, oldEnglish = false, kv = false, sexception = false,
       satanic = false, alw = false, kfw = false;
};

void printBraceList(const Markers& m, const Spell& w) {
  const char* symmetry = nullptr;
  if (w.fullSymmetry()) {
    symmetry = "\033[36m%!!\033[0m";
  } else if (w.ordinalSymmetry()) {
    symmetry = "\033[0m%\033[0m";
  } else if (w.reducedSymmetry()) {
    symmetry = "\033[34m%\033[0m";
  } else if (w.alwkfwMatch()) {
    symmetry = "\033[31m%\033[0m";
  }
  const bool opens = m.plus || m.doublePlus || m.crossed || symmetry != nullptr || m.plural ||
                     m.satanic || m.reduced || m.reverse || m.septenary || m.kv || m.sexception ||
                     m.alw || m.kfw;
  if (!opens) return;

  const std::pair<bool, const char*> ordered[] = {
      {m.plural, "\033[33mpl?\033[0m"},
      {m.doublePlus, "\033[33m++\033[0m"},
      {m.plus, "\033[33m+\033[0m"},
      {m.crossed, "\033[32m%@\033[0m"},
      {m.reduced && !m.plus, "\033[34mr\033[0m"},
      {m.reverse, "\033[32mrv\033[0m"},
      {m.septenary, "\033[32msp\033[0m"},
      {m.oldEnglish, "\033[0moe\033[0m"},
      {m.kv, "\033[36mkv\033[0m"},
      {m.sexception, "\033[31msx\033[0m"},
      {m.satanic, "\033[31mst\033[0m"},
      {m.alw, "\033[31mal\033[0m"},
      {m.kfw, "\033[31mkf\033[0m"},
      {symmetry != nullptr, symmetry},
  };
  fputs(" {", stdout);
  bool firstMarker = true;
  for (const auto& [shown, text] : ordered) {
    if (!shown) continue;
    if (!firstMarker) putchar(',');
    fputs(text, stdout);
    firstMarker = false;
  }
  putchar('}');
}

}  // namespace

void printMatchToScreen(const Spell& w, const Spell& q, bool first) {
  int displayClass = kPlain;
  Markers m;
  if (w.jewishValue == q.jewishValue || w.trigonalValue == q.trigonalValue ||
      w.squaresValue == q.squaresValue || w.extendedValue == q.extendedValue ||
      w.baconisValue == q.baconisValue) {
    displayClass = kStrong;
  }
  if ((q.hasCapitals() && w.baconValue == q.baconValue && w.baconisValue == q.baconisValue) ||
      (w.extendedValue == q.extendedValue && w.jewishValue == q.jewishValue)) {
    displayClass = kStronger;
  }
  if (w.primesValue == q.primesValue) {
    displayClass = displayClass == kStrong     ? kPrimeAndStrong
                   : displayClass == kStronger ? kPrimeAndStronger
                                               : kPrime;
  }
  if (w.reducedValue == q.reducedValue) {
    if (displayClass == kPlain) {
      displayClass = kReduced;
    } else if (displayClass == kStrong || displayClass == kStronger) {
      displayClass = kReducedAndStrong;
    } else {
      m.reduced = true;
    }
  }
  if (w.reverseValue == q.reverseValue) {
    if (displayClass == kPlain) displayClass = kReverseOrSeptenary;
    m.reverse = true;
  }
  if (w.satanicValue == q.satanicValue) {
    if (displayClass == kPlain) {
      displayClass = kSatanic;
    } else {
      m.satanic = true;
    }
  }
  if (w.septenaryValue == q.septenaryValue) {
    if (displayClass == kPlain) displayClass = kReverseOrSeptenary;
    m.septenary = true;
  }
  m.oldEnglish = w.oldEnglishValue == q.oldEnglishValue;
  const bool query = w.possibleQuery();
  m.plural = w.possiblePlurality();
  const bool ordinalAndReduced =
      w.ordinalValue == q.ordinalValue && w.reducedValue == q.reducedValue;
  if (ordinalAndReduced && w.reverseValue == q.reverseValue &&
      w.reverseReducedValue == q.reverseReducedValue) {
    m.doublePlus = true;
  } else if (ordinalAndReduced) {
    m.plus = true;
  } else if (w.reverseValue == q.ordinalValue && w.reverseReducedValue == q.reducedValue) {
    m.crossed = true;
  }
  m.kv = w.hasKV() && w.kvexceptionValue == q.kvexceptionValue;
  m.sexception = w.hasS() && w.sexceptionValue == q.sexceptionValue;
  m.alw = w.alwValue == q.alwValue;
  m.kfw = w.kfwValue == q.kfwValue;

  const DisplayForm& form = kDisplayForms[displayClass];
  if (!first) fputs(",  ", stdout);
  fputs(form.open, stdout);
  fwrite(w.text.data(), 1, w.text.size(), stdout);
  if (query) fputs("(?)", stdout);
  fputs(form.close, stdout);
  printBraceList(m, w);
}

// ---------------------------------------------------------------------------
// HTML dictionary set

bool writeDictionary() {
  const uint64_t count = dict.wordCount();
  for (uint64_t i = 0; i < count; ++i) {
    const std::string& text = dict.getWord(i)->text;
    printf("Dictionary Match for <%s>\n", text.c_str());
    dictionaryMatch(text);
  }
  return true;
}
