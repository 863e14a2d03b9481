#include <sstream>

#include "DataTable.h"
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
  for (const Row& c : dataRows("match-scores.tsv")) {
    const std::string &setup = c[0], &text = c[3], &phrase = c[4];
    SCOPED_TRACE(text + " / " + phrase + ": " + setup);
    SpellTotals w = spell(text, 100), q = spell(phrase, 1000);
    agree(setup, w, q);
    Dictionary dictionary;
    dictionary.add(text, w);
    const MatchPlan plan(dictionary, q);
    int32_t score = -1;
    plan.score(0, 1, &score);
    EXPECT_EQ(std::to_string(score), c[1]);
    EXPECT_EQ(plan.primeMatch(0), setup.find("pri") != std::string::npos);
    for (bool first : {true, false}) {
      TextBuffer out;
      appendListedSpell(out, text, agreementOf(w, q), ownMarks(text, w), q.holds(kHoldsCapital),
                        first, Palette(true));
      EXPECT_EQ(out.view(), (first ? "" : ",  ") + ansi(c[2]));
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
  // The one group scores 5; SCREEN: what follows the banner.
  const std::string rule(71, '-'), blank(71, ' ');
  for (const Row& row : dataRows("match-reports.tsv")) {
    const bool html = row[0] == "html";
    const std::string &said = row[1], &list = row[3], &screen = row[4];
    const std::vector<std::string> group = split(row[2], '|');
    SCOPED_TRACE(said + (html ? " html " : " text ") + std::to_string(group.size()));
    Dictionary dictionary;  // distinct totals: no markers, no colour
    MatchGroups groups;
    const SpellTotals phrase = spell(said, 10000);
    for (const std::string& text : group) {
      const SpellTotals totals = spell(text, 100 + 200 * static_cast<int32_t>(dictionary.size()));
      groups.byScore[5].push_back(
          {static_cast<uint32_t>(dictionary.size()), agreementOf(totals, phrase)});
      dictionary.add(text, totals);
    }
    TextBuffer page, shown;
    const ReportFormat format = html ? ReportFormat::html : ReportFormat::text;
    appendMatchReport(page, shown, {dictionary, groups, said, phrase, format, Palette(true)});
    const std::string head = html ? "<html><head><title>" + said +
                                        " (matching spells)</title></head><body>\n"
                                        "<h1>Spells matching: " +
                                        said + "</h1>\n<p>The search phrase: '<b>" + said +
                                        "</b>'</p>\n"
                                  : "The search phrase: '" + said + "'\n";
    EXPECT_EQ(page.view(), head + list + (html ? "</body></html>\n" : ""));
    const std::string heading = html ? "<h2>5 matches</h2>" : "**5 matches**";
    const std::string banner = rule + "\n" + blank + "\n     \x1b[33m" + heading + "\x1b[0m : '" +
                               said + "'\n" + blank + "\n" + rule + "\n";
    EXPECT_EQ(shown.view(), group.empty() ? "" : banner + screen);
  }
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

// The index gives the groups that scoring every entry gives, also when asked
// only for what a page shows, and a page made with the listing's records has
// the bytes of one made without, whether the phrase is an entry or not.
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
  // What a page shows of an agreement: the letter facts and the primes.
  const Agreement shownOnPage = ~Agreement{0} << kSpellFlagsShift | Agreement{1}
                                                                        << ::index(Method::primes);
  const auto sameForPage = [shownOnPage](const std::vector<Listed>& a,
                                         const std::vector<Listed>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [shownOnPage](auto x, auto y) {
             return x.entry == y.entry && (x.agreement & shownOnPage) == y.agreement;
           });
  };
  for (const std::string& phrase : phrases) {
    SCOPED_TRACE(phrase);
    const SpellTotals totals = totalsOf(phrase);
    MatchGroups whole, indexed, forPage;
    scoreEntries(dictionary, totals, whole);
    index.score(totals, indexed, scratch);
    index.score(totals, forPage, scratch, MatchIndex::Agreements::page);
    for (int score = 0; score <= kTopScore; ++score) {
      EXPECT_TRUE(same(whole.byScore[score], indexed.byScore[score])) << score;
      EXPECT_TRUE(sameForPage(whole.byScore[score], forPage.byScore[score])) << score;
    }
    EXPECT_TRUE(same(whole.prime, indexed.prime));
    EXPECT_TRUE(sameForPage(whole.prime, forPage.prime));
    TextBuffer plain, shown, fast, page;
    appendMatchReport(plain, shown,
                      {dictionary, whole, phrase, totals, ReportFormat::html, Palette(false)});
    appendMatchPage(
        fast, {dictionary, indexed, phrase, totals, ReportFormat::html, Palette(false), &listing});
    appendMatchPage(
        page, {dictionary, forPage, phrase, totals, ReportFormat::html, Palette(false), &listing});
    EXPECT_EQ(fast.view(), plain.view());
    EXPECT_EQ(page.view(), plain.view());
  }
}

}  // namespace
