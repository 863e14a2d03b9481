#pragma once

#include <string_view>
#include <vector>

#include "modes/Tree.h"

class Console;

// What a mode is given: the arguments after the program's name, the tree it
// reads and writes, the threads it may use and the console it answers on.
// Only main reads the environment to make it.
struct Invocation {
  std::vector<std::string_view> args;
  const Tree& tree;
  unsigned jobs;
  Console& console;

  std::string_view operand() const { return args.at(1); }
};

enum ExitStatus { kSuccess = 0, kFailure = 1, kUsage = 2 };

using Mode = int (*)(const Invocation&);

// veriglyph, veriglyph --help
int showHelp(const Invocation& run);
// veriglyph --version
int showVersion(const Invocation& run);
// veriglyph WORD: the long report of WORD in thirteen cyphers.
int analyseWord(const Invocation& run);
// veriglyph --line WORD: the same report in short form.
int analyseLine(const Invocation& run);
// veriglyph WORD CYPHER [details]: one cypher's total.
int querySingleCypher(const Invocation& run);

// veriglyph --find TERMS, --find-spells TERMS: the value search.
int findInWordList(const Invocation& run);
int findInSpellbook(const Invocation& run);
// veriglyph --consonant-roots WORD and its spellings: the root of WORD.
int showConsonantalRoot(const Invocation& run);
// veriglyph --consonant-roots-match WORD and its spellings.
int matchConsonantalRoot(const Invocation& run);
// veriglyph --reduction-match NUMBER
int matchReduction(const Invocation& run);

// veriglyph --match WORD, --html WORD: the prioritized match against the word list.
int matchAsText(const Invocation& run);
int matchAsPage(const Invocation& run);
// veriglyph --html: a page for every word-list entry.
int writePageSet(const Invocation& run);
// veriglyph --table FILE, --csv FILE: every line's totals as a table.
int exportTsv(const Invocation& run);
int exportCsv(const Invocation& run);
// veriglyph --scan FILE TERMS [MAXWORDS]: every phrase of FILE with those values.
int scanText(const Invocation& run);
// veriglyph --spells WORD, --spellbook WORD, --all-spells WORD: the report,
// then the match against the user's own spells.
int compareWithSpellbook(const Invocation& run);
int compareWithAllSpells(const Invocation& run);
// veriglyph --serve [[ADDR:]PORT]: the local web server, a program of its own.
int serveTree(const Invocation& run);
