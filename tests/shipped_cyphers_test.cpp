// Every cypher file shipped in spellbook/Cyphers/ against the worked checks of
// tests/cyphers/library-checks.tsv: each row's tag picks the file's cypher,
// which gives the row's total and breakdown.
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "cyphers/BuiltIns.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"

namespace {

const std::filesystem::path kSource = VERIGLYPH_SOURCE_DIR;

struct Check {
  std::string file, tag, text, total, breakdown;
  unsigned line;
};

// The rows after the header, each with its line number; a row without five fields fails.
std::vector<Check> checks() {
  std::istringstream in(readFileText(kSource / "tests/cyphers/library-checks.tsv"));
  std::vector<Check> rows;
  std::string line;
  for (unsigned number = 1; std::getline(in, line); ++number) {
    if (number == 1) {
      EXPECT_EQ(line, "FILE\tTAG\tTEXT\tTOTAL\tBREAKDOWN");
      continue;
    }
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
    if (fields.size() != 5) {
      ADD_FAILURE() << "line " << number << " has " << fields.size() << " fields: " << line;
      continue;
    }
    rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], number});
  }
  return rows;
}

// The shipped files, read as a run reads them (built-in tags taken), by file name.
std::map<std::string, OwnCypherDefinition> shippedFiles() {
  const auto isBuiltInTag = [](std::string_view tag) {
    for (const Cypher& cypher : builtInCyphers())
      if (cypher.acceptsTag(tag)) return true;
    return false;
  };
  std::vector<OwnCypherDefinition> definitions;
  CypherFileError error;
  EXPECT_TRUE(
      readCypherFolder((kSource / "spellbook/Cyphers").string(), isBuiltInTag, definitions, error))
      << error.message();
  std::map<std::string, OwnCypherDefinition> files;
  for (OwnCypherDefinition& definition : definitions) {
    const std::string name = std::filesystem::path(definition.path).filename().string();
    files.emplace(name, std::move(definition));
  }
  return files;
}

TEST(ShippedCyphers, GiveEveryCheckItsTotalAndBreakdown) {
  const auto files = shippedFiles();
  CypherSet set;
  std::string error;
  ASSERT_TRUE(set.readOwn((kSource / "spellbook/Cyphers").string(), error)) << error;
  for (const Check& check : checks()) {
    SCOPED_TRACE("library-checks.tsv line " + std::to_string(check.line) + ": " + check.file + " " +
                 check.tag + " " + check.text);
    const auto file = files.find(check.file);
    ASSERT_NE(file, files.end()) << "no such shipped file";
    const Cypher* cypher = set.findByTag(check.tag);
    ASSERT_NE(cypher, nullptr) << "no cypher takes the tag";
    EXPECT_EQ(cypher->name, file->second.name) << "the tag picks another file's cypher";
    EXPECT_EQ(std::to_string(totalOf(*cypher, check.text)), check.total);
    EXPECT_EQ(breakdownOf(*cypher, check.text), check.breakdown);
  }
}

// Each shipped file has at least three checks, one of them a phrase.
TEST(ShippedCyphers, EachHasThreeChecksOneOfThemAPhrase) {
  std::map<std::string, std::pair<int, bool>> counted;  // checks, and whether one is a phrase
  for (const Check& check : checks()) {
    auto& [count, phrase] = counted[check.file];
    ++count;
    phrase |= check.text.find(' ') != std::string::npos;
  }
  const auto files = shippedFiles();
  ASSERT_GE(files.size(), 32u);
  for (const auto& [name, definition] : files) {
    SCOPED_TRACE(name);
    EXPECT_GE(counted[name].first, 3);
    EXPECT_TRUE(counted[name].second) << "no phrase among its checks";
  }
}

}  // namespace
