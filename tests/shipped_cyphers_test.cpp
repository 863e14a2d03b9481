// Every cypher file shipped in spellbook/Cyphers/ against the worked checks of
// tests/cyphers/library-checks.tsv (FILE TAG TEXT TOTAL BREAKDOWN): the row's
// tag picks the file's cypher, which gives the row's total and breakdown. Each
// file has at least three checks, one of them a phrase.
#include <filesystem>
#include <map>
#include <sstream>

#include "TestSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"

namespace {

TEST(ShippedCyphers, GiveEveryCheckItsTotalAndBreakdown) {
  const std::filesystem::path source = VERIGLYPH_SOURCE_DIR, folder = source / "spellbook/Cyphers";
  CypherSet cyphers;
  std::string error;
  ASSERT_TRUE(cyphers.readOwn(folder.string(), error)) << error;
  std::map<std::string, std::pair<int, bool>> checked;  // by file: checks, and one a phrase
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") checked[entry.path().filename().string()];
  }
  ASSERT_EQ(checked.size(), cyphers.all().size() - kBuiltInCyphers);
  std::istringstream rows(readFileText(source / "tests/cyphers/library-checks.tsv"));
  std::string row;
  std::getline(rows, row);
  EXPECT_EQ(row, "FILE\tTAG\tTEXT\tTOTAL\tBREAKDOWN");
  for (unsigned line = 2; std::getline(rows, row); ++line) {
    SCOPED_TRACE("library-checks.tsv line " + std::to_string(line) + ": " + row);
    std::vector<std::string> field;
    std::istringstream fields(row);
    for (std::string text; std::getline(fields, text, '\t');) field.push_back(text);
    ASSERT_EQ(field.size(), 5u);
    ASSERT_EQ(checked.count(field[0]), 1u) << "no such shipped file";
    const Cypher* cypher = cyphers.findByTag(field[1]);
    ASSERT_NE(cypher, nullptr) << "no cypher takes the tag";
    OwnCypherDefinition file;
    CypherFileError fault;
    ASSERT_TRUE(parseCypherFile(
        field[0], readFileText(folder / field[0]), [](std::string_view) { return false; }, file,
        fault));
    EXPECT_EQ(cypher->name, file.name) << "the tag picks another file's cypher";
    EXPECT_EQ(std::to_string(totalOf(*cypher, field[2])), field[3]);
    EXPECT_EQ(breakdownOf(*cypher, field[2]), field[4]);
    ++checked[field[0]].first;
    checked[field[0]].second |= field[2].find(' ') != std::string::npos;
  }
  for (const auto& [file, count] : checked) {
    EXPECT_GE(count.first, 3) << file;
    EXPECT_TRUE(count.second) << file << " has no phrase among its checks";
  }
}

}  // namespace
