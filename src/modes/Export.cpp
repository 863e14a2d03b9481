#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cyphers/CypherSet.h"
#include "export/TableExport.h"
#include "io/Console.h"
#include "modes/Modes.h"
#include "wordlist/Lines.h"

namespace {

// The comma-separated parts of tags ("ord,,heb" has an empty one).
std::vector<std::string_view> splitTags(std::string_view tags) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t comma = tags.find(',', start);
    parts.push_back(tags.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

// The table goes to standard output as data: errors go to standard error, so
// that a script reading the table never takes one for a row. With TAGS, the
// columns are the cyphers they name, in their order; the user's cypher files
// are read only when a tag is none of the built-in ones.
int exportTo(const Invocation& run, TableFormat format) {
  CypherSet cyphers;
  const bool picked = run.args.size() > 2;
  const std::vector<std::string_view> tags =
      picked ? splitTags(run.args[2]) : std::vector<std::string_view>();
  bool needsOwn = !picked;
  for (std::string_view tag : tags) needsOwn |= cyphers.findByTag(tag) == nullptr;
  std::string error;
  if (needsOwn && !cyphers.readOwn(run.tree.cyphers, error)) {
    fprintf(stderr, "%s\n", error.c_str());
    return kFailure;
  }
  std::vector<size_t> columns;
  for (std::string_view tag : tags) {
    const Cypher* cypher = cyphers.findByTag(tag);
    if (cypher == nullptr) {
      fprintf(stderr, "ERROR: unknown cypher tag (%.*s)\n", static_cast<int>(tag.size()),
              tag.data());
      return kFailure;
    }
    columns.push_back(cyphers.indexOf(*cypher));
  }
  for (size_t c = 0; !picked && c < cyphers.all().size(); ++c) columns.push_back(c);
  const std::string path(run.operand());
  const int input = path == "-" ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    fprintf(stderr, "ERROR: failed to open input file (%s)\n", path.c_str());
    return kFailure;
  }
  const ExportEnd end = exportTable(input, format, cyphers, columns, stdout);
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
