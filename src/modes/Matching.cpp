#include "archive/Archive.h"
#include "io/Console.h"
#include "match/Match.h"
#include "match/PageSet.h"
#include "match/Scoring.h"
#include "modes/Modes.h"
#include "modes/Report.h"
#include "wordlist/Dictionary.h"
#include "wordlist/ListStream.h"

namespace {

// Reads a list once into the match, keeping only what it lists; the offers
// of a list that cannot be read to its end are taken back.
bool readInto(StreamedMatch& match, const std::string& path, Dictionary::HashLines hashLines,
              Console& console) {
  const StreamedMatch::Mark before = match.mark();
  const bool read = readListWithProgress(
      path, hashLines, console,
      [&match](std::string_view text, const SpellTotals& totals) { match.offer(text, totals); });
  if (!read) match.rollback(before);
  return read;
}

int matchWordList(const Invocation& run, ReportFormat format) {
  StreamedMatch match(totalsOf(run.operand()));
  if (!readInto(match, run.tree.wordList, Dictionary::HashLines::entries, run.console)) {
    run.console.line(format == ReportFormat::html
                         ? "ERROR: failed to load dictionary files for matching operation (HTML "
                           "output)."
                         : "ERROR: failed to load dictionary files for matching operation.");
    return kFailure;
  }
  if (!reportMatch(match.listed(), match.groups(), run.operand(), format, run.tree.reports,
                   run.console)) {
    run.console.line("ERROR: problem running dictionary search.");
    return kFailure;
  }
  archiveSpell(run.operand(), run.tree.userSpellbook, run.console);
  return kSuccess;
}

// What the spellbook comparisons match the spell against.
enum class Compared { spellbook, wordListAndSpellbook };

// The report, then the match against what the loads gave. A failed load or
// match is told on the console but fails nothing: these modes are for a look
// at the user's own spells, which may not exist yet (a first run has no
// spellbook), so the spell is compared with whatever could be read, archived,
// and the run ends well.
int compareWith(const Invocation& run, Compared compared) {
  const std::string_view spell = run.operand();
  std::string report;
  appendReport(report, spell, LineForm::longLine, run.console.palette());
  run.console.write(report);
  StreamedMatch match(totalsOf(spell));
  if (compared == Compared::wordListAndSpellbook) {
    readInto(match, run.tree.wordList, Dictionary::HashLines::entries, run.console);
  }
  readInto(match, run.tree.userSpellbook, Dictionary::HashLines::comments, run.console);
  reportMatch(match.listed(), match.groups(), spell, ReportFormat::text, run.tree.reports,
              run.console);
  archiveSpell(spell, run.tree.userSpellbook, run.console);
  run.console.write("\n");
  return kSuccess;
}

}  // namespace

int matchAsText(const Invocation& run) { return matchWordList(run, ReportFormat::text); }

int matchAsPage(const Invocation& run) { return matchWordList(run, ReportFormat::html); }

int writePageSet(const Invocation& run) {
  Dictionary dictionary;
  if (!loadWordList(dictionary, run.tree.wordList, run.console)) return kFailure;
  // A page that could not be written is told on the console and the set goes
  // on with the others; the run then ends in failure.
  return writeHtmlSet(dictionary, run.jobs, run.tree.reports, run.console) ? kSuccess : kFailure;
}

int compareWithSpellbook(const Invocation& run) { return compareWith(run, Compared::spellbook); }

int compareWithAllSpells(const Invocation& run) {
  return compareWith(run, Compared::wordListAndSpellbook);
}
