#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Settings.h"
#include "Utils.h"
#include "cyphers/Cyphers.h"
#include "spells/DictionarySearch.h"

namespace {

const char kHelpText[] =
    "---------------------------------------------------------------\n"
    "VERIGLYPH v3.14 by Tamberlune\n"
    "---------------------------------------------------------------\n"
    "Basic Usage:\n"
    "---------------------------------------------------------------\n"
    "  veriglyph WORD\n"
    "      or\n"
    "  veriglyph WORD CYPHER\n"
    "      or\n"
    "  veriglyph WORD CYPHER EXTRA-OPTIONS\n"
    "      or\n"
    "  veriglyph --line WORD\n"
    "---------------------------------------------------------------\n"
    "Advanced Tools:\n"
    "---------------------------------------------------------------\n"
    "  veriglyph --find SEARCH-TERMS\n"
    "      or\n"
    "  veriglyph --find-spells SEARCH-TERMS\n"
    "      or\n"
    "  veriglyph --spells WORD\n"
    "  veriglyph --spellbook WORD\n"
    "      or\n"
    "  veriglyph --all-spells WORD\n"
    "      or\n"
    "  veriglyph --match WORD\n"
    "      or\n"
    "  veriglyph --html\n"
    "      or\n"
    "  veriglyph --html WORD\n"
    "      or\n"
    "  veriglyph --consonant-roots-match WORD\n"
    "  veriglyph --consonant-root-match WORD\n"
    "  veriglyph --consonantal-roots-match WORD\n"
    "  veriglyph --consonantal-root-match WORD\n"
    "      or\n"
    "  veriglyph --reduction-match WORD\n"
    "---------------------------------------------------------------\n"
    "...where WORD is any word or phrase (ie. a SPELL). Quotes are\n"
    "    needed if the spell contains spaces.\n"
    "...where CYPHER is one of:\n"
    "  [ ordinal, reduced, reverse, reverse-reduced, \n"
    "    sumerian, english-extended, agrippa/jewish, jewish-reduced\n"
    "    bacon, baconis, satanic,\n"
    "    s-exception, kv-exception,\n"
    "    septenary, primes, trigonal, squares, fibonacci ]\n"
    "---------------------------------------------------------------\n"
    "...where EXTRA-OPTIONS is one of:\n"
    "      details: show extra information about calculated total\n"
    "    eg. ./veriglyph 'Secret Code' squares details\n"
    "---------------------------------------------------------------\n"
    "...where SEARCH-TERMS is a slash-separated list of cipher values\n"
    "    eg. veriglyph --find 33ord/21red/40rev\n"
    "---------------------------------------------------------------\n"
    "Examples:\n"
    "  #./veriglyph Hello\n"
    "  #./veriglyph \"The Beginning\"\n"
    "  #./veriglyph --spells \"The Grand Framework\"\n"
    "---------------------------------------------------------------\n"
    " The spells you enter will be stored in directory 'spellbook/'\n"
    "   in a file called 'user_entries.txt'\n"
    " The results of match operations are written to the directory\n"
    "    'spellbook/Results' and 'spellbook/ResultsHTML'.\n"
    "---------------------------------------------------------------\n"
    " cypher aliases (shortened/alternate forms):\n"
    "   ordinal          :: ord, basic, alphabetic\n"
    "   reduced          :: red, or, reduction\n"
    "   reverse          :: rev, ro\n"
    "   reverse-reduced  :: rev-red, revred, rr\n"
    "   sumerian         :: sumer, sum\n"
    "   english-extended :: english-ext, eng-ext, engext, ext, ee\n"
    "   latin-agrippa    :: agrippa, latin, jewish, jew, j, alva\n"
    "   agrippa-reduced  :: jewish-red, jew-red, jewred, jr\n"
    "   francis-bacon    :: bacon, fb\n"
    "   franc-baconis    :: baconis\n"
    "   old-english      :: oe, oeng, old-eng\n"
    "   s-exception      :: sexception, sexp, sex\n"
    "   kv-exception     :: kvexception, kvexp, kv\n"
    "   satanic          :: satan, st\n"
    "   alw-qabala(h)    :: alw\n"
    "   kfw-qabala(h)    :: kfw\n"
    "   septenary        :: sept\n"
    "   primes           :: pri\n"
    "   trigonal         :: tri\n"
    "   squares          :: sq\n"
    "   fibonacci        :: fib, fibsym\n"
    "---------------------------------------------------------------\n"
    "Primary modes:\n"
    "* --line WORD: this option outputs a minimal single-line output\n"
    "* --find SEARCH-TERMS: dictionary search by specified cypher values\n"
    "* --find-spells SEARCH-TERMS: as above, but against user spellbook\n"
    "* --match WORD: prioritized multi-cypher dictionary matching operation\n"
    "* --spells WORD: multi-cypher prioritized matches against user spellbook\n"
    "* --all-spells WORD: multi-cypher prioritized matches against user all input data\n"
    "* --html [WORD]: this option writes out an HTML dictionary set\n"
    "* --consonant(al)-root(s) [WORD]: shows the consonantal roots of a spell\n"
    "* --consonant(al)-root(s)-match [WORD]: lists dictionary words by cons. roots\n"
    "* --reduction-match [WORD]: dictonary results matching pythag. reduction value\n"
    "---------------------------------------------------------------\n"
    "The 'match' and 'spells' functionality is similar, but the match\n"
    " option default to file-based output, while the 'spells' feature,\n"
    " run against the typically smaller user spellbook defaults to\n"
    " onscreen output.\n"
    "---------------------------------------------------------------\n"
    "originally built: 2019-02-27\n";

const char kClosingLine[] = "                      -- VERIGLYPH v3.14 by Corvin-T-Lasse";

enum ExitStatus { kSuccess = 0, kFailure = 1 };

}  // namespace

void printHelp() { fputs(kHelpText, stdout); }

void optionalNewline() {
  if (comprehensive) putchar('\n');
}

void analyze(const std::string& spell) {
  printf("\"%s\" in multiple systems:\n", spell.c_str());
  // Wrapping sums: only an absurdly long spell could reach the limit.
  unsigned base4 = 0;
  auto addToBase4 = [&](const auto& cypher) {
    base4 += cypher.calculate(spell);
    optionalNewline();
  };
  addToBase4(ordinal);
  addToBase4(reduced);
  addToBase4(reverse);
  base4 += reverseReduced.calculate(spell);
  if (comprehensive) {
    optionalNewline();
    printf("   ---- Base 4 total: %d -----", static_cast<int>(base4));
  }
  optionalNewline();

  unsigned visible = base4;
  auto addToVisible = [&](const auto& cypher) {
    visible += cypher.calculate(spell);
    optionalNewline();
  };
  addToVisible(sumerian);
  addToVisible(extended);
  addToVisible(jewish);
  addToVisible(oldEnglish);
  addToVisible(satanic);
  addToVisible(primes);
  addToVisible(trigonal);
  visible += squares.calculate(spell);
  putchar('\n');
  visible += fibonacci.calculate(spell);
  putchar('\n');
  printf(" --- Total (all visible ciphers): %d ---\n", static_cast<int>(visible));
}

bool archiveRecord(const std::string& spell) {
  // A line break would split the spell over two lines, or leave a line that
  // never compares equal again.
  if (spell.find_first_of("\r\n") != std::string::npos) {
    puts("WARNING - spell not archived in the user spellbook: it holds a line break.");
    return false;
  }
  printf("Archiving <%s> in user spellbook...", spell.c_str());

  bool lastLineOpen = false;  // a hand-edited file may end without a line feed
  if (FILE* stored = fopen(kUserSpellbookPath, "r")) {
    const std::string wanted = spell + "\n";
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t length;
    bool found = false;
    while (!found && (length = getline(&line, &capacity, stored)) > 0) {
      found = static_cast<size_t>(length) == wanted.size() &&
              memcmp(line, wanted.data(), wanted.size()) == 0;
      lastLineOpen = line[length - 1] != '\n';
    }
    free(line);
    fclose(stored);
    if (found) {
      puts("...already exists, no need to add it.");
      return true;
    }
  } else {
    puts(
        "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
        "against\n ... previous entries");
  }

  FILE* book = fopen(kUserSpellbookPath, "a");
  if (book == nullptr) {
    puts(
        "\nERROR - failed to open spellbook/user_entries.txt in order to save your spell for "
        "future comparisons");
    return false;
  }
  if (lastLineOpen) fputc('\n', book);
  fprintf(book, "%s\n", spell.c_str());
  if (!closeWritten(book)) {
    puts("\nERROR - failed to save your spell in spellbook/user_entries.txt");
    return false;
  }
  puts("Done");
  return true;
}

bool compareUserSpells(const std::string& spell) {
  loadDictionary(true);
  dictionaryMatch(spell);
  return true;
}

bool compareAllSpells(const std::string& spell) {
  loadDictionary(false);
  loadDictionary(true);
  dictionaryMatch(spell);
  return true;
}

namespace {

// Runs action on the calculator that the Method id names.
template <typename Action>
auto withCypher(Method method, Action action) {
  switch (method) {
    case MethodEnglishOrdinal:
      return action(ordinal);
    case MethodEnglishReduced:
      return action(reduced);
    case MethodReverseOrdinal:
      return action(reverse);
    case MethodReverseReduced:
      return action(reverseReduced);
    case MethodKVException:
      return action(kvexception);
    case MethodSexception:
      return action(sexception);
    case MethodSumerian:
      return action(sumerian);
    case MethodJewish:
      return action(jewish);
    case MethodJewishReduced:
      return action(jewishReduced);
    case MethodFrancisBacon:
      return action(bacon);
    case MethodFrancBaconis:
      return action(baconis);
    case MethodSatanic:
      return action(satanic);
    case MethodSeptenary:
      return action(septenary);
    case MethodPrimes:
      return action(primes);
    case MethodTrigonal:
      return action(trigonal);
    case MethodSquares:
      return action(squares);
    case MethodEnglishExtended:
      return action(extended);
    case MethodALW:
      return action(alw);
    case MethodKFW:
      return action(kfw);
    case MethodOldEnglish:
      return action(oldEnglish);
    case MethodFibonacci:
      break;
  }
  return action(fibonacci);
}

// The cypher a user's tag names, asked class by class; false when none does.
bool selectCypher(const std::string& tag, Method& method) {
  const std::pair<bool (*)(const std::string&), Method> order[] = {
      {&EnglishOrdinal::isCypherTag, MethodEnglishOrdinal},
      {&EnglishReduced::isCypherTag, MethodEnglishReduced},
      {&EnglishReverseReduced::isCypherTag, MethodReverseReduced},
      {&EnglishExtended::isCypherTag, MethodEnglishExtended},
      {&Sumerian::isCypherTag, MethodSumerian},
      {&Jewish::isCypherTag, MethodJewish},
      {&JewishReduced::isCypherTag, MethodJewishReduced},
      {&OldEnglish::isCypherTag, MethodOldEnglish},
      {&Sexception::isCypherTag, MethodSexception},
      {&KVException::isCypherTag, MethodKVException},
      {&ReverseOrdinal::isCypherTag, MethodReverseOrdinal},
      {&FrancisBacon::isCypherTag, MethodFrancisBacon},
      {&FrancBaconis::isCypherTag, MethodFrancBaconis},
      {&Satanic::isCypherTag, MethodSatanic},
      {&ALW::isCypherTag, MethodALW},
      {&KFW::isCypherTag, MethodKFW},
      {&Septenary::isCypherTag, MethodSeptenary},
      {&Primes::isCypherTag, MethodPrimes},
      {&Trigonal::isCypherTag, MethodTrigonal},
      {&Squares::isCypherTag, MethodSquares},
      {&Fibonacci::isCypherTag, MethodFibonacci},
  };
  for (const auto& [isCypherTag, candidate] : order) {
    if (isCypherTag(tag)) {
      method = candidate;
      return true;
    }
  }
  return false;
}

int singleCypherQuery(int argc, char** argv) {
  theWord = argv[1];
  theMethod = argv[2];
  const bool details = argc > 3 && strcmp(argv[3], "details") == 0;
  comprehensive = true;

  Method method;
  if (!selectCypher(theMethod, method)) {
    puts("ERROR: invalid method (cypher) specified.");
    return kFailure;
  }
  const std::string name = withCypher(method, [](const auto& cypher) { return cypher.name(); });
  printf("\"%s\" in %s:  ", theWord.c_str(), name.c_str());
  if (method == MethodFrancisBacon && !hasCapitals(theWord)) {
    puts("\nERROR - no capital letters provided, required for Bacon cypher.");
    return kFailure;
  }
  const int total =
      withCypher(method, [](const auto& cypher) { return cypher.calculate(theWord); });
  putchar('\n');
  if (details) {
    putchar('\n');
    displayFile(std::to_string(static_cast<unsigned>(total)) + ".txt");
    putchar('\n');
  }
  archiveRecord(theWord);
  return kSuccess;
}

int oneWordAnalysis(const char* word) {
  comprehensive = true;
  theWord = word;
  analyze(theWord);
  archiveRecord(theWord);
  printf("%s\n", kClosingLine);
  return kSuccess;
}

int lineAnalysis(const char* word) {
  theWord = word;
  comprehensive = false;
  analyze(theWord);
  archiveRecord(theWord);
  return kSuccess;
}

int valueSearch(bool userSpellbook, const char* searchString) {
  silent = true;
  if (!loadDictionary(userSpellbook)) {
    puts("ERROR: failed to load dictionary files for search operation.");
    return kFailure;
  }
  if (!dictionarySearch(searchString)) {
    puts("ERROR: problem running dictionary search.");
    return kFailure;
  }
  return kSuccess;
}

int spellbookComparison(bool withWordList, const char* word) {
  comprehensive = true;
  theWord = word;
  analyze(theWord);
  outputHTMLPages = false;
  silent = true;
  if (withWordList) {
    compareAllSpells(theWord);
  } else {
    compareUserSpells(theWord);
  }
  archiveRecord(theWord);
  putchar('\n');
  return kSuccess;
}

int wordListMatch(bool html, const char* word) {
  silent = true;
  if (!loadDictionary(false)) {
    puts(html ? "ERROR: failed to load dictionary files for matching operation (HTML output)."
              : "ERROR: failed to load dictionary files for matching operation.");
    return kFailure;
  }
  if (html) outputHTMLPages = true;
  if (!dictionaryMatch(word)) {
    puts("ERROR: problem running dictionary search.");
    return kFailure;
  }
  archiveRecord(word);
  return kSuccess;
}

int htmlDictionarySet() {
  silent = true;
  outputHTMLPages = true;
  loadDictionary(false);
  writeDictionary();
  return kSuccess;
}

int showConsonantalRoot(const char* word) {
  printf("Examining consonantal root of '%s':'\n", word);
  theWord = word;
  extractConsonantalRoots(theWord);
  archiveRecord(theWord);
  return kSuccess;
}

int consonantalRootMatch(const char* word) {
  printf("Perform dictionary matching with consonantal root of '%s':'\n", word);
  silent = true;
  theWord = word;
  if (!loadDictionary(false)) {
    puts("ERROR: failed to load dictionary files for consonantal matching operation.");
    return kFailure;
  }
  consonantalRootSearch(theWord);
  archiveRecord(theWord);
  return kSuccess;
}

// atoi's reading (leading blanks, a sign, digits up to the first other
// character), but held to the int range instead of overflowing.
int32_t readNumber(const char* text) {
  const long long value = strtoll(text, nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

int reductionMatch(const char* argument) {
  const int32_t number = readNumber(argument);
  printf("Perform dictionary matching for spells with reductions of '%d':'\n", number);
  silent = true;
  theWord = argument;
  if (!loadDictionary(false)) {
    puts("ERROR: failed to load dictionary files for consonantal matching operation.");
    return kFailure;
  }
  reductionSearch(number);
  return kSuccess;
}

bool isOneOf(const char* argument, std::initializer_list<const char*> switches) {
  for (const char* candidate : switches) {
    if (strcmp(argument, candidate) == 0) return true;
  }
  return false;
}

int runSwitch(int argc, char** argv) {
  const char* mode = argv[1];
  const char* operand = argv[2];
  if (isOneOf(mode, {"--find", "--find-spells"})) {
    return valueSearch(strcmp(mode, "--find-spells") == 0, operand);
  }
  if (isOneOf(mode, {"--spellbook", "--spells"})) return spellbookComparison(false, operand);
  if (isOneOf(mode, {"--all-spells"})) return spellbookComparison(true, operand);
  if (isOneOf(mode, {"--match"})) return wordListMatch(false, operand);
  if (isOneOf(mode, {"--html"})) return wordListMatch(true, operand);
  if (isOneOf(mode, {"--line"})) return lineAnalysis(operand);
  if (isOneOf(mode, {"--consonant-roots", "--consonantal-roots", "--consonant-root",
                     "--consonantal-root"})) {
    return showConsonantalRoot(operand);
  }
  if (isOneOf(mode, {"--consonant-roots-match", "--consonantal-roots-match",
                     "--consonant-root-match", "--consonantal-root-match"})) {
    return consonantalRootMatch(operand);
  }
  if (isOneOf(mode, {"--reduction-match"})) return reductionMatch(operand);
  return singleCypherQuery(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  initCyphers();
  if (argc < 1) return kSuccess;
  if (argc == 1) {
    printHelp();
    return kSuccess;
  }
  if (argc == 2) {
    if (strcmp(argv[1], "--help") == 0) {
      printHelp();
      return kSuccess;
    }
    if (strcmp(argv[1], "--html") == 0) return htmlDictionarySet();
    return oneWordAnalysis(argv[1]);
  }
  return runSwitch(argc, argv);
}
