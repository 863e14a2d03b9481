#include "modes/Switches.h"

bool Switch::matches(std::string_view argument) const {
  for (std::string_view spelling : spellings) {
    if (!spelling.empty() && spelling == argument) return true;
  }
  return false;
}

const std::vector<Switch>& switches() {
  using O = Origin;
  static const std::vector<Switch> table = {
      {{"--help"}, "", "this text", showHelp, O::original, kAlone},
      {{"--line"}, "WORD", "the report of WORD in short form", analyseLine, O::original},
      {{"--find"},
       "SEARCH-TERMS",
       "the word list's entries with those values",
       findInWordList,
       O::original},
      {{"--find-spells"},
       "SEARCH-TERMS",
       "the same, in the user spellbook",
       findInSpellbook,
       O::original},
      {{"--spellbook", "--spells"},
       "WORD",
       "the report, then the match against the user spellbook",
       compareWithSpellbook,
       O::original},
      {{"--all-spells"},
       "WORD",
       "the report, then the match against the word list and the spellbook",
       compareWithAllSpells,
       O::original},
      {{"--match"},
       "WORD",
       "the prioritized match against the word list",
       matchAsText,
       O::original},
      {{"--html"}, "", "an HTML page for every word-list entry", writePageSet, O::original, kAlone},
      {{"--html"}, "WORD", "the match as an HTML page", matchAsPage, O::original},
      {{"--consonant-roots", "--consonantal-roots", "--consonant-root", "--consonantal-root"},
       "WORD",
       "the consonantal root of WORD",
       showConsonantalRoot,
       O::original},
      {{"--consonant-roots-match", "--consonantal-roots-match", "--consonant-root-match",
        "--consonantal-root-match"},
       "WORD",
       "the word list's entries with WORD's consonantal root",
       matchConsonantalRoot,
       O::original},
      {{"--reduction-match"},
       "WORD",
       "the word list's entries with that digital root",
       matchReduction,
       O::original},
      {{"--table"},
       "FILE [TAGS]",
       "every line's totals in every cypher or in TAGS, tab-separated",
       exportTsv,
       O::added},
      {{"--csv"},
       "FILE [TAGS]",
       "every line's totals in every cypher or in TAGS, as CSV",
       exportCsv,
       O::added},
      {{"--version"}, "", "the version", showVersion, O::added, kAlone},
      {{"--scan"},
       "FILE TERMS [MAXWORDS]",
       "every phrase of FILE with those values",
       scanText,
       O::added,
       {2, 3}},
      {{"--serve"},
       "[[ADDR:]PORT]",
       "the calculator, matches and pages in a browser",
       serveTree,
       O::added,
       {0, 1}},
  };
  return table;
}

Mode selectMode(const std::vector<std::string_view>& args, const Switch** usage) {
  *usage = nullptr;
  if (args.empty()) return showHelp;
  const bool alone = args.size() == 1;
  for (const Switch& entry : switches()) {
    if (entry.matches(args[0]) && entry.takes(args.size() - 1)) return entry.mode;
  }
  // A switch of ours added since with the wrong number of arguments is no spell.
  for (const Switch& entry : switches()) {
    if (entry.origin == Origin::added && entry.matches(args[0])) {
      *usage = &entry;
      return nullptr;
    }
  }
  // Anything else alone is a spell to analyse; more is a spell, a cypher tag
  // and perhaps "details".
  return alone ? analyseWord : querySingleCypher;
}

std::string usageLine(const Switch& entry) {
  std::string line = "usage: veriglyph ";
  line.append(entry.spellings[0]);
  if (!entry.operand.empty()) line.append(" ").append(entry.operand);
  return line;
}

std::string usageLine(std::string_view spelling) {
  for (const Switch& entry : switches()) {
    if (entry.matches(spelling)) return usageLine(entry);
  }
  return {};
}
