#include "export/TableExport.h"

#include <charconv>
#include <string>
#include <string_view>

#include "cyphers/CypherSet.h"
#include "wordlist/ByteRows.h"
#include "wordlist/LineReader.h"

namespace {

constexpr size_t kChunk = 1 << 16;

class RowWriter {
 public:
  RowWriter(TableFormat format, const CypherSet& cyphers, const std::vector<size_t>& columns,
            FILE* out)
      : format(format),
        separator(format == TableFormat::csv ? ',' : '\t'),
        rowEnd(format == TableFormat::csv ? "\r\n" : "\n"),
        cyphers(cyphers),
        columns(columns),
        out(out) {
    for (size_t c : columns) anySpellCypher |= c < kSpellCyphers;
  }

  void header() {
    field("spell");
    for (size_t c : columns) {
      buffer += separator;
      field(cyphers.all()[c].defaultTag);
    }
    buffer += rowEnd;
  }

  // One row: the spell cyphers' totals come from one pass of table rows, the
  // others from their own walk.
  void row(std::string_view spell) {
    SpellTotals totals;
    if (anySpellCypher) {
      totals = totalsFromRows(
          sumRows(byteRows(), reinterpret_cast<const unsigned char*>(spell.data()), spell.size()));
    }
    field(spell);
    for (size_t c : columns) {
      buffer += separator;
      number(c < kSpellCyphers ? totals.totals[c] : totalOf(cyphers.all()[c], spell));
    }
    buffer += rowEnd;
    if (buffer.size() >= kChunk) flush();
  }

  bool flush() {
    const bool written = fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
    buffer.clear();
    return written;
  }

 private:
  void field(std::string_view text) {
    if (format == TableFormat::tsv) {
      // A TAB or a CR would break the row for a reader of TSV.
      for (char c : text) buffer += c == '\t' || c == '\r' ? ' ' : c;
    } else if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
      buffer += text;
    } else {
      buffer += '"';
      for (char c : text) {
        if (c == '"') buffer += '"';
        buffer += c;
      }
      buffer += '"';
    }
  }

  void number(int32_t total) {
    char digits[16];
    buffer.append(digits,
                  std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(total)).ptr);
  }

  TableFormat format;
  char separator;
  const char* rowEnd;
  const CypherSet& cyphers;
  const std::vector<size_t>& columns;
  bool anySpellCypher = false;
  FILE* out;
  std::string buffer;
};

}  // namespace

bool exportTable(int input, TableFormat format, const CypherSet& cyphers,
                 const std::vector<size_t>& columns, FILE* out) {
  RowWriter writer(format, cyphers, columns, out);
  writer.header();
  // Rows go out in large pieces, so an input that cannot be read at all
  // (a folder) leaves no header behind.
  // A byte-order mark is how some editors start a UTF-8 file, not text.
  LineReader reader(input, LineReader::ByteOrderMark::dropped);
  if (reader.forEachEntry([&writer](std::string_view line) { writer.row(line); }) !=
      LineReader::Status::end) {
    return false;
  }
  return writer.flush() && fflush(out) == 0 && !ferror(out);
}
