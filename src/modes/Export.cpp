#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cyphers/CypherSet.h"
#include "export/TableExport.h"
#include "io/Console.h"
#include "modes/Modes.h"
#include "wordlist/Lines.h"

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
  if (input < 0) {
    fprintf(stderr, "ERROR: failed to open input file (%s)\n", path.c_str());
    return kFailure;
  }
  const ExportEnd end = exportTable(input, format, cyphers, stdout);
  if (input > STDIN_FILENO) close(input);
  switch (end.kind) {
    case ExportEnd::Kind::done:
      return kSuccess;
    case ExportEnd::Kind::unreadable:
      fprintf(stderr, "ERROR: failed to open input file (%s)\n", path.c_str());
      return kFailure;
    case ExportEnd::Kind::lineTooLong:
      // A line that never ends (a device, a file of NUL bytes) ends the run
      // instead of its memory.
      if (path == "-") {
        fprintf(stderr, "ERROR: line %zu of standard input is longer than %zu MiB\n", end.line,
                kMaxLineBytes >> 20);
      } else {
        fprintf(stderr, "ERROR: line %zu of input file (%s) is longer than %zu MiB\n", end.line,
                path.c_str(), kMaxLineBytes >> 20);
      }
      return kFailure;
    case ExportEnd::Kind::unwritable:
      break;  // main tells it, as for every mode
  }
  return kFailure;
}

}  // namespace

int exportTsv(const Invocation& run) { return exportTo(run, TableFormat::tsv); }

int exportCsv(const Invocation& run) { return exportTo(run, TableFormat::csv); }
