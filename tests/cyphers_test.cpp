#include <climits>
#include <set>

#include "TestSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"

namespace {

const Cypher& byTag(const std::string& tag) {
  static const CypherSet cyphers;
  const Cypher* cypher = cyphers.findByTag(tag);
  if (cypher == nullptr) throw std::invalid_argument(tag);
  return *cypher;
}

// Known totals, worked out by hand: "Hello World", the alphabet in capitals and
// in small letters, and "&". Each cypher is named by its default tag.
TEST(Cyphers, KnownTotalsOfEveryCypher) {
  const std::string upperCase = "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                    lowerCase = "abcdefghijklmnopqrstuvwxyz";
  // clang-format off
  const struct { const char* tag; int hello, capitals, smalls, ampersand; const char* shortHello; } cases[] = {
      {"ord", 124, 351, 351, 27, "124/"},          {"red", 52, 126, 126, 0, "52/"},
      {"rev", 146, 351, 351, 27, "146rev/"},       {"rev-red", 47, 126, 126, 0, "47revred/"},
      {"kv", 52, 153, 153, 0, "52kv/"},            {"s", 52, 135, 135, 0, "52s/"},
      {"sumer", 744, 2106, 2106, 27, "744sumer/"}, {"j", 1157, 4195, 4195, 800, "1157j/"},
      {"jr", 50, 127, 127, 8, "50jr/"},            {"bacon", 176, 1027, 351, 27, "176bacon/"},
      {"baconis", 246, 676, 702, 0, "246baconis/"}, {"satan", 474, 1261, 1261, 0, "474st/"},
      {"sept", 34, 98, 98, 0, "34sept/"},          {"pri", 386, 1161, 1161, 0, "386pri/"},
      {"tri", 982, 3276, 3276, 0, "982tri/"},      {"sq", 1840, 6201, 6201, 0, "1840sq/"},
      {"eng-ext", 817, 4095, 4095, 900, "817eng-ext/"}, {"alw", 70, 351, 351, 0, "70alw/"},
      {"kfw", 126, 351, 351, 0, "126kfw/"},        {"oe", 116, 329, 329, 0, "116/"},
      {"fib", 786, 1218, 1218, 0, "786fib/"}};
  // clang-format on
  ASSERT_EQ(std::size(cases), kBuiltInCyphers);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    const Cypher& cypher = byTag(c.tag);
    EXPECT_EQ(cypher.defaultTag, c.tag);
    EXPECT_EQ(totalOf(cypher, "Hello World"), c.hello);
    EXPECT_EQ(totalOf(cypher, upperCase), c.capitals);
    EXPECT_EQ(totalOf(cypher, lowerCase), c.smalls);
    EXPECT_EQ(totalOf(cypher, "&"), c.ampersand);
    EXPECT_EQ(totalOf(cypher, "0123456789"), 45);  // digits count their face value everywhere
    std::string shortForm;
    appendTotal(shortForm, cypher, "Hello World", c.hello, LineForm::shortForm, Palette(true));
    EXPECT_EQ(shortForm, c.shortHello);  // no label and no colour
  }
}

TEST(Cyphers, AlphabetsWithAShape) {
  const auto values = [](const std::string& tag) {
    std::vector<int> v;
    for (char c = 'A'; c <= 'Z'; ++c) v.push_back(totalOf(byTag(tag), std::string(1, c)));
    return v;
  };
  const std::vector<int> fib = values("fib"), pri = values("pri");
  for (int n = 0; n < 26; ++n) {
    EXPECT_EQ(fib[n], fib[25 - n]) << "Fibonacci mirrors at M/N";
    if (n >= 2 && n < 13) {
      EXPECT_EQ(fib[n], fib[n - 1] + fib[n - 2]);
    }
    for (int d = 2; d * d <= pri[n]; ++d) EXPECT_NE(pri[n] % d, 0) << pri[n] << " is prime";
    if (n > 0) {
      EXPECT_LT(pri[n - 1], pri[n]);
    }
  }
  EXPECT_EQ(pri[0], 2);
  // ALW and KFW each give the letters the values 1 to 26, in these orders.
  for (const auto& [tag, order] : {std::pair{"alw", "ALWHSDOZKVGRCNYJUFQBMXITEP"},
                                   std::pair{"kfw", "KFWRMDYTAVQHCXOJELGBSNIZUP"}}) {
    for (int value = 1; value <= 26; ++value)
      EXPECT_EQ(totalOf(byTag(tag), std::string(1, order[value - 1])), value) << tag;
  }
}

TEST(Cyphers, LongLinesOfWorkedExamples) {
  // Cypher, spell, and the long line after the label, before any colour reset.
  // clang-format off
  const char* const cases[][3] = {
      {"ord", "Hello World", "124  (8+5+12+12+15+0+23+15+18+12+4)  [7]"},
      {"satan", "Hello World", "474  (43+40+47+47+50+58+50+53+47+39)  [6]"},
      {"bacon", "Hello World", "176  (34+5+12+12+15+0+49+15+18+12+4)  [5]"},
      {"ord", "", "0  ()  [0]"}, {"ord", "a b", "3  (1+0+2)  [3]"}, {"satan", "a b", "73  (36+37)  [1]"},
      {"satan", "ab!", "73  (36+37)  [1]"}, {"satan", " -", "0  ()  [0]"}, {"satan", "7&", "7  (7)  [7]"},
      {"satan", "\xc3\xa9z", "61  (61)  [7]"}, {"rev", "az", "27  (26+1)  [9]"}, {"rev", "7&", "34  (7+27)  [7]"},
      {"sumer", "7&", "34  (7+27)  [7]"}, {"bacon", "7&", "34  (7+27)  [7]"}, {"j", "7&", "807  (7+800)  [6]"},
      {"bacon", "Ab", "29  (27+2)  [2]"}, {"baconis", "Ab", "5  (1+4)  [5]"}, {"bacon", "aB", "29  (1+28)  [2]"},
      {"baconis", "aB", "5  (2+3)  [5]"}, {"kv", "kv", "33  (11+22)  [6]"}, {"red", "kv", "6  (2+4)  [6]"},
      {"sumer", "a1", "7  (6+1)  [7]"}, {"ord", "\xc3\xa9", "0  (0+0)  [0]"}};
  // clang-format on
  for (const auto& [tag, spell, line] : cases) {
    const Cypher& cypher = byTag(tag);
    const std::string reset = cypher.colour == Colour::none ? "" : "\033[0m";
    for (bool colour : {true, false}) {
      const Palette palette(colour);
      std::string out;
      appendTotal(out, cypher, spell, totalOf(cypher, spell), LineForm::longLine, palette);
      EXPECT_EQ(out, std::string(palette.code(cypher.colour)) + cypher.label + line +
                         (colour ? reset : ""))
          << tag << " '" << spell << "'";
    }
  }
  std::string plain, coloured;  // a long line's only escapes are its colour and its reset
  appendTotal(plain, byTag("red"), "x", 6, LineForm::longLine, Palette(false));
  appendTotal(coloured, byTag("red"), "x", 6, LineForm::longLine, Palette(true));
  EXPECT_EQ(coloured, "\033[36m" + plain + "\033[0m");
}

TEST(Cyphers, RegistryFactsAndDigitalRoots) {
  std::set<std::string> tags;
  std::set<int> places;
  for (size_t m = 0; m < kBuiltInCyphers; ++m) {
    const BuiltInRow& facts = builtInRow(static_cast<Method>(m));
    const Cypher& cypher = builtInCyphers()[m];
    SCOPED_TRACE(cypher.name);
    EXPECT_EQ(cypher.label.size(), 13u);
    EXPECT_TRUE(cypher.acceptsTag(cypher.defaultTag));
    for (const std::string& tag : cypher.tags) EXPECT_TRUE(tags.insert(tag).second) << tag;
    if (facts.reportPlace > 0) {
      EXPECT_TRUE(places.insert(facts.reportPlace).second);
    }
    // Only the Bacon pair tells capitals from small letters.
    EXPECT_EQ(totalOf(cypher, "HELLO") != totalOf(cypher, "hello"), cypher.name.find("Franc") == 0);
  }
  EXPECT_EQ(places, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
  for (const char* wrong : {"Ord", "ORD", "", " ord", "ord ", "Rev-Red"})
    EXPECT_EQ(CypherSet().findByTag(wrong), nullptr) << wrong;
  const int roots[][2] = {{0, 0},   {9, 9},  {10, 1},  {18, 9},      {19, 1},      {124, 7},
                          {999, 9}, {-1, 1}, {-15, 6}, {INT_MAX, 1}, {INT_MIN, 2}, {1000000000, 1}};
  for (const auto& [n, root] : roots) EXPECT_EQ(reductionValue(n), root) << n;
}

}  // namespace

namespace {

// A cypher of the user's own walks UTF-8 characters: an unlisted character and an invalid
// byte are terms worth 0; its label is made from its default tag.
TEST(OwnCyphers, WalkCharactersAndLabels) {
  OwnCypherDefinition definition{"x.txt", "Mixed", {"mix", "mixed"}, {}};
  definition.values = {{U'a', 1}, {U'\u05e9', 300}, {U'\U0001F600', 1000000}};
  const Cypher mixed = Cypher::own(definition);
  // a, shin, an invalid byte, b (unlisted), a truncated sequence, a four-byte character
  const std::string text =
      "a\xd7\xa9\xff"
      "b\xe2\x82"
      "\xf0\x9f\x98\x80";
  EXPECT_EQ(breakdownOf(mixed, text), "1+300+0+0+0+0+1000000");
  EXPECT_EQ(totalOf(mixed, text), 1000301);
  std::string line;
  appendTotal(line, mixed, "a", 1, LineForm::longLine, Palette(true));
  EXPECT_EQ(line, "\033[36m  mix:       1  (1)  [1]\033[0m");
  definition.tags = {"isopsephyplus"};
  line.clear();
  appendTotal(line, Cypher::own(definition), "", 0, LineForm::longLine, Palette(false));
  EXPECT_EQ(line, "  isopsephyplus: 0  ()  [0]");  // at least one blank after the colon
  // Totals wrap as unsigned, as the built-in ones do.
  std::string many;
  for (int i = 0; i < 4295; ++i) many += "\xf0\x9f\x98\x80";
  EXPECT_EQ(static_cast<uint32_t>(totalOf(mixed, many)), 4295000000u - 4294967296u);
}

}  // namespace
