#include "wordlist/Dictionary.h"
#include "TestSupport.h"
#include "cyphers/CypherSet.h"
#include "search/ValueSearch.h"
#include "wordlist/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>

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

TEST(Loading, LineRulesAndFailures) {
  std::string raw;  // every byte but NUL and LF
  for (int b = 1; b < 256; ++b)
    if (b != '\n') raw += static_cast<char>(b);
  const std::string huge(1 << 20, 'a');
  using Lines = Dictionary::HashLines;
  // clang-format off
  const struct { Lines lines; std::string bytes, entries; } cases[] = {
      {Lines::entries, "abbey\nbee\ncat\r\n", "abbey\nbee\ncat\n"}, {Lines::entries, "abbey\r\nlast word", "abbey\nlast word\n"},
      {Lines::entries, "a\rb\n", "a\rb\n"}, {Lines::entries, "abbey\r", "abbey\r\n"},
      {Lines::entries, "\r\n\nabbey\n\r\n\n\r\n", "abbey\n"}, {Lines::entries, "", ""},
      {Lines::entries, "  Two  Words \r\n \n", "  Two  Words \n \n"}, {Lines::entries, "ab\0cd\r\n\0xyz\nok\n"s, "ab\nok\n"},
      {Lines::entries, "#note\r\n#\n", "#note\n#\n"}, {Lines::entries, "abbey\nabbey\n", "abbey\nabbey\n"},
      {Lines::entries, huge + "\n" + raw + "\r\n" + raw, huge + "\n" + raw + "\n" + raw + "\n"},
      {Lines::comments, "#note\nThe Grand Framework\n#\r\n # kept\n", "The Grand Framework\n # kept\n"},
      {Lines::comments, "Spell One\r\n\r\nspell two", "Spell One\nspell two\n"}};
  // clang-format on
  WorkingFolder folder;
  Dictionary loaded, fromBytes;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes.substr(0, 40)));
    folder.write("list.txt", c.bytes);
    const size_t before = loaded.size();
    ASSERT_TRUE(loaded.load("list.txt", c.lines));  // each load appends
    EXPECT_EQ(entries(loaded, before), c.entries);
    // The table's streaming reader splits lines by the same rules.
    if (c.lines == Lines::entries) {
      EXPECT_EQ(streamed("list.txt"), c.entries);
    }
    fromBytes.appendFileBytes(c.bytes, c.lines);
  }
  EXPECT_EQ(entries(fromBytes), entries(loaded));
  for (size_t i = 0; i < loaded.size(); ++i) {  // every entry carries its own totals
    const SpellTotals expected = totalsOf(loaded.text(i)), got = loaded.totals(i);
    EXPECT_TRUE(expected.totals == got.totals && expected.flags == got.flags) << i;
  }
  const size_t count = loaded.size();
  folder.write("folder.txt/x", "");
  // Only a regular file is read: a device or a FIFO could hang or never end.
  mkfifo("fifo.txt", 0600);
  for (const char* unreadable :
       {"missing.txt", "folder.txt", "/dev/null/x", "/dev/zero", "fifo.txt"})
    EXPECT_FALSE(loaded.load(unreadable, Lines::entries)) << unreadable;
  EXPECT_EQ(loaded.size(), count);
  SpellTotals odd;
  odd.totals.fill(7);
  loaded.add("odd", odd);  // an entry with totals of its own choosing
  EXPECT_EQ(loaded.text(count), "odd");
  EXPECT_EQ(loaded.total(count, Method::kfw), 7);
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
  // clang-format off
  const char* const splits[][2] = {  // search string, its raw terms in brackets
      {"", ""}, {"33ord/21red/40rev", "[33ord][21red][40rev]"}, {"33ord/", "[33ord]"}, {"/33ord", "[][33ord]"},
      {"33ord//21red", "[33ord][][21red]"}, {"/", "[]"}, {"//", "[][]"}, {"a b/ c/", "[a b][ c]"}};
  // Raw term: "tag as typed:value text=value (or out of range) +tag recognised (or -tag kept)"
  const char* const terms[][2] = {
      {"ord33", "ord:33=33 +ord"}, {"3o3rd", "ord:33=33 +ord"}, {"rev-red40", "revred:40=40 +rev-red"},
      {"033ord", "ord:033=33 +ord"}, {"ord", "ord:=0 +ord"}, {"", ":=0 -"}, {"33", ":33=33 -"},
      {" -1.5 +x ", "x:15=15 -x"}, {"ord\xc3\xa9 7", "ord:7=7 +ord"}, {"eng-ext5", "engext:5=5 +eng-ext"},
      {"old-eng5", "oldeng:5=5 -oldeng"}, {"ORD33", "ORD:33=33 -ORD"}, {"Ord33", "Ord:33=33 -Ord"},
      {"33fib", "fib:33=33 -fib"}, {"2147483647ord", "ord:2147483647=2147483647 +ord"},
      {"2147483648ord", "ord:2147483648=out +ord"}, {"4294967296ord", "ord:4294967296=out +ord"}};
  // clang-format on
  for (const auto& [search, pieces] : splits) {
    std::string got;
    for (const std::string& piece : splitSearchString(search)) got += "[" + piece + "]";
    EXPECT_EQ(got, pieces) << search;
  }
  const CypherSet cyphers;
  for (const auto& [raw, expected] : terms) {
    SearchTerm t = parseSearchTerm(raw);
    std::string got =
        t.cypherTag + ":" + t.valueText + "=" + (t.inRange ? std::to_string(t.value) : "out");
    const bool known = recogniseSearchTerm(t, cyphers);
    EXPECT_EQ(got + (known ? " +" : " -") + t.cypherTag, expected) << raw;
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
