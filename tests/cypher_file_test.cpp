#include <unistd.h>

#include "DataTable.h"
#include "TestSupport.h"
#include "cyphers/Cypher.h"
#include "cyphers/CypherFile.h"
#include "cyphers/Utf8.h"

namespace {

using Values = std::vector<std::pair<char32_t, int32_t>>;
const auto onlyOrdTaken = [](std::string_view tag) { return tag == "ord"; };

// The message of the first fault in text, or "ok".
std::string faultOf(std::string_view text) {
  OwnCypherDefinition cypher;
  CypherFileError error;
  return parseCypherFile("c/x.txt", text, onlyOrdTaken, cypher, error) ? "ok" : error.message();
}

// The total of text under the cypher the file defines.
int64_t total(const OwnCypherDefinition& cypher, const std::string& text) {
  return totalOf(Cypher::own(cypher), text);
}

// Every length of UTF-8, and every invalid form (a lone continuation, a
// truncated sequence, an overlong form, a surrogate, past U+10FFFF, no such
// lead byte): one byte, U+FFFD.
TEST(Utf8, DecodesEveryLengthAndRejectsEveryInvalidForm) {
  const auto decoded = [](const std::string& text, size_t size) {
    char32_t codePoint = 1;
    bool valid = false;
    const size_t length =
        decodeUtf8(reinterpret_cast<const unsigned char*>(text.data()), size, codePoint, valid);
    return std::to_string(length) + " " + std::to_string(codePoint) + (valid ? " valid" : "");
  };
  for (const Row& row : dataRows("utf8-decoding.tsv"))
    EXPECT_EQ(decoded(row[0], row[0].size()), row[1]) << row[0];
  EXPECT_EQ(decoded("\xE2\x82\xAC", 2), "1 65533");  // never reads past size
  EXPECT_EQ(decoded("A", 0), "0 65533");             // U+FFFD, never valid
}

TEST(CypherFile, ReadsNameTagsAndValuesAroundCommentsBlanksCrLfAndByteOrderMark) {
  const std::string text =
      "\xEF\xBB\xBF# comment\r\n\r\n \t \n  name: \t My  Cypher \r\n tags:\tmine  My\t\r\n"
      "Aa 1\r\n\t# 5\n\xD7\x9B\xD7\x9A 20\nz 0\n big   1000000 \nq 0007";  // last line without LF
  OwnCypherDefinition cypher;
  CypherFileError error;
  ASSERT_TRUE(parseCypherFile("c/x.txt", text, onlyOrdTaken, cypher, error)) << error.message();
  EXPECT_EQ(cypher.path, "c/x.txt");
  EXPECT_EQ(cypher.name, "My  Cypher");
  EXPECT_EQ(cypher.tags, (std::vector<std::string>{"mine", "My"}));
  // clang-format off
  EXPECT_EQ(cypher.values, (Values{{'#', 5}, {'A', 1}, {'a', 1}, {'b', 1000000}, {'g', 1000000},
                                   {'i', 1000000}, {'q', 7}, {'z', 0}, {0x5DA, 20}, {0x5DB, 20}}));
  // clang-format on
  EXPECT_EQ(total(cypher, "Aab\xFFx\xD7\x9A"), 1000022);  // unlisted and invalid bytes are worth 0
  EXPECT_EQ(faultOf("#name: X\n"), "ERROR: cypher file c/x.txt, line 0: no name line");
}

TEST(CypherFile, ReportsTheFirstFaultWithItsLine) {
  std::vector<Row> cases = dataRows("cypher-file-faults.tsv");
  const std::string head = "name: N\ntags: t\n";
  cases.push_back(
      {head + "a " + std::string(100000, '9') + "\n", "3: value out of range (0 to 1000000)"});
  cases.push_back({head + std::string(1 << 20, 'a') + " 1", "3: character \"a\" listed twice"});
  for (const Row& row : cases)
    EXPECT_EQ(faultOf(row[0]), "ERROR: cypher file c/x.txt, line " + row[1])
        << row[0].substr(0, 60);
}

// A folder's files are read in byte order of their names, *.txt only, and the
// first faulty one stops the reading: the own-folder-* and own-file-* cases,
// and own-tags-clash. A file too large to read is refused before it is read.
TEST(CypherFolder, RefusesAFileTooLarge) {
  WorkingFolder folder;
  folder.write("c/a.txt", "");
  ASSERT_EQ(truncate("c/a.txt", (16 << 20) + 1), 0);
  std::vector<OwnCypherDefinition> cyphers;
  CypherFileError error;
  EXPECT_FALSE(readCypherFolder("c", onlyOrdTaken, cyphers, error));
  EXPECT_EQ(error.message(), "ERROR: cypher file c/a.txt, line 0: file too large (over 16 MiB)");
}

}  // namespace
