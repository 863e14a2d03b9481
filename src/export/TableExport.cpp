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
  RowWriter(TableFormat format, const CypherSet& cyphers, FILE* out)
      : format(format),
        separator(format == TableFormat::csv ? ',' : '\t'),
        rowEnd(format == TableFormat::csv ? "\r\n" : "\n"),
        cyphers(cyphers),
        out(out) {}

  void header() {
    field("spell");
    for (const Cypher& cypher : cyphers.all()) {
      buffer += separator;
      field(cypher.defaultTag);
    }
    buffer += rowEnd;
  }

  // One row: the spell cyphers' totals come from one pass of table rows, the
  // others from their own walk.
  void row(std::string_view spell) {
    const SpellTotals totals = totalsFromRows(
        sumRows(byteRows(), reinterpret_cast<const unsigned char*>(spell.data()), spell.size()));
    field(spell);
    const std::vector<Cypher>& all = cyphers.all();
    for (size_t c = 0; c < all.size(); ++c) {
      buffer += separator;
      number(c < kSpellCyphers ? totals.totals[c] : totalOf(all[c], spell));
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
      for (char c : text) buffer += c == '\t' ? ' ' : c;
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
  FILE* out;
  std::string buffer;
};

}  // namespace

ExportEnd exportTable(int input, TableFormat format, const CypherSet& cyphers, FILE* out) {
  RowWriter writer(format, cyphers, out);
  writer.header();
  // Rows go out in large pieces, so an input that cannot be read at all
  // (a folder) leaves no header behind.
  LineReader reader(input);
  const LineReader::Status status =
      reader.forEachEntry([&writer](std::string_view line) { writer.row(line); });
  if (status == LineReader::Status::readError) return {ExportEnd::Kind::unreadable};
  if (status == LineReader::Status::lineTooLong) {
    return {ExportEnd::Kind::lineTooLong, reader.lineNumber()};
  }
  if (!writer.flush() || fflush(out) != 0 || ferror(out)) return {ExportEnd::Kind::unwritable};
  return {};
}
