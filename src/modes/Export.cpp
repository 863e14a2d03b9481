#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cyphers/CypherSet.h"
#include "export/TableExport.h"
#include "io/Console.h"
#include "modes/Modes.h"

namespace {

// The table goes to standard output as data: errors go to standard error, so
// that a script reading the table never takes one for a row.
int exportTo(const Invocation& run, TableFormat format) {
  CypherSet cyphers;
  std::string error;
  if (!cyphers.readOwn(run.tree.cyphers, error)) {
    fprintf(stderr, "%s\n", error.c_str());
    return kFailure;
  }
  const std::string path(run.operand());
  const int input = path == "-" ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const bool exported = input >= 0 && exportTable(input, format, cyphers, stdout);
  if (input > STDIN_FILENO) close(input);
  if (!exported) {
    fflush(stdout);
    if (ferror(stdout)) {
      fprintf(stderr, "ERROR: failed to write standard output\n");
    } else {
      fprintf(stderr, "ERROR: failed to open input file (%s)\n", path.c_str());
    }
    return kFailure;
  }
  return kSuccess;
}

}  // namespace

int exportTsv(const Invocation& run) { return exportTo(run, TableFormat::tsv); }

int exportCsv(const Invocation& run) { return exportTo(run, TableFormat::csv); }
