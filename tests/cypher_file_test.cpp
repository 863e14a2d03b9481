#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

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

TEST(Utf8, DecodesEveryLengthAndRejectsEveryInvalidForm) {
  // clang-format off
  const struct { std::string bytes; size_t length; char32_t codePoint; } good[] = {
      {"A", 1, 'A'}, {std::string(1, '\0'), 1, 0}, {"\x7F", 1, 0x7F}, {"\xC2\x80", 2, 0x80},
      {"\xC3\xA9z", 2, 0xE9}, {"\xDF\xBF", 2, 0x7FF}, {"\xE0\xA0\x80", 3, 0x800},
      {"\xE2\x82\xAC", 3, 0x20AC}, {"\xED\x9F\xBF", 3, 0xD7FF}, {"\xEE\x80\x80", 3, 0xE000},
      {"\xEF\xBF\xBF", 3, 0xFFFF}, {"\xF0\x90\x80\x80", 4, 0x10000},
      {"\xF0\x9F\x98\x80", 4, 0x1F600}, {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF}};
  const std::string bad[] = {
      "\x80", "\xBF\x41",                                                  // lone continuation
      "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xE2\x41\xAC", "\xE2\x82\x41",  // truncated
      "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",          // overlong
      "\xED\xA0\x80", "\xED\xBF\xBF",                                      // surrogates
      "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",                              // above U+10FFFF
      "\xF8\x88\x80\x80\x80", "\xFE", "\xFF"};                             // no such lead byte
  // clang-format on
  const auto decoded = [](const std::string& text, size_t size) {
    char32_t codePoint = 1;
    bool valid = false;
    const size_t length =
        decodeUtf8(reinterpret_cast<const unsigned char*>(text.data()), size, codePoint, valid);
    return std::to_string(length) + " " + std::to_string(codePoint) + (valid ? " valid" : "");
  };
  for (const auto& t : good)
    EXPECT_EQ(decoded(t.bytes, t.bytes.size()),
              std::to_string(t.length) + " " + std::to_string(t.codePoint) + " valid");
  for (const std::string& bytes : bad) EXPECT_EQ(decoded(bytes, bytes.size()), "1 65533") << bytes;
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
  const std::string head = "name: N\ntags: t\n", longTag(40, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"", "0: no name line"},
      {"tags: a\n", "0: no name line"},
      {"name: X", "0: no tags line"},
      {"a 1\nb\n", "2: malformed line (expected CHARACTERS VALUE)"},  // before the missing name
      {"name: X\nname: Y\n", "2: second name line"},
      {"name: X\ntags: a\n\n# c\ntags: b\n", "5: second tags line"},
      {"name:  \t \n", "1: empty name"},
      {"name:", "1: empty name"},
      {"name: A\x01"
       "B\n",
       "1: bad character in name"},
      {"name: A\xFF\n", "1: bad character in name"},
      {std::string("name: A\0B", 9), "1: bad character in name"},
      {"name: X\ntags: \t\n", "2: no tags on tags line"},
      {"tags: ab c1\n", "1: tag \"c1\" is not ASCII letters"},
      {"tags: \xC3\xA9\n", "1: tag \"\xC3\xA9\" is not ASCII letters"},
      {"tags: a\x01\xFF"
       "b\n",
       "1: tag \"a??b\" is not ASCII letters"},
      {"tags: " + longTag + "1\n",
       "1: tag \"" + longTag.substr(0, 32) + "...\" is not ASCII letters"},
      {"tags: ab ord\n", "1: tag \"ord\" is already taken"},
      {"tags: ab Ab ab\n", "1: tag \"ab\" listed twice"},
      {head + "a\n", "3: malformed line (expected CHARACTERS VALUE)"},
      {head + "a 1 2\n", "3: malformed line (expected CHARACTERS VALUE)"},
      {head + "Name: X\n", "3: value is not a decimal number"},
      {head + "a\xC3 1\n", "3: invalid UTF-8 in characters"},
      {head + "\xED\xA0\x80 1\n", "3: invalid UTF-8 in characters"},
      {head + "a\x7F 1\n", "3: control character in characters"},
      {head + std::string("a\0 1", 4), "3: control character in characters"},
      {head + "a\r 1\r\n", "3: control character in characters"},
      {head + "a 1x\n", "3: value is not a decimal number"},
      {head + "a -1\n", "3: value is not a decimal number"},
      {head + "a +1\n", "3: value is not a decimal number"},
      {head + "a 1\r", "3: value is not a decimal number"},  // a CR ends a line only before LF
      {head + "a 1000001\n", "3: value out of range (0 to 1000000)"},
      {head + "a " + std::string(100000, '9') + "\n", "3: value out of range (0 to 1000000)"},
      {head + "ab 1\r\n\r\nb 2 \n", "5: character \"b\" listed twice"},
      {head + "aa 1\n", "3: character \"a\" listed twice"},
      {head + std::string(1 << 20, 'a') + " 1", "3: character \"a\" listed twice"},
      {head + "\xD7\x9B 20\n\xD7\x9A\xD7\x9B 20\n", "4: character \"\xD7\x9B\" listed twice"},
      {"\xEF\xBB\xBF" + head + "\xEF\xBB\xBF 1\n\xEF\xBB\xBF\xEF\xBB\xBF 1\n",
       "4: character \"\xEF\xBB\xBF\" listed twice"},  // a BOM past the start is a character
      {"\r\n\xEF\xBB\xBFname: X\n", "2: value is not a decimal number"}};
  for (const auto& [text, fault] : cases)
    EXPECT_EQ(faultOf(text), "ERROR: cypher file c/x.txt, line " + fault) << text.substr(0, 60);
}

class CypherFolder : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/veriglyph-cyphers-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root = name;
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(root + "/" + name, std::ios::binary) << text;
  }
  std::string read(const std::function<bool(std::string_view)>& builtIn = onlyOrdTaken) {
    error = {};
    if (!readCypherFolder(folder, builtIn, cyphers, error)) return error.message();
    std::string all;
    for (const OwnCypherDefinition& c : cyphers)
      all += c.path.substr(root.size()) + "=" + c.name + " ";
    return all;
  }
  std::string root, folder = "";
  std::vector<OwnCypherDefinition> cyphers;
  CypherFileError error;
};

TEST_F(CypherFolder, ReadsTxtFilesInByteOrderOfTheirNames) {
  folder = root;
  EXPECT_EQ(read(), "");
  for (const std::string name : {"b", "a", "C", "\xC3\xA9"})
    write(name + ".txt", "name: " + name + "\ntags: " + (name == "\xC3\xA9" ? "e" : name) + "\n");
  write("c.md", "junk"), write("d.txt~", "junk"), write("e.TXT", "junk");
  EXPECT_EQ(read(), "/C.txt=C /a.txt=a /b.txt=b /\xC3\xA9.txt=\xC3\xA9 ");
  folder = root + "/missing";
  EXPECT_EQ(read(), "");
  folder = root + "/b.txt";
  EXPECT_EQ(read(), "ERROR: cypher file " + folder +
                        ", line 0: cannot read folder: " + std::strerror(ENOTDIR));
}

TEST_F(CypherFolder, StopsAtTheFirstFaultyFile) {
  folder = root;
  write("a.txt", "name: A\ntags: a aa\n"), write("b.txt", "name: B\ntags: b\n");
  write("c.txt", "name: C\n\ntags: c aa\n");
  EXPECT_EQ(read(), "ERROR: cypher file " + root + "/c.txt, line 3: tag \"aa\" is already taken");
  EXPECT_EQ(cyphers.size(), 2u);  // those read before it
  write("c.txt", "name: C\ntags: c ord\n");
  EXPECT_EQ(read(), "ERROR: cypher file " + root + "/c.txt, line 2: tag \"ord\" is already taken");
  EXPECT_EQ(read([](std::string_view tag) { return tag == "b"; }),
            "ERROR: cypher file " + root + "/b.txt, line 2: tag \"b\" is already taken");
  const std::pair<std::function<void(const std::string&)>, std::string> faults[] = {
      {[](const std::string& p) { mkdir(p.c_str(), 0700); }, "not a regular file"},
      {[](const std::string& p) { EXPECT_EQ(symlink("nowhere", p.c_str()), 0); },
       std::string("cannot read file: ") + std::strerror(ENOENT)},
      {[](const std::string& p) {
         std::ofstream{p}.close();
         EXPECT_EQ(truncate(p.c_str(), (16 << 20) + 1), 0);
       },
       "file too large (over 16 MiB)"}};
  for (const auto& [make, reason] : faults) {
    std::filesystem::remove(root + "/c.txt");
    make(root + "/c.txt");
    EXPECT_EQ(read(), "ERROR: cypher file " + root + "/c.txt, line 0: " + reason);
  }
}

}  // namespace
