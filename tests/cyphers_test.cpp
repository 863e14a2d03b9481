#include <set>

#include "DataTable.h"
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

// Known totals, worked out by hand: "Hello World", "&", and each letter, capital and
// small ("=": as the capitals). Each cypher is named by its default tag.
TEST(Cyphers, KnownTotalsOfEveryCypher) {
  const std::vector<Row> cases = dataRows("builtin-totals.tsv");
  ASSERT_EQ(cases.size(), kBuiltInCyphers);
  for (const Row& c : cases) {
    SCOPED_TRACE(c[0]);
    const Cypher& cypher = byTag(c[0]);
    EXPECT_EQ(cypher.defaultTag, c[0]);
    EXPECT_EQ(std::to_string(totalOf(cypher, "Hello World")), c[1]);
    EXPECT_EQ(std::to_string(totalOf(cypher, "&")), c[2]);
    EXPECT_EQ(totalOf(cypher, "0123456789"), 45);  // digits count their face value everywhere
    std::string shortForm;
    appendTotal(shortForm, cypher, "Hello World", std::stoi(c[1]), LineForm::shortForm,
                Palette(true));
    EXPECT_EQ(shortForm, c[3]);  // no label and no colour
    for (const char first : {'A', 'a'}) {
      std::string values;
      for (char letter = first; letter < first + 26; ++letter)
        values +=
            (letter == first ? "" : " ") + std::to_string(totalOf(cypher, std::string(1, letter)));
      EXPECT_EQ(values, c[first == 'a' && c[5] != "=" ? 5 : 4]) << first;
    }
  }
}

TEST(Cyphers, LongLinesOfWorkedExamples) {
  // Cypher, spell, and the long line after the label, before any colour reset.
  for (const Row& c : dataRows("builtin-long-lines.tsv")) {
    const std::string &tag = c[0], &spell = c[1];
    const Cypher& cypher = byTag(tag);
    const std::string reset = cypher.colour == Colour::none ? "" : "\033[0m";
    for (bool colour : {true, false}) {
      const Palette palette(colour);
      std::string out;
      appendTotal(out, cypher, spell, totalOf(cypher, spell), LineForm::longLine, palette);
      EXPECT_EQ(out, std::string(palette.code(cypher.colour)) + cypher.label + c[2] +
                         (colour ? reset : ""))
          << tag << " '" << spell << "'";
    }
  }
}

TEST(Cyphers, RegistryFacts) {
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
  }
  EXPECT_EQ(places, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
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
