#include <unistd.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <regex>

#include "TestSupport.h"
#include "spells/DictionarySearch.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

using Loading = UnitTest;

// Each case writes one file (or none) in a fresh working folder and loads it.
TEST_F(Loading, LinesEveryLoadAppendsMissingFiles) {
  const std::string wordList = "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";
  const std::string user = "spellbook/user_entries.txt", done = ")...Done.\n";
  const std::string failed = ")...\nERROR - failed to open dictionary file.";
  std::string raw;  // every byte but NUL and LF
  for (int b = 1; b < 256; ++b)
    if (b != '\n') raw += static_cast<char>(b);
  const std::string huge(1 << 20, 'a');
  // clang-format off
  const struct { bool user; std::string bytes, entries, end; } cases[] = {  // entries: one a line
      {false, "abbey\nbee\ncat\r\n", "abbey\nbee\ncat\n", done}, {false, "abbey\r\nlast word", "abbey\nlast word\n", done},
      {false, "a\rb\n", "a\rb\n", done}, {false, "abbey\r", "abbey\r\n", done}, {false, "\r\n\nabbey\n\r\n\n\r\n", "abbey\n", done},
      {false, "", "", done}, {false, "  Two  Words \r\n \n", "  Two  Words \n \n", done},
      {false, "ab\0cd\r\n\0xyz\nok\n"s, "ab\nok\n", done}, {false, "#note\r\n#\n", "#note\n#\n", done},
      {false, "abbey\nabbey\n", "abbey\nabbey\n", done}, {false, huge + "\n" + raw + "\r\n" + raw, huge + "\n" + raw + "\n" + raw + "\n", done},
      {true, "#note\nThe Grand Framework\n#\r\n # kept\n", "The Grand Framework\n # kept\n", done},
      {true, "Spell One\r\n\r\nspell two", "Spell One\nspell two\n", done},
      {true, "Spell One\r\n\r\nspell two", "Spell One\nspell two\n", done},  // loaded again: held twice
      {true, "", "", failed}, {false, "", "", failed}};  // no file
  // clang-format on
  const fs::path home = fs::current_path();
  const fs::path folder =
      fs::temp_directory_path() / ("veriglyph-load-" + std::to_string(getpid()));
  fs::create_directories(folder / fs::path(wordList).parent_path());
  fs::current_path(folder);
  for (const auto& c : cases) {
    const std::string& path = c.user ? user : wordList;
    if (c.end == done) std::ofstream(path, std::ios::binary) << c.bytes;
    const uint64_t before = dict.wordCount();
    bool result = false;
    const std::string out = captured([&] { result = loadDictionary(c.user); });
    std::string added;
    for (uint64_t i = before; i < dict.wordCount(); ++i) added += dict.getWord(i)->text + "\n";
    EXPECT_EQ(added, c.entries) << testing::PrintToString(c.bytes.substr(0, 40));
    EXPECT_EQ(out, "Loading dictionary file (" + path + c.end);
    EXPECT_EQ(result, c.end == done);
    fs::remove(path);
  }
  fs::current_path(home);
  fs::remove_all(folder);
  const uint64_t count = dict.wordCount();
  dict.addWord("");
  dict.addWord("abc");
  EXPECT_EQ(dict.wordCount(), count + 1);
  EXPECT_EQ(dict.getWord(count)->ordinalValue, 6);
  for (uint64_t index : {count + 1, count + 2, UINT64_MAX})
    EXPECT_EQ(dict.getWord(index), Spell::None);
}

// A spell of text (capitals by default) whose twenty totals are all value.
Spell spellWithAll(int32_t value, const std::string& text = "Zed") {
  Spell spell(text);
  for (const Cypher& c : cyphers())
    if (c.field) spell.*c.field = value;
  return spell;
}
using SearchTerms = UnitTest;

TEST_F(SearchTerms, SplitParseAndRecognise) {
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
    for (const std::string& piece : extractSearchValues(search)) got += "[" + piece + "]";
    EXPECT_EQ(got, pieces) << search;
  }
  for (const auto& [raw, expected] : terms) {
    SearchTerm t = createSearchTerm(raw);
    std::string got =
        t.cypherTag + ":" + t.valueText + "=" + (t.inRange ? std::to_string(t.value) : "out");
    const bool known = recogniseSearchTerm(t);
    EXPECT_EQ(got + (known ? " +" : " -") + t.cypherTag, expected) << raw;
    // Only a known term in range matches a spell with that total everywhere.
    EXPECT_EQ(termMatches(t, spellWithAll(t.value)), known && t.inRange) << raw;
  }
  SearchTerm bacon = createSearchTerm("50bacon"), baconis = createSearchTerm("50baconis");
  ASSERT_TRUE(recogniseSearchTerm(bacon) && recogniseSearchTerm(baconis));
  EXPECT_FALSE(termMatches(bacon, spellWithAll(50, "rose")));  // Francis Bacon needs a capital
  EXPECT_TRUE(termMatches(bacon, spellWithAll(50, "roSe")));
  EXPECT_TRUE(termMatches(baconis, spellWithAll(50, "rose")));
}

TEST_F(SearchTerms, EveryLettersOnlyTagComparesItsOwnTotal) {
  for (const Cypher& c : cyphers())
    for (const std::string& tag : words(c.tags)) {
      if (tag.find('-') != std::string::npos) continue;
      SearchTerm term = createSearchTerm("77" + tag);
      Spell spell = spellWithAll(77);
      const bool recognised = recogniseSearchTerm(term) && term.cypherTag == words(c.tags)[0];
      EXPECT_EQ(recognised && termMatches(term, spell), c.field != nullptr) << tag;
      if (c.field) spell.*c.field = 78;  // every other total still 77
      EXPECT_FALSE(termMatches(term, spell)) << tag;
    }
}

// A spell of text whose totals are base + 7, base + 14, ...: no two agree, so
// it has no symmetry and no ALW-KFW agreement.
Spell spell(const std::string& text, int32_t base) {
  Spell s(text);
  for (const Cypher& c : cyphers())
    if (c.field) s.*c.field = (base += 7);
  return s;
}

// Cyphers by default tag: "j pri" makes W agree with Q in those; "wrev=qord" copies one total.
void agree(const std::string& setup, Spell& w, Spell& q) {
  const auto total = [](const std::string& tag) { return cypher(tag).field; };
  for (std::string t : words(setup)) {
    if (t.find('=') == std::string::npos) t = "w" + t + "=q" + t;
    const size_t eq = t.find('=');
    (t[0] == 'w' ? w : q).*total(t.substr(1, eq - 1)) =
        (t[eq + 1] == 'w' ? w : q).*total(t.substr(eq + 2));
  }
}

using Match = UnitTest;

TEST_F(Match, ScoreClassesAndMarkers) {
  // Score of W against Q and W's screen form. The score's KV and S need the letters in both, its
  // Bacon capitals in both; the markers look at W alone.
  // clang-format off
  const struct {  // shown: the first-entry form, "^36" for ESC [ 36 m
    const char* setup; int score; const char *shown, *text = "word", *phrase = "phrase";
  } cases[] = {
      {"", 0, "word"}, {"ord", 2, "word"}, {"rev-red", 1, "word"}, {"sumer", 1, "word"}, {"jr", 1, "word"},
      {"j", 4, "^35word^0"}, {"tri", 3, "^35word^0"}, {"sq", 3, "^35word^0"},
      {"eng-ext", 3, "^35word^0"}, {"baconis", 1, "^35word^0"}, {"bacon baconis", 1, "^35word^0"},
      {"bacon baconis", 1, "[^33word^0]", "word", "Phrase"}, {"eng-ext j", 7, "[^33word^0]"},
      {"pri", 5, "^36word^0"}, {"j pri", 9, "[[^36word^0]]"}, {"eng-ext j pri", 12, "[^36word^0]"},
      {"satan", 1, "^31word^0"}, {"rev", 1, "^32word^0 {^32rv^0}"}, {"sept", 1, "^32word^0 {^32sp^0}"},
      {"red", 1, "^34word^0"}, {"j red", 5, "(^35word^0)"}, {"eng-ext j red", 8, "(^35word^0)"},
      {"red pri", 6, "^36word^0 {^34r^0}"}, {"ord red pri", 8, "^36word^0 {^33+^0}"},
      {"j satan", 5, "^35word^0 {^31st^0}"}, {"oe", 1, "word"}, {"oe rev", 2, "^32word^0 {^32rv^0,^0oe^0}"},
      {"kv", 0, "word"}, {"s", 0, "word"}, {"alw kfw", 2, "word {^31al^0,^31kf^0}"},
      {"kv", 1, "vat {^36kv^0}", "vat", "kit"}, {"kv", 1, "Vat {^36kv^0}", "Vat", "KIT"},
      {"kv", 0, "vat {^36kv^0}", "vat", "bit"}, {"kv", 0, "bat", "bat", "kit"},
      {"wkv=word qkv=wkv", 0, "vat {^36kv^0}", "vat", "kit"},  // a KV total equal to its own ordinal
      {"s", 1, "sat {^31sx^0}", "sat", "Sit"}, {"s", 0, "sat {^31sx^0}", "sat", "bit"}, {"s", 0, "bat", "bat", "sit"},
      {"bacon", 1, "Bat", "Bat", "biT"}, {"bacon", 0, "Bat", "Bat", "bit"}, {"bacon", 0, "bat", "bat", "Bit"},
      {"baconis", 1, "^35bat^0", "bat", "bit"}, {"", 0, "cats {^33pl?^0}", "cats"}, {"", 0, "who(?)", "who"},
      {"j", 4, "^35who(?)^0", "who"}, {"wrev=qord wrev-red=qred", 0, "word {^32%@^0}"},
      {"wrev=word wrev-red=wred", 0, "word {^36%!!^0}"}, {"wrev=word", 0, "word {^0%^0}"},
      {"wrev-red=wred", 0, "word {^34%^0}"}, {"wkfw=walw", 0, "word {^31%^0}"},
      {"qrev=qord qrev-red=qred ord red rev rev-red pri sept oe kv s satan alw kfw", 16,
       "^36kits^0 {^33pl?^0,^33++^0,^34r^0,^32rv^0,^32sp^0,^0oe^0,^36kv^0,^31sx^0,^31st^0,^31al^0,^31kf^0,^36%!!^0}", "kits"},
      {"wrev=qord wrev-red=qred red pri", 6, "^36word^0 {^32%@^0,^34r^0,^34%^0}"}};
  // clang-format on
  const std::regex escape("\\^(\\d+)");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.phrase + ": " + c.setup);
    Spell w = spell(c.text, 100), q = spell(c.phrase, 1000);
    agree(c.setup, w, q);
    bool prime = false;
    EXPECT_EQ(matchScore(w, q, prime), c.score);
    EXPECT_EQ(prime, std::string(c.setup).find("pri") != std::string::npos);
    for (bool first : {true, false})
      EXPECT_EQ(captured([&] { printMatchToScreen(w, q, first); }),
                (first ? "" : ",  ") + std::regex_replace(c.shown, escape, "\x1b[$1m"));
  }
  Spell kiss("Kiss"), zero("Kiss");  // every total of Kiss is non-zero, its KV unlike its ordinal
  for (const Cypher& c : cyphers())
    if (c.field) zero.*c.field = 0;
  bool prime = true;
  EXPECT_EQ(matchScore(zero, zero, prime), 0);  // zero totals never count
  EXPECT_FALSE(prime);
  EXPECT_EQ(matchScore(kiss, kiss, prime), 34);
  EXPECT_TRUE(prime);
}

TEST_F(Match, WriteMatchesFileAndConsole) {
  const std::vector<std::string> mixed = {"Apple", "apple", "Avocado", "banana", "Cherry"};
  const std::string mixedScreen = "[[SEARCHPHRASE:Apple]]\napple,  Avocado,  banana,  Cherry\n";
  // clang-format off
  const struct {  // the heading is "5 matches"; screen: what follows the banner
    bool html; std::string phrase; std::vector<std::string> group; std::string file, screen;
  } cases[] = {
      {false, "Apple", {}, "", ""}, {true, "Apple", {}, "", ""},
      {false, "Apple", mixed, "\n\n5 matches\n\n* *apple*\n* Avocado\n* *banana*\n* Cherry\n", mixedScreen},
      {true, "Apple", mixed, "<br>5 matches<br>\n<ul>\n<li><i><a href=\"../a/match_apple.htm\">apple</a></i></li>\n"
       "<li><a href=\"match_Avocado.htm\">Avocado</a></li>\n<li><i><a href=\"../b/match_banana.htm\">banana</a></i></li>\n"
       "<li><a href=\"../C/match_Cherry.htm\">Cherry</a></li>\n</ul>\n", mixedScreen},
      {false, "apple", {"Avocado", "apricot", "apple"}, "\n\n5 matches\n\n* *Avocado*\n* apricot\n",
       "Avocado,  apricot[[SEARCHPHRASE:apple]]\n\n"},
      {true, "Apple", {"Apple"}, "<br>5 matches<br>\n<ul>\n</ul>\n", "[[SEARCHPHRASE:Apple]]\n\n"},
      {true, "A1", {"A&B#1?%", "<B> \"q\""}, "<br>5 matches<br>\n<ul>\n<li><a href=\"match_A&amp;B%231%3F%25.htm\">A&amp;B#1?%</a></li>\n"
       "<li><a href=\"../&lt;/match_&lt;B&gt; &quot;q&quot;.htm\">&lt;B&gt; &quot;q&quot;</a></li>\n</ul>\n",
       "A&B#1?%,  <B> \"q\"\n"},
      {false, "a1", {"A&B#1?%"}, "\n\n5 matches\n\n* *A&B#1?%*\n", "A&B#1?%\n"}};
  // clang-format on
  const std::string rule(71, '-'), blank(71, ' ');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phrase + (c.html ? " html " : " text ") + std::to_string(c.group.size()));
    outputHTMLPages = c.html;
    std::deque<Spell> spells;  // distinct totals: no markers, no colour
    std::vector<const Spell*> group;
    for (const std::string& text : c.group)
      group.push_back(&spells.emplace_back(spell(text, 100 + 200 * group.size())));
    char* buffer = nullptr;
    size_t size = 0;
    FILE* file = open_memstream(&buffer, &size);
    const std::string screen =
        captured([&] { writeMatches("5 matches", file, group, spell(c.phrase, 1000)); });
    fclose(file);
    EXPECT_EQ(std::string(buffer, size), c.file);
    free(buffer);
    const std::string banner = rule + "\n" + blank + "\n     \x1b[33m5 matches\x1b[0m : '" +
                               c.phrase + "'\n" + blank + "\n" + rule + "\n";
    EXPECT_EQ(screen, c.group.empty() ? "" : banner + c.screen);
  }
}

}  // namespace
