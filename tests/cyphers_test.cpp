#include <climits>

#include "TestSupport.h"

namespace {

using Cyphers = UnitTest;

TEST_F(Cyphers, TablesHoldLettersDigitsAndAmpersandOnly) {
  // clang-format off
  const struct { const char* name; const LetterTable& table; int ampersand; std::vector<int> az; } tables[] = {
      {"ordinal", ordinalCypher, 27, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
      {"reduced", reducedCypher, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8}},
      {"reverseReduced", reverseReducedCypher, 0, {8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
      {"sexception", sexceptionCypher, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 2, 3, 4, 5, 6, 7, 8}},
      {"engExt", engExtCypher, 900, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800}},
      {"jewish", jewishCypher, 800, {1, 2, 3, 4, 5, 6, 7, 8, 9, 600, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 700, 900, 300, 400, 500}},
      {"jewishReduced", jewishReducedCypher, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 7, 9, 3, 4, 5}},
      {"oldEnglish", oldEnglishCypher, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 20, 21, 22, 23, 24}},
      {"baconis", baconisCypher, 0, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39, 41, 43, 45, 47, 49, 51}},
      {"alw", alwCypher, 0, {1, 20, 13, 6, 25, 18, 11, 4, 23, 16, 9, 2, 21, 14, 7, 26, 19, 12, 5, 24, 17, 10, 3, 22, 15, 8}},
      {"kfw", kfwCypher, 0, {9, 20, 13, 6, 17, 2, 19, 12, 23, 16, 1, 18, 5, 22, 15, 26, 11, 4, 21, 8, 25, 10, 3, 14, 7, 24}},
      {"septenary", septenaryCypher, 0, {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}},
      {"primes", primesCypher, 0, {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101}},
      {"trigonal", trigonalCypher, 0, {1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66, 78, 91, 105, 120, 136, 153, 171, 190, 210, 231, 253, 276, 300, 325, 351}},
      {"squares", squaresCypher, 0, {1, 4, 9, 16, 25, 36, 49, 64, 81, 100, 121, 144, 169, 196, 225, 256, 289, 324, 361, 400, 441, 484, 529, 576, 625, 676}},
      {"fibonacci", fibonacciCypher, 0, {1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 233, 144, 89, 55, 34, 21, 13, 8, 5, 3, 2, 1, 1}}};
  // clang-format on
  initCyphers();  // a second fill changes nothing
  for (const auto& t : tables) {
    for (int n = 0; n < 26; ++n) {
      EXPECT_EQ(t.table['A' + n], t.az[n]) << t.name << " " << char('A' + n);
      const int lower = &t.table == &baconisCypher ? 2 * n + 2 : 0;
      EXPECT_EQ(t.table['a' + n], lower) << t.name << " " << char('a' + n);
    }
    for (int d = 0; d < 10; ++d) EXPECT_EQ(t.table['0' + d], d) << t.name << " digit " << d;
    EXPECT_EQ(t.table['&'], t.ampersand) << t.name;
    EXPECT_EQ(t.table[' '] | t.table['-'] | t.table[0xE9], 0) << t.name;
  }
}

TEST_F(Cyphers, HelloWorldNameWeightAndTagsOfEveryCypher) {
  for (const Cypher& r : cyphers()) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.reported, r.name + "|" + words(r.tags)[0] + "|" + std::to_string(r.weight));
    const int hello = std::stoi(r.shortHello);
    int total = -1;
    silent = false, comprehensive = false;  // the short form carries no label and no colour
    EXPECT_EQ(captured([&] { total = r.calc("Hello World"); }), r.shortHello);
    EXPECT_EQ(total, hello);
    comprehensive = true;  // whole long lines: EdgeSpells
    const std::string longForm = captured([&] { r.calc("Hello World"); });
    EXPECT_EQ(longForm.rfind(r.label + std::to_string(hello) + "  (", 0), 0u) << longForm;
    for (bool c : {true, false}) {  // silent: nothing at all, whatever comprehensive says
      silent = true, comprehensive = c;
      EXPECT_EQ(captured([&] { total = r.calc("Hello World"); }), "");
      EXPECT_EQ(total, hello);
    }
    // Only the two Bacon cyphers tell upper from lower case.
    EXPECT_EQ(r.calc("HELLO WORLD") != r.calc("hello world"), r.name.rfind("Franc", 0) == 0);
    for (const Cypher& other : cyphers())  // every tag belongs to one cypher only
      for (const std::string& tag : words(other.tags)) EXPECT_EQ(r.isTag(tag), &r == &other) << tag;
    for (const char* bad : {"Ord", "ORD", "", " ord", "ord ", "Rev-Red", "jewish-red", "alva"})
      EXPECT_FALSE(r.isTag(bad)) << "'" << bad << "'";
  }
}

TEST_F(Cyphers, EdgeSpellsAndDigitalRoots) {
  // Cypher (its default tag), spell, and the long line after the label, before any colour reset.
  // clang-format off
  const char* const cases[][3] = {
      {"ord", "Hello World", "124  (8+5+12+12+15+0+23+15+18+12+4)  [7]"},
      {"red", "Hello World", "52  (8+5+3+3+6+0+5+6+9+3+4)  [7]"},
      {"satan", "Hello World", "474  (43+40+47+47+50+58+50+53+47+39)  [6]"},
      {"bacon", "Hello World", "176  (34+5+12+12+15+0+49+15+18+12+4)  [5]"},
      {"baconis", "Hello World", "246  (15+10+24+24+30+0+45+30+36+24+8)  [3]"},
      {"ord", "", "0  ()  [0]"}, {"ord", "a b", "3  (1+0+2)  [3]"}, {"satan", "a b", "73  (36+37)  [1]"},
      {"satan", "ab!", "73  (36+37)  [1]"}, {"satan", "!a", "36  (36)  [9]"}, {"satan", " -", "0  ()  [0]"},
      {"satan", "7&", "7  (7)  [7]"}, {"satan", "\xc3\xa9z", "61  (61)  [7]"}, {"rev", "az", "27  (26+1)  [9]"},
      {"rev", "7&", "34  (7+27)  [7]"}, {"sumer", "7&", "34  (7+27)  [7]"}, {"bacon", "7&", "34  (7+27)  [7]"},
      {"ord", "7&", "34  (7+27)  [7]"}, {"j", "7&", "807  (7+800)  [6]"}, {"bacon", "Ab", "29  (27+2)  [2]"},
      {"baconis", "Ab", "5  (1+4)  [5]"}, {"bacon", "aB", "29  (1+28)  [2]"}, {"baconis", "aB", "5  (2+3)  [5]"},
      {"kv", "kv", "33  (11+22)  [6]"}, {"red", "kv", "6  (2+4)  [6]"}, {"sumer", "a1", "7  (6+1)  [7]"},
      {"ord", "\xc3\xa9", "0  (0+0)  [0]"}};
  const int roots[][2] = {{0, 0}, {9, 9}, {10, 1}, {18, 9}, {19, 1}, {124, 7}, {999, 9}, {-1, 1}, {-15, 6},
                          {-9, 9}, {INT_MAX, 1}, {INT_MIN, 2}, {1000000000, 1}};
  // clang-format on
  for (const auto& [n, root] : roots) EXPECT_EQ(reductionValue(n), root) << n;
  silent = false, comprehensive = true;
  for (const auto& [tag, spell, line] : cases) {
    const Cypher& r = cypher(tag);
    int total = -1;
    const std::string reset = r.label[0] == '\033' ? "\033[0m" : "";
    EXPECT_EQ(captured([&] { total = r.calc(spell); }), r.label + line + reset) << spell;
    EXPECT_EQ(total, std::stoi(line)) << tag << " '" << spell << "'";
  }
}

}  // namespace
