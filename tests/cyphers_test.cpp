#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"

namespace {

// Sets the two print flags for one scope and puts the old ones back.
struct Flags {
  bool oldSilent = silent, oldComprehensive = comprehensive;
  Flags(bool s, bool c) { silent = s, comprehensive = c; }
  ~Flags() { silent = oldSilent, comprehensive = oldComprehensive; }
};

std::string captured(const std::function<void()>& run) {
  testing::internal::CaptureStdout();
  run();
  fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

struct Expect {
  const char *display, *label, *suffix;
  bool coloured;
  std::vector<std::string> tags;
  const char* defaultTag;
  int weight, hello, helloRoot;  // total and root of "Hello World"
  const char* helloBreakdown;
};
struct Row {
  std::function<int(const std::string&)> calc;
  std::function<std::string()> name;
  std::function<int()> weight;
  std::function<bool(const std::string&)> isTag;
  std::function<std::string()> defaultTag;
  Expect e;
  // The long line as printed for a spell with this total, breakdown and root.
  std::string longForm(int total, const std::string& breakdown, int root) const {
    return e.label + std::to_string(total) + "  (" + breakdown + ")  [" + std::to_string(root) +
           "]" + (e.coloured ? "\033[0m" : "");
  }
};
// clang-format off
template <class C>
Row bind(C& c, Expect e) {
  return {[&c](const std::string& s) { return c.calculate(s); }, [&c] { return c.name(); },
          [&c] { return c.matchPriority(); }, &C::isCypherTag, [] { return C::defaultCypherTag(); }, e};
}

// Indexed by Method id.
const std::vector<Row> kRows = {
    bind(ordinal, {"English Ordinal", "  ordinal:   ", "", false, {"ord", "ordinal", "basic", "alphabetic"}, "ord", 2, 124, 7, "8+5+12+12+15+0+23+15+18+12+4"}),
    bind(reduced, {"English Reduced", "\033[36m  reduced:   ", "", true, {"or", "red", "reduced", "reduction"}, "red", 1, 52, 7, "8+5+3+3+6+0+5+6+9+3+4"}),
    bind(reverse, {"English Reverse Ordinal", "\033[32m  reverse:   ", "rev", true, {"rev", "ro", "reverse", "rev-ord", "rev-ordinal", "reverse-ord", "reverse-ordinal"}, "rev", 1, 146, 2, "19+22+15+15+12+0+4+12+9+15+23"}),
    bind(reverseReduced, {"English Reverse-Reduced", "\033[36m  rev-red:   ", "revred", true, {"rr", "revred", "rev-red", "reverse-reduced", "reverse-reduction"}, "rev-red", 1, 47, 2, "1+4+6+6+3+0+4+3+9+6+5"}),
    bind(kvexception, {"K/V Exception", "\033[35m  kv-except: ", "kv", true, {"kv", "kvexp", "kv-exp", "kvexcept", "kv-except", "kv-exception"}, "kv", 1, 52, 7, "8+5+3+3+6+0+5+6+9+3+4"}),
    bind(sexception, {"S-exception", "\033[31m  s-except:  ", "s", true, {"s", "sex", "sexp", "s-exp", "s-exception", "sexception"}, "s", 1, 52, 7, "8+5+3+3+6+0+5+6+9+3+4"}),
    bind(sumerian, {"Sumerian", "\033[33m  sumerian:  ", "sumer", true, {"sumer", "sum", "sumerian"}, "sumer", 1, 744, 6, "48+30+72+72+90+0+138+90+108+72+24"}),
    bind(jewish, {"Jewish", "\033[35m  agrippa:   ", "j", true, {"j", "jew", "jewish", "agrippa", "latin"}, "j", 4, 1157, 5, "8+5+20+20+50+0+900+50+80+20+4"}),
    bind(jewishReduced, {"Jewish Reduced", "\033[35m  jew-red:   ", "jr", true, {"jr", "jewred", "jew-red", "jew-reduced", "jew-reduction", "jewish-reduced", "jewish-reduction"}, "jr", 1, 50, 5, "8+5+2+2+5+0+9+5+8+2+4"}),
    bind(bacon, {"Francis Bacon", "\033[35m  bacon:     ", "bacon", true, {"bacon", "bcn", "fb", "francis-bacon", "francisbacon"}, "bacon", 1, 176, 5, "34+5+12+12+15+0+49+15+18+12+4"}),
    bind(baconis, {"Franc Baconis", "\033[35m  baconis:   ", "baconis", true, {"baconis", "bcns", "francbaconis", "franc-baconis"}, "baconis", 1, 246, 3, "15+10+24+24+30+0+45+30+36+24+8"}),
    bind(satanic, {"Satanic", "\033[31m  satanic:   ", "st", true, {"satan", "st", "stn", "satanic"}, "satan", 1, 474, 6, "43+40+47+47+50+58+50+53+47+39"}),
    bind(septenary, {"Septenary", "\033[32m  septenary: ", "sept", true, {"sept", "spt", "septenary"}, "sept", 1, 34, 7, "6+5+2+2+2+0+4+2+5+2+4"}),
    bind(primes, {"Primes", "\033[33m  primes:    ", "pri", true, {"pri", "prime", "primes"}, "pri", 5, 386, 8, "19+11+37+37+47+0+83+47+61+37+7"}),
    bind(trigonal, {"Trigonal", "\033[33m  trigonal:  ", "tri", true, {"tri", "tr", "trigonal", "triangular"}, "tri", 3, 982, 1, "36+15+78+78+120+0+276+120+171+78+10"}),
    bind(squares, {"Squares", "\033[33m  squares:   ", "sq", true, {"sq", "square", "squares"}, "sq", 3, 1840, 4, "64+25+144+144+225+0+529+225+324+144+16"}),
    bind(extended, {"English-Extended", "\033[33m  eng-ext:   ", "eng-ext", true, {"ee", "ext", "engext", "eng-ext", "englishext", "english-ext", "englishextended", "english-extended"}, "eng-ext", 3, 817, 7, "8+5+30+30+60+0+500+60+90+30+4"}),
    bind(alw, {"ALW", "\033[31m  alw:       ", "alw", true, {"alw", "alw-qabala", "alw-qabalah"}, "alw", 1, 70, 7, "4+25+2+2+7+0+3+7+12+2+6"}),
    bind(kfw, {"KFW", "\033[31m  kfw:       ", "kfw", true, {"kfw", "kfw-qabala", "kfw-qabalah"}, "kfw", 1, 126, 9, "12+17+18+18+15+0+3+15+4+18+6"}),
    bind(oldEnglish, {"Old English", "  old-eng:   ", "", false, {"oe", "oeng", "old-eng", "old-english"}, "oe", 1, 116, 8, "8+5+11+11+14+0+21+14+17+11+4"}),
    bind(fibonacci, {"Fibonacci", "\033[32m  fibonacci: ", "fib", true, {"fib", "fibonacci", "fibsym"}, "fib", 1, 786, 3, "21+5+144+144+144+0+3+144+34+144+3"}),
};

struct TableCase {
  const char* name;
  const LetterTable& table;
  std::vector<int> az;  // "A" to "Z"; baconis: the upper-case letters
  int ampersand;
};
const std::vector<TableCase> kTables = {
    {"ordinal", ordinalCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}, 27},
    {"reduced", reducedCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8}, 0},
    {"reverseReduced", reverseReducedCypher, {8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 0},
    {"sexception", sexceptionCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 2, 3, 4, 5, 6, 7, 8}, 0},
    {"engExt", engExtCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800}, 900},
    {"jewish", jewishCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 600, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 700, 900, 300, 400, 500}, 800},
    {"jewishReduced", jewishReducedCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 7, 9, 3, 4, 5}, 8},
    {"oldEnglish", oldEnglishCypher, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 20, 21, 22, 23, 24}, 0},
    {"baconis", baconisCypher, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39, 41, 43, 45, 47, 49, 51}, 0},
    {"alw", alwCypher, {1, 20, 13, 6, 25, 18, 11, 4, 23, 16, 9, 2, 21, 14, 7, 26, 19, 12, 5, 24, 17, 10, 3, 22, 15, 8}, 0},
    {"kfw", kfwCypher, {9, 20, 13, 6, 17, 2, 19, 12, 23, 16, 1, 18, 5, 22, 15, 26, 11, 4, 21, 8, 25, 10, 3, 14, 7, 24}, 0},
    {"septenary", septenaryCypher, {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}, 0},
    {"primes", primesCypher, {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101}, 0},
    {"trigonal", trigonalCypher, {1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66, 78, 91, 105, 120, 136, 153, 171, 190, 210, 231, 253, 276, 300, 325, 351}, 0},
    {"squares", squaresCypher, {1, 4, 9, 16, 25, 36, 49, 64, 81, 100, 121, 144, 169, 196, 225, 256, 289, 324, 361, 400, 441, 484, 529, 576, 625, 676}, 0},
    {"fibonacci", fibonacciCypher, {1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 233, 144, 89, 55, 34, 21, 13, 8, 5, 3, 2, 1, 1}, 0},
};
// clang-format on

class Cyphers : public testing::Test {
 protected:
  void SetUp() override { initCyphers(); }
};

TEST_F(Cyphers, TablesHoldLettersDigitsAndAmpersandOnly) {
  initCyphers();  // a second fill changes nothing
  for (const auto& t : kTables) {
    const bool caseSensitive = std::string(t.name) == "baconis";
    for (int n = 0; n < 26; ++n) {
      EXPECT_EQ(t.table['A' + n], t.az[n]) << t.name << " " << char('A' + n);
      EXPECT_EQ(t.table['a' + n], caseSensitive ? 2 * n + 2 : 0) << t.name << " " << char('a' + n);
    }
    for (int d = 0; d < 10; ++d) EXPECT_EQ(t.table['0' + d], d) << t.name << " digit " << d;
    EXPECT_EQ(t.table['&'], t.ampersand) << t.name;
    for (unsigned char c : std::string(" -'!.\t\x80\xc3\xe9\xff"))
      EXPECT_EQ(t.table[c], 0) << t.name << " byte " << int(c);
  }
}

TEST_F(Cyphers, HelloWorldInEveryCypherLongShortAndSilent) {
  const std::string spell = "Hello World";
  for (const Row& r : kRows) {
    int total = -1;
    Flags longForm(false, true);
    EXPECT_EQ(captured([&] { total = r.calc(spell); }),
              r.longForm(r.e.hello, r.e.helloBreakdown, r.e.helloRoot))
        << r.e.display;
    EXPECT_EQ(total, r.e.hello) << r.e.display;
    comprehensive = false;
    EXPECT_EQ(captured([&] { r.calc(spell); }), std::to_string(r.e.hello) + r.e.suffix + "/");
    for (bool c : {false, true}) {
      Flags quiet(true, c);
      EXPECT_EQ(captured([&] { total = r.calc(spell); }), "") << r.e.display;
      EXPECT_EQ(total, r.e.hello) << r.e.display;
    }
    Flags hush(true, false);  // only the two Bacon cyphers tell upper from lower case
    const bool caseMatters = std::string(r.e.display).rfind("Franc", 0) == 0;
    EXPECT_EQ(r.calc("HELLO WORLD") != r.calc("hello world"), caseMatters) << r.e.display;
  }
}

TEST_F(Cyphers, EdgeSpells) {
  struct Case {
    int method;
    const char *spell, *breakdown;
    int total, root;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {MethodEnglishOrdinal, "", "", 0, 0}, {MethodEnglishReduced, "", "", 0, 0}, {MethodSatanic, "", "", 0, 0},
      {MethodEnglishOrdinal, "a b", "1+0+2", 3, 3}, {MethodSatanic, "a b", "36+37", 73, 1},
      {MethodSatanic, "ab!", "36+37", 73, 1}, {MethodSatanic, "!a", "36", 36, 9}, {MethodSatanic, " -", "", 0, 0},
      {MethodSatanic, "7&", "7", 7, 7}, {MethodReverseOrdinal, "az", "26+1", 27, 9},
      {MethodReverseOrdinal, "7&", "7+27", 34, 7}, {MethodSumerian, "7&", "7+27", 34, 7},
      {MethodFrancisBacon, "7&", "7+27", 34, 7}, {MethodEnglishOrdinal, "7&", "7+27", 34, 7},
      {MethodEnglishReduced, "7&", "7+0", 7, 7}, {MethodFrancBaconis, "7&", "7+0", 7, 7},
      {MethodEnglishExtended, "7&", "7+900", 907, 7}, {MethodJewish, "7&", "7+800", 807, 6},
      {MethodJewishReduced, "7&", "7+8", 15, 6}, {MethodFrancisBacon, "Ab", "27+2", 29, 2},
      {MethodFrancBaconis, "Ab", "1+4", 5, 5}, {MethodFrancisBacon, "aB", "1+28", 29, 2},
      {MethodFrancBaconis, "aB", "2+3", 5, 5}, {MethodKVException, "kv", "11+22", 33, 6},
      {MethodEnglishReduced, "kv", "2+4", 6, 6}, {MethodSumerian, "a1", "6+1", 7, 7},
      {MethodEnglishOrdinal, "\xc3\xa9", "0+0", 0, 0}, {MethodSatanic, "\xc3\xa9z", "61", 61, 7},
  };
  // clang-format on
  Flags longForm(false, true);
  for (const Case& c : cases) {
    const Row& r = kRows[c.method];
    int total = -1;
    EXPECT_EQ(captured([&] { total = r.calc(c.spell); }), r.longForm(c.total, c.breakdown, c.root))
        << r.e.display << " '" << c.spell << "'";
    EXPECT_EQ(total, c.total) << r.e.display << " '" << c.spell << "'";
  }
  EXPECT_EQ(captured([] { ordinal.calculate(""); }), "  ordinal:   0  ()  [0]");
  comprehensive = false;  // the short form carries no label and no colour
  EXPECT_EQ(captured([] { ordinal.calculate("ab"); }), "3/");
  EXPECT_EQ(captured([] { reverse.calculate("ab"); }), "51rev/");
  EXPECT_EQ(captured([] { satanic.calculate(""); }), "0st/");
}

TEST_F(Cyphers, TagsNamesWeights) {
  std::set<std::string> allTags;
  for (const Row& r : kRows) allTags.insert(r.e.tags.begin(), r.e.tags.end());
  for (const Row& r : kRows) {
    for (const std::string& tag : allTags) {
      const bool own = std::find(r.e.tags.begin(), r.e.tags.end(), tag) != r.e.tags.end();
      EXPECT_EQ(r.isTag(tag), own) << r.e.display << " tag '" << tag << "'";
    }
    for (const char* bad : {"Ord", "ORD", "latin-agrippa", "alva", "agrippa-reduced", "jewish-red",
                            "", " ord", "ord ", "Rev-Red"})
      EXPECT_FALSE(r.isTag(bad)) << r.e.display << " tag '" << bad << "'";
    EXPECT_EQ(r.defaultTag(), r.e.defaultTag);
    EXPECT_TRUE(r.isTag(r.defaultTag())) << r.e.display;
    EXPECT_EQ(r.name(), r.e.display);
    EXPECT_EQ(r.weight(), r.e.weight) << r.e.display;
  }
}

TEST(ReductionValue, DigitalRootOfAnyInt) {
  // clang-format off
  const std::vector<std::pair<int, int>> cases = {{0, 0}, {1, 1}, {9, 9}, {10, 1}, {18, 9}, {19, 1},
      {124, 7}, {999, 9}, {-1, 1}, {-15, 6}, {-9, 9}, {INT_MAX, 1}, {INT_MIN, 2}, {1000000000, 1}};
  // clang-format on
  for (auto [n, root] : cases) EXPECT_EQ(reductionValue(n), root) << n;
}

}  // namespace
