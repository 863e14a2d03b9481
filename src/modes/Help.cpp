#include "io/Console.h"
#include "modes/Modes.h"
#include "modes/Switches.h"

#include <string>

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

}  // namespace

int showHelp(const Invocation& run) {
  run.console.write(kHelpText);
  // The switches added since the text above was written, from the table.
  const std::string rule(63, '-');
  std::string more = rule + "\nFurther modes:\n";
  for (const Switch& entry : switches()) {
    if (entry.origin != Origin::added) continue;
    more.append("* ").append(entry.spellings[0]);
    if (!entry.operand.empty()) more.append(" ").append(entry.operand);
    more.append(": ").append(entry.summary).append("\n");
  }
  more.append(rule).append("\n");
  run.console.write(more);
  return kSuccess;
}

int showVersion(const Invocation& run) {
  run.console.line("veriglyph " VERIGLYPH_VERSION);
  return kSuccess;
}
