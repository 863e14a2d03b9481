#include "wordlist/Dictionary.h"
#include "DataTable.h"
#include "TestSupport.h"
#include "cyphers/CypherSet.h"
#include "search/ValueSearch.h"
#include "wordlist/LineReader.h"

#include <fcntl.h>

using namespace std::string_literals;

namespace {

// The entries a streaming reader takes from the file at path, or its fault.
std::string streamed(const std::string& path) {
  const int input = open(path.c_str(), O_RDONLY);
  std::string all;
  LineReader reader(input);
  const auto status = reader.forEachEntry([&all](std::string_view e) { all.append(e) += '\n'; });
  close(input);
  return status == LineReader::Status::end ? all
                                           : "fault " + std::to_string(int(status)) + " at " +
                                                 std::to_string(reader.lineNumber());
}

std::string entries(const Dictionary& dictionary, size_t from = 0) {
  std::string all;
  for (size_t i = from; i < dictionary.size(); ++i) all.append(dictionary.text(i)) += '\n';
  return all;
}

TEST(Loading, LineRules) {
  std::string raw;  // every byte but NUL and LF
  for (int b = 1; b < 256; ++b)
    if (b != '\n') raw += static_cast<char>(b);
  const std::string huge(1 << 20, 'a');
  using Lines = Dictionary::HashLines;
  std::vector<Row> cases = dataRows("word-list-lines.tsv");
  cases.push_back(
      {"entries", huge + "\n" + raw + "\r\n" + raw, huge + "\n" + raw + "\n" + raw + "\n"});
  WorkingFolder folder;
  Dictionary loaded, fromBytes;
  for (const Row& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c[1].substr(0, 40)));
    const Lines lines = c[0] == "entries" ? Lines::entries : Lines::comments;
    folder.write("list.txt", c[1]);
    const size_t before = loaded.size();
    ASSERT_TRUE(loaded.load("list.txt", lines));  // each load appends
    EXPECT_EQ(entries(loaded, before), c[2]);
    // The table's streaming reader splits lines by the same rules.
    if (lines == Lines::entries) {
      EXPECT_EQ(streamed("list.txt"), c[2]);
    }
    fromBytes.appendFileBytes(c[1], lines);
  }
  EXPECT_EQ(entries(fromBytes), entries(loaded));
  for (size_t i = 0; i < loaded.size(); ++i) {  // every entry carries its own totals
    const SpellTotals expected = totalsOf(loaded.text(i)), got = loaded.totals(i);
    EXPECT_TRUE(expected.totals == got.totals && expected.flags == got.flags) << i;
  }
}

// A streamed line is held whole up to its limit, skipped bytes after a NUL
// counted but not kept, and a CR LF cut by a read boundary is still a line end.
TEST(Loading, StreamedLinesKeepToTheirLimit) {
  const std::string atLimit(kMaxLineBytes, 'a'), pastIt(kMaxLineBytes + 1, 'b');
  const std::string boundary = std::string((1 << 16) - 1, 'c') + "\r\nd";
  const struct {
    std::string bytes, entries;
  } cases[] = {{atLimit + "\nok", atLimit + "\nok\n"},
               {"x\n\n" + pastIt + "\n", "fault 2 at 3"},
               {"ab\0"s + pastIt + "\r\nok\n", "ab\nok\n"},
               {boundary, boundary.substr(0, (1 << 16) - 1) + "\nd\n"}};
  WorkingFolder folder;
  for (const auto& c : cases) {
    folder.write("list.txt", c.bytes);
    EXPECT_EQ(streamed("list.txt"), c.entries) << c.bytes.size();
  }
}

TEST(SearchTerms, SplitParseAndRecognise) {
  for (const Row& row : dataRows("search-splits.tsv")) {
    std::string got;
    for (const std::string& piece : splitSearchString(row[0])) got += "[" + piece + "]";
    EXPECT_EQ(got, row[1]) << row[0];
  }
  // PARSED: "tag as typed:value text=value (or out of range) +tag recognised (or -tag kept)"
  const CypherSet cyphers;
  for (const Row& row : dataRows("search-terms.tsv")) {
    SearchTerm t = parseSearchTerm(row[0]);
    std::string got =
        t.cypherTag + ":" + t.valueText + "=" + (t.inRange ? std::to_string(t.value) : "out");
    const bool known = recogniseSearchTerm(t, cyphers);
    EXPECT_EQ(got + (known ? " +" : " -") + t.cypherTag, row[1]) << row[0];
  }
  // Every letters-only tag of a spell cypher compares that cypher's column.
  for (size_t m = 0; m < kBuiltInCyphers; ++m) {
    for (const std::string& tag : builtInCyphers()[m].tags) {
      if (tag.find('-') != std::string::npos) continue;
      SearchTerm term = parseSearchTerm("7" + tag);
      EXPECT_EQ(recogniseSearchTerm(term, cyphers), m < kSpellCyphers) << tag;
      if (m < kSpellCyphers) {
        EXPECT_EQ(term.column, m) << tag;
      }
    }
  }
}

}  // namespace
