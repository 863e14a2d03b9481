// The table export over any input, with the user's own cypher from the input
// when it is sound: one row per entry the word list's rules give, a header
// first, every row with as many fields as the header, CSV fields quoted where
// they must be.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"
#include "export/TableExport.h"
#include "wordlist/Lines.h"

namespace {

// Counts rows and checks that each has the header's number of fields.
size_t rowsOf(std::string_view table, TableFormat format) {
  const std::string_view end = format == TableFormat::csv ? "\r\n" : "\n";
  size_t rows = 0, fieldsInHeader = 0, fields = 1;
  bool quoted = false;
  for (size_t i = 0; i < table.size(); ++i) {
    const char c = table[i];
    if (format == TableFormat::csv && c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == (format == TableFormat::csv ? ',' : '\t')) ++fields;
    if (table.compare(i, end.size(), end) == 0) {
      if (rows == 0) fieldsInHeader = fields;
      if (fields != fieldsInHeader) abort();
      ++rows;
      fields = 1;
      i += end.size() - 1;
    }
  }
  if (quoted || fields != 1) abort();  // the table ends with a whole row
  return rows;
}

}  // namespace

// Input: the lines to export, then an own cypher file; split at 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  const std::string_view lines = piece(parts, 0);
  CypherSet cyphers;
  OwnCypherDefinition own;
  CypherFileError error;
  const auto builtInTag = [&cyphers](std::string_view tag) {
    return cyphers.findByTag(tag) != nullptr;
  };
  if (parseCypherFile("own.txt", piece(parts, 1), builtInTag, own, error)) {
    cyphers.addOwn(Cypher::own(own));
  }
  const int input = memfd_create("lines", MFD_CLOEXEC);
  if (input < 0 || write(input, lines.data(), lines.size()) != static_cast<ssize_t>(lines.size()) ||
      lseek(input, 0, SEEK_SET) != 0) {
    abort();
  }
  size_t entries = 0;  // a byte-order mark at the start is no text of its own
  const std::string_view text(lines);
  const bool marked = text.substr(0, 3) == "\xEF\xBB\xBF";
  splitLines(text.substr(marked ? 3 : 0), true, [&entries](std::string_view) { ++entries; });
  std::vector<size_t> columns(cyphers.all().size());
  for (size_t c = 0; c < columns.size(); ++c) columns[c] = c;
  for (TableFormat format : {TableFormat::tsv, TableFormat::csv}) {
    char* table = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&table, &length);
    if (lseek(input, 0, SEEK_SET) != 0) abort();
    const ExportEnd end = exportTable(input, format, cyphers, columns, out);
    fclose(out);
    if (end.kind != ExportEnd::Kind::done) abort();
    if (rowsOf(std::string_view(table, length), format) != entries + 1) abort();
    free(table);
  }
  close(input);
  return 0;
}
