#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "archive/Archive.h"
#include "cyphers/CharacterLookup.h"
#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "io/Fd.h"
#include "modes/Modes.h"
#include "text/Text.h"

namespace {

// Shows the details file input/123/<name>, then "[END-of-FILE].".
void showDetailsFile(const std::string& folder, const std::string& name, Console& console) {
  const std::string path = folder + "/" + name;
  // Only a regular file: a FIFO could hold the run up for ever, a device could
  // never end. O_NONBLOCK keeps the open from waiting on a FIFO.
  UniqueFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info;
  if (file && (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))) file.reset();
  if (!file) {
    console.format("ERROR - failed to open file <%s>", path.c_str());
    return;
  }
  // Bytes, not lines, so that NUL bytes and long lines pass unchanged.
  char buffer[1 << 16];
  ssize_t count;
  while ((count = fd::readSome(file.get(), buffer, sizeof buffer)) > 0) {
    console.write(std::string_view(buffer, static_cast<size_t>(count)));
  }
  console.line("[END-of-FILE].");
}

}  // namespace

int querySingleCypher(const Invocation& run) {
  const std::string_view spell = run.args.at(0);
  const bool details = run.args.size() > 2 && run.args[2] == "details";
  const std::string_view tag = run.args.at(1);
  CypherSet cyphers;
  const Cypher* cypher = cyphers.findByTag(tag);
  if (cypher == nullptr) {
    // No built-in cypher takes the tag: the user's own are asked, in order.
    std::string error;
    if (!cyphers.readOwn(run.tree.cyphers, error)) {
      run.console.line(error);
      return kFailure;
    }
    cypher = cyphers.findByTag(tag);
  }
  if (cypher == nullptr) {
    run.console.line("ERROR: invalid method (cypher) specified.");
    return kFailure;
  }
  std::string out;
  out.append("\"").append(spell).append("\" in ").append(cypher->name).append(":  ");
  if (cypher->condition == MatchCondition::capitals && !hasCapitals(spell)) {
    run.console.write(out);
    run.console.line("\nERROR - no capital letters provided, required for Bacon cypher.");
    return kFailure;
  }
  const int32_t total = totalOf(*cypher, spell);
  appendTotal(out, *cypher, spell, total, LineForm::longLine, run.console.palette());
  out += '\n';
  // An own cypher tells which letters of the spell it has no value for.
  const std::string unknown =
      cypher->walk == Walk::characters ? unknownLetters(*cypher, spell) : std::string();
  if (!unknown.empty()) {
    run.console.palette().paint(out, Colour::yellow, "  not in " + cypher->name + ": " + unknown);
    out += '\n';
  }
  run.console.write(out);
  if (details) {
    run.console.write("\n");
    showDetailsFile(run.tree.details, std::to_string(static_cast<unsigned>(total)) + ".txt",
                    run.console);
    run.console.write("\n");
  }
  archiveSpell(spell, run.tree.userSpellbook, run.console);
  return kSuccess;
}
