// --scan against its model, the value search: on a generated text, the scan
// lists exactly the phrases that --find lists from a word list of every phrase
// of that text, in the same order. And a line over the limit, on standard input.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <set>

#include "e2e/Scratch.h"

namespace {

// What words are made of: letters of both cases, digits, signs, Hebrew and
// Greek letters, a combining accent, an invalid byte and a CR inside a word.
const char* const kPieces[] = {"a",        "e",        "t",        "o",    "s",        "k",
                               "v",        "T",        "H",        "M",    "z",        "1",
                               "7",        "&",        "!",        ",",    "\xd7\xa9", "\xd7\x9c",
                               "\xce\xb1", "\xce\xa9", "\xcc\x81", "\xff", "x\ry"};
const char* const kBlanks[] = {" ", "\t", "  ", " \t "};
constexpr size_t kMaxWords = 4;

struct Phrase {
  std::string place, text;  // "LINE:WORD"
};

// Lines of up to six words, with blanks and tabs, LF or CR LF, sometimes a NUL
// and more words after it; the last line without a line end.
std::string generatedText(std::vector<Phrase>& phrases) {
  std::mt19937 random(20);
  const auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
  std::string text;
  for (size_t line = 1; line <= 300; ++line) {
    std::vector<std::string> words(pick(7));
    if (pick(4) == 0) text += '\t';
    for (std::string& word : words) {
      for (size_t piece = 1 + pick(3); piece > 0; --piece)
        word += kPieces[pick(std::size(kPieces))];
      text += word + kBlanks[pick(std::size(kBlanks))];
    }
    if (pick(10) == 0) text += std::string("\0not words", 10);
    if (line < 300) text += pick(2) == 0 ? "\n" : "\r\n";
    for (size_t first = 0; first < words.size(); ++first) {
      std::string joined;
      for (size_t count = 1; count <= kMaxWords && first + count <= words.size(); ++count) {
        joined += (count > 1 ? " " : "") + words[first + count - 1];
        phrases.push_back({std::to_string(line) + ":" + std::to_string(first + 1), joined});
      }
    }
  }
  return text;
}

TEST(ScanModel, ListsWhatTheValueSearchListsFromEveryPhrase) {
  std::vector<Phrase> phrases;
  Scratch scratch;
  scratch.writeFile("text.txt", generatedText(phrases));
  std::string wordList;
  for (const Phrase& phrase : phrases) wordList += phrase.text + "\n";
  scratch.writeFile(kWordListRelative, wordList);
  for (const char* own : {"hebrew.txt", "greek.txt"}) {
    scratch.writeFile(
        std::string("spellbook/Cyphers/") + own,
        readFileBytes(std::string(VERIGLYPH_E2E_DIR "/../../spellbook/Cyphers/") + own));
  }
  size_t matched = 0;
  for (const std::string terms : {"20ord", "46bacon", "66bacon/40ord", "40baconis", "300heb",
                                  "1greek/1ord", "330heb/20ord", "ord25/red7"}) {
    SCOPED_TRACE(terms);
    const RunResult find = runVeriglyph(scratch.path(), {"--find", terms});
    ASSERT_EQ(find.status, 0) << find.out;
    const std::string head = "MATCH: \"", tail = "\" = " + terms;
    std::multiset<std::string> found;
    for (size_t at = 0; at < find.out.size(); at = find.out.find('\n', at) + 1) {
      const std::string line = find.out.substr(at, find.out.find('\n', at) - at);
      if (line.rfind(head, 0) == 0) found.insert(line.substr(8, line.size() - 8 - tail.size()));
    }
    std::string expected;
    for (const Phrase& phrase : phrases) {
      if (found.count(phrase.text) != 0) expected += phrase.place + "\t" + phrase.text + "\n";
    }
    const RunResult scan = runVeriglyph(scratch.path(), {"--scan", "text.txt", terms, "4"});
    EXPECT_EQ(scan.status, 0);
    EXPECT_EQ(scan.err, "");
    EXPECT_EQ(scan.out, expected);
    EXPECT_EQ(std::count(scan.out.begin(), scan.out.end(), '\n'), found.size());
    matched += found.size();
  }
  EXPECT_GT(matched, 100u);
}

TEST(ScanModel, StopsAtALineOverTheLimit) {
  Scratch scratch;
  RunOptions options;
  options.standardInput = "a b\n\n" + std::string((size_t{16} << 20) + 1, 'x') + "\nc\n";
  const RunResult run = runVeriglyph(scratch.path(), {"--scan", "-", "1ord"}, options);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "1:1\ta\n");
  EXPECT_EQ(run.err, "ERROR: line 3 of standard input is longer than 16 MiB\n");
}

}  // namespace
