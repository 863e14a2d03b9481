#include "export/TableExport.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cyphers/CypherSet.h"
#include "text/Digits.h"
#include "text/TextBuffer.h"
#include "wordlist/ByteRows.h"
#include "wordlist/LineReader.h"

namespace {

constexpr size_t kChunk = size_t{1} << 18;

// One row per byte value with the byte's value in each built-in cypher, so
// that one pass over a spell gives every built-in column.
const ByteRows& builtInRows() {
  static const ByteRows table = [] {
    ByteRows built{};
    const std::vector<Cypher>& cyphers = builtInCyphers();
    static_assert(kBuiltInCyphers <= kRowLanes);
    for (int byte = 0; byte < 256; ++byte) {
      for (size_t m = 0; m < kBuiltInCyphers; ++m) {
        const int32_t value = cyphers[m].byteValues[byte];
        // A byte that takes no part adds nothing to the total.
        built.rows[byte][m / 4][m % 4] = value == kSkipped ? 0 : static_cast<uint32_t>(value);
      }
    }
    built.finish();
    return built;
  }();
  return table;
}

// The bytes that make a CSV field need quotes: a comma, a quote, a CR or an
// LF. Looked for eight at a time: the high bit of a byte of zeroBytes(x) is
// set where that byte of x is zero (the lowest such byte at least).
constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighs = 0x8080808080808080;

constexpr uint64_t zeroBytes(uint64_t word) { return (word - kOnes) & ~word & kHighs; }
constexpr uint64_t equalBytes(uint64_t word, char c) {
  return zeroBytes(word ^ (kOnes * static_cast<unsigned char>(c)));
}
constexpr uint64_t quoteBytes(uint64_t word) {
  return equalBytes(word, ',') | equalBytes(word, '"') | equalBytes(word, '\r') |
         equalBytes(word, '\n');
}

constexpr std::array<uint8_t, 256> kQuoteBytes = [] {
  std::array<uint8_t, 256> bytes{};
  for (unsigned char c : {',', '"', '\r', '\n'}) bytes[c] = 1;
  return bytes;
}();

// Copies text to at (which has room for its length and seven) and tells
// whether it holds a byte that needs quotes: one pass instead of a look and
// then a copy, which on a line of many words takes a third of the time.
bool copyFindingQuotes(char* at, std::string_view text) {
  uint64_t found = 0;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    memcpy(&word, text.data() + i, 8);
    memcpy(at + i, &word, 8);
    found |= quoteBytes(word);
  }
  for (; i < text.size(); ++i) {
    at[i] = text[i];
    found |= kQuoteBytes[static_cast<unsigned char>(text[i])];
  }
  return found != 0;
}

class RowWriter {
 public:
  RowWriter(TableFormat format, const CypherSet& cyphers, const std::vector<size_t>& columns,
            FILE* out)
      : format(format),
        separator(format == TableFormat::csv ? ',' : '\t'),
        rowEnd(format == TableFormat::csv ? std::string_view("\r\n") : std::string_view("\n\0", 1)),
        cyphers(cyphers),
        columns(columns),
        rows(builtInRows()),
        digits(separator),
        out(out) {
    for (size_t c : columns) allBuiltIn &= c < kBuiltInCyphers;
    if (allBuiltIn) laneOf.assign(columns.begin(), columns.end());
    inLaneOrder = columns.size() == kBuiltInCyphers;
    for (size_t c = 0; inLaneOrder && c < columns.size(); ++c) inLaneOrder = columns[c] == c;
  }

  void header() {
    char* at = buffer.room(16);
    buffer.end(field(at, "spell"));
    for (size_t c : columns) {
      const std::string& tag = cyphers.all()[c].defaultTag;
      at = buffer.room(2 * tag.size() + 11);
      *at++ = separator;
      buffer.end(field(at, tag));
    }
    buffer.append(rowEnd);
  }

  // One row: the built-in cyphers' totals come from one pass of table rows,
  // the user's own from their walk.
  void row(std::string_view spell) {
    const RowSum sum =
        sumRows(rows, reinterpret_cast<const unsigned char*>(spell.data()), spell.size());
    uint32_t lanes[kRowLanes];
    memcpy(lanes, &sum, sizeof lanes);
    char* at = buffer.room(2 * spell.size() + 10 + 17 * columns.size() + 8);
    at = field(at, spell);
    if (inLaneOrder) {
      at = digits.putAll(at, lanes, kBuiltInCyphers);
    } else if (allBuiltIn) {
      for (uint8_t lane : laneOf) at = digits.put(at, lanes[lane]);
    } else {
      for (size_t c : columns) {
        at = digits.put(at, c < kBuiltInCyphers
                                ? lanes[c]
                                : static_cast<uint32_t>(totalOf(cyphers.all()[c], spell)));
      }
    }
    // Two bytes always (a copy of known size, not a call), the second
    // overwritten by the next row when the end is an LF alone.
    memcpy(at, rowEnd.data(), 2);
    buffer.end(at + rowEnd.size());
    if (buffer.size() >= kChunk) flush();
  }

  bool flush() {
    const std::string_view bytes = buffer.view();
    const bool written = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    buffer.clear();
    return written;
  }

 private:
  // Writes a text field at at, which has room for twice its length and
  // eight.
  char* field(char* at, std::string_view text) const {
    if (format == TableFormat::tsv) {
      // A TAB or a CR would break the row for a reader of TSV.
      for (char c : text) *at++ = c == '\t' || c == '\r' ? ' ' : c;
      return at;
    }
    if (!copyFindingQuotes(at, text)) return at + text.size();
    *at++ = '"';
    for (char c : text) {
      if (c == '"') *at++ = '"';
      *at++ = c;
    }
    *at++ = '"';
    return at;
  }

  TableFormat format;
  char separator;
  std::string_view rowEnd;
  const CypherSet& cyphers;
  const std::vector<size_t>& columns;
  const ByteRows& rows;
  const Digits digits;
  bool allBuiltIn = true;
  bool inLaneOrder = false;     // the built-in cyphers, each once, in their order
  std::vector<uint8_t> laneOf;  // when every column is built in: its lane
  FILE* out;
  TextBuffer buffer;
};

}  // namespace

ExportEnd exportTable(int input, TableFormat format, const CypherSet& cyphers,
                      const std::vector<size_t>& columns, FILE* out) {
  RowWriter writer(format, cyphers, columns, out);
  writer.header();
  // Rows go out in large pieces, so an input that cannot be read at all
  // (a folder) leaves no header behind. A byte-order mark is how some
  // editors start a UTF-8 file, not text.
  LineReader reader(input, LineReader::ByteOrderMark::dropped);
  const LineReader::Status status =
      reader.forEachEntry([&writer](std::string_view line) { writer.row(line); });
  if (status == LineReader::Status::readError) return {ExportEnd::Kind::unreadable};
  if (status == LineReader::Status::lineTooLong) {
    return {ExportEnd::Kind::lineTooLong, reader.lineNumber()};
  }
  if (!writer.flush() || fflush(out) != 0 || ferror(out)) return {ExportEnd::Kind::unwritable};
  return {};
}
