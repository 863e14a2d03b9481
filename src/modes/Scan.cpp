#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "modes/Modes.h"
#include "modes/Switches.h"
#include "scan/PhrasePlan.h"
#include "scan/PhraseScan.h"
#include "scan/ScanTerms.h"
#include "wordlist/Lines.h"

namespace {

constexpr size_t kDefaultMaxWords = 6;

// MAXWORDS: decimal digits only, from 1 to the scanner's most; 0 otherwise.
size_t readMaxWords(std::string_view text) {
  size_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<size_t>(c - '0');
    if (value > PhraseScanner::kMaxWords) return 0;
  }
  return value;
}

int fail(const std::string& line) {
  fprintf(stderr, "%s\n", line.c_str());
  return kFailure;
}

// The terms, recognised, with the user's own cyphers read when a tag needs
// them; false, with the error line, at the first fault.
bool termsOf(const Invocation& run, CypherSet& cyphers, std::vector<SearchTerm>& terms,
             std::string& error) {
  return parseScanTerms(run.args[2], terms, error) &&
         (!needsOwnCyphers(terms) || cyphers.readOwn(run.tree.cyphers, error)) &&
         recogniseScanTerms(terms, cyphers, error);
}

}  // namespace

// The phrases go to standard output as data, errors to standard error, each
// fault that can be known before the first phrase found before it.
int scanText(const Invocation& run) {
  const size_t maxWords = run.args.size() > 3 ? readMaxWords(run.args[3]) : kDefaultMaxWords;
  if (maxWords == 0) {
    fprintf(stderr, "veriglyph: MAXWORDS is a whole number from 1 to %zu\n%s\n",
            PhraseScanner::kMaxWords, usageLine(run.args[0]).c_str());
    return kUsage;
  }
  CypherSet cyphers;
  std::vector<SearchTerm> terms;
  PhrasePlan plan;
  std::string error;
  if (!termsOf(run, cyphers, terms, error) || !planPhrases(terms, maxWords, plan, error)) {
    return fail(error);
  }

  const std::string path(run.operand());
  const std::string shown = path == "-" ? "standard input" : "input file (" + path + ")";
  const int input = path == "-" ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) return fail("ERROR: failed to open " + shown);
  uint64_t lines = 0;
  const ScanStatus status = scanStream(input, plan, maxWords, run.console, lines);
  if (input != STDIN_FILENO) close(input);
  run.console.flush();
  if (ferror(stdout)) return fail("ERROR: failed to write standard output");
  if (status == ScanStatus::readError) return fail("ERROR: failed to read " + shown);
  if (status == ScanStatus::lineTooLong) {
    return fail("ERROR: line " + std::to_string(lines + 1) + " of " + shown + " is longer than " +
                std::to_string(kMaxLineBytes >> 20) + " MiB");
  }
  return kSuccess;
}
