#include <sstream>

#include "TestSupport.h"
#include "cyphers/CypherSet.h"
#include "match/ListingTable.h"
#include "match/MatchIndex.h"
#include "match/MatchReport.h"
#include "match/MatchScreen.h"
#include "match/PageSet.h"
#include "wordlist/Dictionary.h"

#include <map>

namespace {

// Totals of text that are base + 7, base + 14, ...: no two agree, so there
// is no symmetry and no ALW-KFW agreement. The letter facts are the text's.
SpellTotals spell(const std::string& text, int32_t base) {
  SpellTotals s = totalsOf(text);
  for (int32_t& total : s.totals) total = (base += 7);
  return s;
}

// The K/V fact follows the totals.
void refreshKV(SpellTotals& s) {
  s.flags &= ~kKVCounts;
  if (s.holds(kHoldsKV) && s[Method::kvexception] != s[Method::ordinal]) s.flags |= kKVCounts;
}

int32_t& total(SpellTotals& s, const std::string& tag) {
  static const CypherSet cyphers;
  return s.totals[cyphers.indexOf(*cyphers.findByTag(tag))];
}

// Cyphers by default tag: "j pri" makes W agree with Q in those; "wrev=qord" copies one total.
void agree(const std::string& setup, SpellTotals& w, SpellTotals& q) {
  std::istringstream in(setup);
  for (std::string t; in >> t;) {
    if (t.find('=') == std::string::npos) t = "w" + t + "=q" + t;
    const size_t eq = t.find('=');
    total(t[0] == 'w' ? w : q, t.substr(1, eq - 1)) =
        total(t[eq + 1] == 'w' ? w : q, t.substr(eq + 2));
  }
  refreshKV(w), refreshKV(q);
}

TEST(Match, ScoresClassesAndMarkers) {
  // Score of W against Q and W's screen form. The score's KV and S need the letters in both, its
  // Bacon capitals in both; the markers look at W alone.
  // clang-format off
  const struct {  // shown: the first-entry form
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
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.phrase + ": " + c.setup);
    SpellTotals w = spell(c.text, 100), q = spell(c.phrase, 1000);
    agree(c.setup, w, q);
    Dictionary dictionary;
    dictionary.add(c.text, w);
    const MatchPlan plan(dictionary, q);
    int32_t score = -1;
    plan.score(0, 1, &score);
    EXPECT_EQ(score, c.score);
    EXPECT_EQ(plan.primeMatch(0), std::string(c.setup).find("pri") != std::string::npos);
    for (bool first : {true, false}) {
      TextBuffer out;
      appendListedSpell(out, c.text, agreementOf(w, q), ownMarks(c.text, w), q.holds(kHoldsCapital),
                        first, Palette(true));
      EXPECT_EQ(out.view(), (first ? "" : ",  ") + ansi(c.shown));
    }
  }
  Dictionary both;  // a spell agrees with itself in everything: 34, unless a total is 0
  both.add("Kiss", totalsOf("Kiss"));
  both.add("zero", SpellTotals{});
  both.add("Kid", totalsOf("Kid"));
  int32_t scores[3];
  MatchPlan(both, totalsOf("Kiss")).score(0, 3, scores);
  EXPECT_EQ(scores[0], 34);
  EXPECT_EQ(scores[1], 0);
  MatchPlan(both, totalsOf("Kid")).score(0, 3, scores);
  EXPECT_EQ(scores[2], 32);  // no s, and a K/V total equal to its ordinal one: neither counts
  EXPECT_FALSE(MatchPlan(both, SpellTotals{}).primeMatch(1));
}

TEST(Match, ReportFileAndConsole) {
  const std::vector<std::string> mixed = {"Apple", "apple", "Avocado", "banana", "Cherry"};
  const std::string mixedScreen = "[[SEARCHPHRASE:Apple]]\napple,  Avocado,  banana,  Cherry\n";
  // clang-format off
  const struct {  // the one group scores 5; screen: what follows the banner
    bool html; std::string phrase; std::vector<std::string> group; std::string list, screen;
  } cases[] = {
      {false, "Apple", {}, "", ""}, {true, "Apple", {}, "", ""},
      {false, "Apple", mixed, "\n\n**5 matches**\n\n* *apple*\n* Avocado\n* *banana*\n* Cherry\n", mixedScreen},
      {true, "Apple", mixed, "<br><h2>5 matches</h2><br>\n<ul>\n<li><i><a href=\"../a/match_apple.htm\">apple</a></i></li>\n"
       "<li><a href=\"match_Avocado.htm\">Avocado</a></li>\n<li><i><a href=\"../b/match_banana.htm\">banana</a></i></li>\n"
       "<li><a href=\"../C/match_Cherry.htm\">Cherry</a></li>\n</ul>\n", mixedScreen},
      {false, "apple", {"Avocado", "apricot", "apple"}, "\n\n**5 matches**\n\n* *Avocado*\n* apricot\n",
       "Avocado,  apricot[[SEARCHPHRASE:apple]]\n\n"},
      {true, "Apple", {"Apple"}, "<br><h2>5 matches</h2><br>\n<ul>\n</ul>\n", "[[SEARCHPHRASE:Apple]]\n\n"},
      {true, "A1", {"A&B#1?%", "<B> \"q\""}, "<br><h2>5 matches</h2><br>\n<ul>\n<li><a href=\"match_A&amp;B%231%3F%25.htm\">A&amp;B#1?%</a></li>\n"
       "<li><a href=\"../&lt;/match_&lt;B&gt; &quot;q&quot;.htm\">&lt;B&gt; &quot;q&quot;</a></li>\n</ul>\n",
       "A&B#1?%,  <B> \"q\"\n"},
      {false, "a1", {"A&B#1?%"}, "\n\n**5 matches**\n\n* *A&B#1?%*\n", "A&B#1?%\n"}};
  // clang-format on
  const std::string rule(71, '-'), blank(71, ' ');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phrase + (c.html ? " html " : " text ") + std::to_string(c.group.size()));
    Dictionary dictionary;  // distinct totals: no markers, no colour
    MatchGroups groups;
    const SpellTotals phrase = spell(c.phrase, 10000);
    for (const std::string& text : c.group) {
      const SpellTotals totals = spell(text, 100 + 200 * static_cast<int32_t>(dictionary.size()));
      groups.byScore[5].push_back(
          {static_cast<uint32_t>(dictionary.size()), agreementOf(totals, phrase)});
      dictionary.add(text, totals);
    }
    TextBuffer page, shown;
    const ReportFormat format = c.html ? ReportFormat::html : ReportFormat::text;
    appendMatchReport(page, shown, {dictionary, groups, c.phrase, phrase, format, Palette(true)});
    const std::string head = c.html ? "<html><head><title>" + c.phrase +
                                          " (matching spells)</title></head><body>\n"
                                          "<h1>Spells matching: " +
                                          c.phrase + "</h1>\n<p>The search phrase: '<b>" +
                                          c.phrase + "</b>'</p>\n"
                                    : "The search phrase: '" + c.phrase + "'\n";
    EXPECT_EQ(page.view(), head + c.list + (c.html ? "</body></html>\n" : ""));
    const std::string heading = c.html ? "<h2>5 matches</h2>" : "**5 matches**";
    const std::string banner = rule + "\n" + blank + "\n     \x1b[33m" + heading + "\x1b[0m : '" +
                               c.phrase + "'\n" + blank + "\n" + rule + "\n";
    EXPECT_EQ(shown.view(), c.group.empty() ? "" : banner + c.screen);
  }
}

// A page's head names the phrase three times, each escaped for the page.
TEST(Match, PageHeadEscapesThePhrase) {
  const std::string phrase = "<i>Tom & \"Jerry\"</i>";
  const Dictionary none;
  TextBuffer page, shown;
  appendMatchReport(
      page, shown,
      {none, MatchGroups{}, phrase, totalsOf(phrase), ReportFormat::html, Palette(false)});
  const std::string escaped = "&lt;i&gt;Tom &amp; &quot;Jerry&quot;&lt;/i&gt;";
  EXPECT_EQ(page.view(),
            "<html><head><title>" + escaped +
                " (matching spells)</title></head><body>\n<h1>Spells matching: " + escaped +
                "</h1>\n<p>The search phrase: '<b>" + escaped + "</b>'</p>\n</body></html>\n");
}

// Any number of threads leaves the same pages and console text as one, also
// with more threads than pages, no pages at all, and a page already there. A
// page without its letter folder (Ab) fails the set.
TEST(PageSet, TheSameForAnyNumberOfThreads) {
  const std::vector<std::string> lists[] = {
      {}, {"ab"}, {"ab", "ba", "Ab", "ab", "b&a", "x"}, std::vector<std::string>(40, "z")};
  for (const auto& list : lists) {
    std::string firstConsole;
    std::map<std::string, std::string> firstPages;
    for (unsigned jobs : {1u, 3u, 16u}) {
      SCOPED_TRACE(std::to_string(list.size()) + " entries, " + std::to_string(jobs) + " jobs");
      WorkingFolder folder;
      for (const char* letter : {"a", "b", "x", "z"})
        folder.write(std::string(letter) + "/.keep", "");
      folder.write("b/match_ba.htm", "earlier\n");
      Dictionary dictionary;
      for (const std::string& text : list) dictionary.add(text, totalsOf(text));
      const ReportPlaces places{".", ".", "temp.txt", "temp-fallback.txt"};
      bool done = false;
      const std::string console =
          consoleText([&](Console& c) { done = writeHtmlSet(dictionary, jobs, places, c); }, false);
      EXPECT_EQ(done, std::find(list.begin(), list.end(), "Ab") == list.end());
      std::map<std::string, std::string> pages;
      for (const auto& file : std::filesystem::recursive_directory_iterator(".")) {
        if (file.is_regular_file()) pages[file.path().string()] = readFileText(file.path());
      }
      if (jobs == 1) {
        firstConsole = console, firstPages = pages;
        continue;
      }
      EXPECT_EQ(console, firstConsole);
      EXPECT_EQ(pages, firstPages);
    }
  }
}

// The index gives the groups that scoring every entry gives, and a page made
// with the listing's records has the bytes of one made without, whether the
// phrase is an entry or not.
TEST(MatchIndex, TheGroupsAndPagesOfTheWholeScoring) {
  Dictionary dictionary;
  ASSERT_TRUE(dictionary.load(VERIGLYPH_SOURCE_DIR "/spellbook/DictionaryFiles/12dicts-6.0.2/"
                                                   "International/5d+2a.txt",
                              Dictionary::HashLines::entries));
  for (const char* text : {"A&B#1?%", "<\xc3\xa9> \xc3\xbc", "Kiss", "vivid"}) {
    dictionary.add(text, totalsOf(text));
  }
  const MatchIndex index(dictionary);
  const ListingTable listing(dictionary);
  MatchIndex::Scratch scratch;
  std::vector<std::string> phrases = {
      "",        "Hello World",         "Kiss",        "vivid", "SASS", "123",
      "A&B#1?%", "<\xc3\xa9> \xc3\xbc", "\xce\xa9mega"};
  for (size_t entry = 0; entry < dictionary.size(); entry += 401) {
    phrases.emplace_back(dictionary.text(entry));
  }
  const auto same = [](const std::vector<Listed>& a, const std::vector<Listed>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto x, auto y) {
             return x.entry == y.entry && x.agreement == y.agreement;
           });
  };
  for (const std::string& phrase : phrases) {
    SCOPED_TRACE(phrase);
    const SpellTotals totals = totalsOf(phrase);
    MatchGroups whole, indexed;
    scoreEntries(dictionary, totals, whole);
    index.score(totals, indexed, scratch);
    for (int score = 0; score <= kTopScore; ++score) {
      EXPECT_TRUE(same(whole.byScore[score], indexed.byScore[score])) << score;
    }
    EXPECT_TRUE(same(whole.prime, indexed.prime));
    uint32_t entry = kNoPhraseEntry;
    for (uint32_t e = 0; e < dictionary.size() && entry == kNoPhraseEntry; ++e) {
      if (dictionary.text(e) == phrase) entry = e;
    }
    TextBuffer plain, shown, fast;
    appendMatchReport(plain, shown,
                      {dictionary, whole, phrase, totals, ReportFormat::html, Palette(false)});
    appendMatchPage(fast, {dictionary, indexed, phrase, totals, ReportFormat::html, Palette(false),
                           &listing, entry});
    EXPECT_EQ(fast.view(), plain.view());
  }
}

}  // namespace
