#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "e2e/Scratch.h"

namespace {

const std::string kLoadStart =
    "Loading dictionary file (spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...";
const std::string kLoad = kLoadStart + "Done.\n";
const std::string kExisting =
    "Output file already exists. Writing to temp file until the older match-result is "
    "deleted.\n";

std::string page(const std::string& shownPhrase, const std::string& groups) {
  return "<html><head><title>" + shownPhrase + " (matching spells)</title></head><body>\n" +
         "<h1>Spells matching: " + shownPhrase + "</h1>\n<p>The search phrase: '<b>" + shownPhrase +
         "</b>'</p>\n" + groups + "</body></html>\n";
}

std::string group(const std::string& title, const std::string& items) {
  return "<br><h2>" + title + "</h2><br>\n<ul>\n" + items + "</ul>\n";
}

std::string banner(const std::string& title) {
  const std::string dashes(71, '-'), blanks(71, ' ');
  return dashes + "\n" + blanks + "\n     \033[33m<h2>" + title + "</h2>\033[0m : 'magic'\n" +
         blanks + "\n" + dashes + "\n";
}

// Every file below spellbook/ResultsHTML with its content.
std::map<std::string, std::string> pages(const Scratch& scratch) {
  std::map<std::string, std::string> found;
  const std::string root = scratch.at("spellbook/ResultsHTML");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = std::filesystem::relative(entry.path(), scratch.path()).string();
    found[relative] = scratch.readFile(relative);
  }
  return found;
}

}  // namespace

// Against magic (no capital): gamic is an anagram (31), Magic loses only franc baconis (30),
// mo shares primes 88 (5), lm shares jewish 50 (4).
TEST(HtmlWord, WritesOnePageWithLinksIntoLetterFolders) {
  Scratch scratch;
  scratch.writeWordList({"magic", "gamic", "Magic", "mo", "lm"});
  const RunResult run = runVeriglyph(scratch.path(), {"--html", "magic"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string gamic = "<li><a href=\"../g/match_gamic.htm\">gamic</a></li>\n";
  const std::string magicCap = "<li><i><a href=\"../M/match_Magic.htm\">Magic</a></i></li>\n";
  const std::string mo = "<li><a href=\"match_mo.htm\">mo</a></li>\n";
  const std::map<std::string, std::string> expected = {
      {"spellbook/ResultsHTML/m/match_magic.htm",
       page("magic", group("31 matches", gamic) + group("30 matches", magicCap) +
                         group("5 matches", mo) +
                         group("4 matches", "<li><a href=\"../l/match_lm.htm\">lm</a></li>\n") +
                         group("All prime matches", gamic + magicCap + mo))}};
  EXPECT_EQ(pages(scratch), expected);

  // The console banner shows the heading with its markup.
  EXPECT_NE(run.out.find(banner("31 matches") + "[[SEARCHPHRASE:magic]]\n"), std::string::npos);
  EXPECT_NE(run.out.find("Done.\nArchiving <magic> in user spellbook..."), std::string::npos);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "magic\n");
}

// The three spells hold the letters a, b, c and "&" and nothing else that counts, so they agree
// in every cypher: 31 each. Page text is HTML-escaped; a link first percent-encodes % # ?.
TEST(HtmlWord, EscapesPageTextAndLinks) {
  Scratch scratch;
  scratch.writeWordList({"a<b&\"c", "c#?%a&b>", "ab?c&#"});
  const RunResult run = runVeriglyph(scratch.path(), {"--html", "a<b&\"c"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string items =
      "<li><a href=\"../c/match_c%23%3F%25a&amp;b&gt;.htm\">c#?%a&amp;b&gt;</a></li>\n"
      "<li><a href=\"match_ab%3Fc&amp;%23.htm\">ab?c&amp;#</a></li>\n";
  const std::map<std::string, std::string> expected = {
      {"spellbook/ResultsHTML/a/match_a<b&\"c.htm",
       page("a&lt;b&amp;&quot;c", group("31 matches", items) + group("All prime matches", items))}};
  EXPECT_EQ(pages(scratch), expected);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "a<b&\"c\n");
}

TEST(HtmlSet, WritesEveryPageOnceAndNeverOverwrites) {
  Scratch scratch;
  scratch.writeWordList({"ab", "ba", "Ab"});
  const std::string ab = "<li><a href=\"../a/match_ab.htm\">ab</a></li>\n";
  const std::string ba = "<li><a href=\"../b/match_ba.htm\">ba</a></li>\n";
  const std::string abCap = "<li><i><a href=\"../A/match_Ab.htm\">Ab</a></i></li>\n";
  const std::string abEm = "<li><i><a href=\"../a/match_ab.htm\">ab</a></i></li>\n";
  const std::string baEm = "<li><i><a href=\"../b/match_ba.htm\">ba</a></i></li>\n";
  // ab and ba agree everywhere (31); Ab differs from them only in franc baconis (30) and
  // meets itself with the Bacon weight too (32), a group with no list line.
  const std::map<std::string, std::string> expected = {
      {"spellbook/ResultsHTML/a/match_ab.htm",
       page("ab", group("31 matches", ba) + group("30 matches", abCap) +
                      group("All prime matches", ba + abCap))},
      {"spellbook/ResultsHTML/b/match_ba.htm",
       page("ba", group("31 matches", ab) + group("30 matches", abCap) +
                      group("All prime matches", ab + abCap))},
      {"spellbook/ResultsHTML/A/match_Ab.htm",
       page("Ab", group("32 matches", "") + group("30 matches", abEm + baEm) +
                      group("All prime matches", abEm + baEm))}};

  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "first run" : "second run");
    const RunResult run = runVeriglyph(scratch.path(), {"--html"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind(kLoad, 0), 0u);
    size_t at = 0;
    for (const std::string spell : {"ab", "ba", "Ab"}) {
      const std::string start = "Dictionary Match for <" + spell +
                                ">\nPerforming dictionary match against <" + spell + ">\n" +
                                (pass == 0 ? "" : kExisting) + "Looping through dictionary...\n";
      at = run.out.find(start, at);
      ASSERT_NE(at, std::string::npos) << spell;
    }
    EXPECT_EQ(run.out.find(kExisting) == std::string::npos, pass == 0);
    EXPECT_EQ(pages(scratch), expected);
    // The temporary file is overwritten by each page that falls back; Ab comes last.
    EXPECT_EQ(scratch.exists("spellbook/Results/temp_match.txt"), pass == 1);
    if (pass == 1) {
      EXPECT_EQ(scratch.readFile("spellbook/Results/temp_match.txt"),
                expected.at("spellbook/ResultsHTML/A/match_Ab.htm"));
    }
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  }
}

TEST(HtmlSet, EmptyWordListWritesNoPage) {
  Scratch scratch;
  scratch.writeWordList({});
  const RunResult run = runVeriglyph(scratch.path(), {"--html"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kLoad);
  EXPECT_TRUE(pages(scratch).empty());
}

TEST(Html, MissingWordList) {
  const std::string failed = kLoadStart + "\nERROR - failed to open dictionary file.";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;
  } cases[] = {
      {{"--html"}, 0, failed},
      {{"--html", "magic"},
       1,
       failed + "ERROR: failed to load dictionary files for matching operation (HTML output).\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size());
    Scratch scratch;
    const RunResult run = runVeriglyph(scratch.path(), c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.out);
    EXPECT_TRUE(pages(scratch).empty());
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  }
}
