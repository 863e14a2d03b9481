#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"
#include "spells/DictionarySearch.h"

namespace {

using Total = int32_t Spell::*;

struct Cypher {
  const char* name;
  Total total;
  int weight;  // the twenty weights add up to 34
};
const Cypher kCyphers[] = {
    {"ord", &Spell::ordinalValue, 2},   {"red", &Spell::reducedValue, 1},
    {"rev", &Spell::reverseValue, 1},   {"rr", &Spell::reverseReducedValue, 1},
    {"sum", &Spell::sumerianValue, 1},  {"ext", &Spell::extendedValue, 3},
    {"jew", &Spell::jewishValue, 4},    {"jr", &Spell::jewishReducedValue, 1},
    {"oe", &Spell::oldEnglishValue, 1}, {"kv", &Spell::kvexceptionValue, 1},
    {"sx", &Spell::sexceptionValue, 1}, {"bac", &Spell::baconValue, 1},
    {"bis", &Spell::baconisValue, 1},   {"sat", &Spell::satanicValue, 1},
    {"alw", &Spell::alwValue, 1},       {"kfw", &Spell::kfwValue, 1},
    {"sep", &Spell::septenaryValue, 1}, {"pri", &Spell::primesValue, 5},
    {"tri", &Spell::trigonalValue, 3},  {"sq", &Spell::squaresValue, 3}};

Total total(const std::string& name) {
  for (const Cypher& c : kCyphers)
    if (name == c.name) return c.total;
  ADD_FAILURE() << "unknown cypher " << name;
  return &Spell::ordinalValue;
}

// A spell of text whose totals are base + 7, base + 14, ...: no two agree, so
// it has no symmetry and no ALW-KFW agreement.
Spell spell(const std::string& text, int32_t base) {
  Spell s(text);
  for (const Cypher& c : kCyphers) s.*c.total = (base += 7);
  return s;
}

// "jew pri" makes W agree with Q in those cyphers; "wrev=qord" copies one total.
void agree(const std::string& setup, Spell& w, Spell& q) {
  std::istringstream in(setup);
  for (std::string t; in >> t;) {
    const size_t eq = t.find('=');
    if (eq == std::string::npos) {
      w.*total(t) = q.*total(t);
    } else {
      (t[0] == 'w' ? w : q).*total(t.substr(1, eq - 1)) =
          (t[eq + 1] == 'w' ? w : q).*total(t.substr(eq + 2));
    }
  }
}

// "^36" stands for the escape sequence ESC [ 36 m.
std::string ansi(const std::string& s) {
  return std::regex_replace(s, std::regex("\\^(\\d+)"), "\x1b[$1m");
}

class Match : public testing::Test {
 protected:
  void SetUp() override {
    initCyphers();
    silent = true;
    outputHTMLPages = false;
  }
  void TearDown() override {
    silent = savedSilent;
    outputHTMLPages = savedHtml;
  }
  const bool savedSilent = silent, savedHtml = outputHTMLPages;
};

TEST_F(Match, EachCypherAddsItsWeightButNeverForZero) {
  for (const Cypher& c : kCyphers) {
    SCOPED_TRACE(c.name);
    // Both texts hold capitals, an s and a k, so every letter condition holds.
    Spell w = spell("Kits", 100), q = spell("Kiss", 1000);
    bool prime = true;
    EXPECT_EQ(matchScore(w, q, prime), 0);
    EXPECT_FALSE(prime);
    w.*c.total = q.*c.total;
    EXPECT_EQ(matchScore(w, q, prime), c.weight);
    EXPECT_EQ(prime, c.total == &Spell::primesValue);
    w.*c.total = q.*c.total = 0;
    EXPECT_EQ(matchScore(w, q, prime), 0);
    EXPECT_FALSE(prime);
  }
}

TEST_F(Match, LetterConditions) {
  // clang-format off
  const struct {
    const char *w, *q, *setup;
    int score;
  } cases[] = {
      {"vat", "kit", "kv", 1}, {"Vat", "KIT", "kv", 1}, {"vat", "bit", "kv", 0},
      {"bat", "kit", "kv", 0},
      {"vat", "kit", "wkv=word qkv=wkv", 0},  // a KV total equal to its own ordinal
      {"sat", "Sit", "sx", 1}, {"sat", "bit", "sx", 0}, {"bat", "sit", "sx", 0},
      {"Bat", "biT", "bac", 1}, {"Bat", "bit", "bac", 0}, {"bat", "Bit", "bac", 0},
      {"bat", "bit", "bis", 1}};
  // clang-format on
  for (const auto& c : cases) {
    Spell w = spell(c.w, 100), q = spell(c.q, 1000);
    agree(c.setup, w, q);
    bool prime = false;
    EXPECT_EQ(matchScore(w, q, prime), c.score) << c.w << " vs " << c.q << ": " << c.setup;
  }
}

TEST_F(Match, IdenticalSpellScores34AndReducedAloneScores1) {
  const Spell kiss("Kiss");
  for (const Cypher& c : kCyphers) ASSERT_NE(kiss.*c.total, 0) << c.name;
  ASSERT_NE(kiss.kvexceptionValue, kiss.ordinalValue);
  bool prime = false;
  EXPECT_EQ(matchScore(kiss, Spell("Kiss"), prime), 34);
  EXPECT_TRUE(prime);
  Spell w = spell("Kits", 100), q = spell("Kiss", 1000);
  agree("red", w, q);
  EXPECT_EQ(matchScore(w, q, prime), 1);
  EXPECT_FALSE(prime);
}

TEST_F(Match, PrintMatchToScreenClassesAndMarkers) {
  // clang-format off
  const struct {
    const char *setup, *shown;  // shown: the first-entry form
    const char *text = "word", *phrase = "phrase";
  } cases[] = {
      {"", "word"}, {"jew", "^35word^0"}, {"tri", "^35word^0"}, {"sq", "^35word^0"},
      {"ext", "^35word^0"}, {"bis", "^35word^0"}, {"bac bis", "^35word^0"},  // no capitals
      {"bac bis", "[^33word^0]", "word", "Phrase"}, {"ext jew", "[^33word^0]"},
      {"pri", "^36word^0"}, {"jew pri", "[[^36word^0]]"}, {"ext jew pri", "[^36word^0]"},
      {"sat", "^31word^0"}, {"rev", "^32word^0 {^32rv^0}"}, {"sep", "^32word^0 {^32sp^0}"},
      {"red", "^34word^0"}, {"jew red", "(^35word^0)"}, {"ext jew red", "(^35word^0)"},
      {"red pri", "^36word^0 {^34r^0}"}, {"ord red pri", "^36word^0 {^33+^0}"},
      {"jew sat", "^35word^0 {^31st^0}"}, {"oe", "word"},
      {"oe rev", "^32word^0 {^32rv^0,^0oe^0}"}, {"kv", "word"}, {"sx", "word"},
      {"kv", "kit {^36kv^0}", "kit"}, {"kv", "Vat {^36kv^0}", "Vat"},
      {"sx", "Sun {^31sx^0}", "Sun"}, {"alw kfw", "word {^31al^0,^31kf^0}"},
      {"", "cats {^33pl?^0}", "cats"}, {"", "who(?)", "who"}, {"jew", "^35who(?)^0", "who"},
      {"wrev=qord wrr=qred", "word {^32%@^0}"}, {"wrev=word wrr=wred", "word {^36%!!^0}"},
      {"wrev=word", "word {^0%^0}"}, {"wrr=wred", "word {^34%^0}"},
      {"wkfw=walw", "word {^31%^0}"},
      {"qrev=qord qrr=qred ord red rev rr pri sep oe kv sx sat alw kfw",
       "^36kits^0 {^33pl?^0,^33++^0,^34r^0,^32rv^0,^32sp^0,^0oe^0,^36kv^0,^31sx^0,^31st^0,"
       "^31al^0,^31kf^0,^36%!!^0}", "kits"},
      {"wrev=qord wrr=qred red pri", "^36word^0 {^32%@^0,^34r^0,^34%^0}"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.phrase + ": " + c.setup);
    Spell w = spell(c.text, 100), q = spell(c.phrase, 1000);
    agree(c.setup, w, q);
    for (bool first : {true, false}) {
      testing::internal::CaptureStdout();
      printMatchToScreen(w, q, first);
      fflush(stdout);
      EXPECT_EQ(testing::internal::GetCapturedStdout(), (first ? "" : ",  ") + ansi(c.shown));
    }
  }
}

TEST_F(Match, WriteMatchesFileAndConsole) {
  const std::vector<std::string> mixed = {"Apple", "apple", "Avocado", "banana", "Cherry"};
  const std::string mixedScreen = "[[SEARCHPHRASE:Apple]]\napple,  Avocado,  banana,  Cherry\n";
  const struct {
    bool html;
    std::string phrase;
    std::vector<std::string> group;
    std::string file, screen;  // "{H}" is the heading; screen follows the banner
  } cases[] = {
      {false, "Apple", {}, "", ""},
      {true, "Apple", {}, "", ""},
      {false, "Apple", mixed, "\n\n{H}\n\n* *apple*\n* Avocado\n* *banana*\n* Cherry\n",
       mixedScreen},
      {true, "Apple", mixed,
       "<br>{H}<br>\n<ul>\n<li><i><a href=\"../a/match_apple.htm\">apple</a></i></li>\n"
       "<li><a href=\"match_Avocado.htm\">Avocado</a></li>\n"
       "<li><i><a href=\"../b/match_banana.htm\">banana</a></i></li>\n"
       "<li><a href=\"../C/match_Cherry.htm\">Cherry</a></li>\n</ul>\n",
       mixedScreen},
      {false,
       "apple",
       {"Avocado", "apricot", "apple"},
       "\n\n{H}\n\n* *Avocado*\n* apricot\n",
       "Avocado,  apricot[[SEARCHPHRASE:apple]]\n\n"},
      {true, "Apple", {"Apple"}, "<br>{H}<br>\n<ul>\n</ul>\n", "[[SEARCHPHRASE:Apple]]\n\n"},
      {false, "Apple", {"Apple"}, "\n\n{H}\n\n", "[[SEARCHPHRASE:Apple]]\n\n"},
      {true,
       "A1",
       {"A&B#1?%", "<B> \"q\""},
       "<br>{H}<br>\n<ul>\n<li><a href=\"match_A&amp;B%231%3F%25.htm\">A&amp;B#1?%</a></li>\n"
       "<li><a href=\"../&lt;/match_&lt;B&gt; &quot;q&quot;.htm\">&lt;B&gt; &quot;q&quot;</a>"
       "</li>\n</ul>\n",
       "A&B#1?%,  <B> \"q\"\n"},
      {false, "a1", {"A&B#1?%"}, "\n\n{H}\n\n* *A&B#1?%*\n", "A&B#1?%\n"}};
  const std::string rule(71, '-'), blank(71, ' ');
  for (const auto& c : cases) {
    SCOPED_TRACE((c.html ? "html, " : "text, ") + c.phrase + ", " + std::to_string(c.group.size()));
    outputHTMLPages = c.html;
    const std::string heading = c.html ? "<h2>5 matches</h2>" : "**5 matches**";
    const Spell q = spell(c.phrase, 1000);
    std::vector<Spell> spells;
    for (size_t i = 0; i < c.group.size(); ++i) spells.push_back(spell(c.group[i], 100 + 200 * i));
    std::vector<const Spell*> group;
    for (const Spell& s : spells) group.push_back(&s);

    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    testing::internal::CaptureStdout();
    writeMatches(heading, file, group, q);
    fflush(stdout);
    const std::string screen = testing::internal::GetCapturedStdout();
    std::string written(4096, '\0');
    rewind(file);
    written.resize(fread(&written[0], 1, written.size(), file));
    fclose(file);

    EXPECT_EQ(written, std::regex_replace(c.file, std::regex("\\{H\\}"), heading));
    const std::string banner = rule + "\n" + blank + "\n     \x1b[33m" + heading + "\x1b[0m : '" +
                               c.phrase + "'\n" + blank + "\n" + rule + "\n";
    EXPECT_EQ(screen, c.group.empty() ? "" : banner + c.screen);
  }
}

}  // namespace
