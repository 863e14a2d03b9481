#include "export/TableExport.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "cyphers/CypherSet.h"
#include "wordlist/ByteRows.h"

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

// Hands each entry of the input to take, with the word list's line rules:
// LF or CR LF ends a line, a last line without LF counts, an entry ends at a
// NUL byte, and empty entries are skipped. Lines may be of any length.
template <typename Take>
bool forEachLine(int input, Take take) {
  std::string pending;  // the start of a line that the next chunk ends
  char chunk[kChunk];
  // A CR is part of the line end only before an LF.
  const auto entry = [&take](std::string_view line, bool endedByNewline) {
    if (endedByNewline && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, std::min(line.size(), strnlen(line.data(), line.size())));
    if (!line.empty()) take(line);
  };
  for (;;) {
    const ssize_t count = read(input, chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) break;
    std::string_view rest(chunk, static_cast<size_t>(count));
    for (size_t newline; (newline = rest.find('\n')) != std::string_view::npos;) {
      if (pending.empty()) {
        entry(rest.substr(0, newline), /*endedByNewline=*/true);
      } else {
        pending.append(rest.substr(0, newline));
        entry(pending, /*endedByNewline=*/true);
        pending.clear();
      }
      rest.remove_prefix(newline + 1);
    }
    pending.append(rest);
  }
  entry(pending, /*endedByNewline=*/false);
  return true;
}

}  // namespace

bool exportTable(int input, TableFormat format, const CypherSet& cyphers, FILE* out) {
  RowWriter writer(format, cyphers, out);
  writer.header();
  // Rows go out in large pieces, so an input that cannot be read at all
  // (a folder) leaves no header behind.
  if (!forEachLine(input, [&writer](std::string_view line) { writer.row(line); })) return false;
  return writer.flush() && fflush(out) == 0 && !ferror(out);
}
