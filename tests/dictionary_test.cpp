#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"
#include "spells/DictionarySearch.h"

namespace fs = std::filesystem;
using namespace std::string_literals;
using Entries = std::vector<std::string>;

namespace {

const std::string kWordList = "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";
const std::string kUserBook = "spellbook/user_entries.txt";

// Each case loads in a fresh working folder holding only the files it writes.
class DictionaryLoad : public testing::Test {
 protected:
  void SetUp() override {
    initCyphers();
    silent = true;
    char pattern[] = "/tmp/veriglyph-dict-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    fs::create_directories(folder / fs::path(kWordList).parent_path());
    fs::current_path(folder);
  }
  void TearDown() override {
    fs::current_path(oldFolder);
    fs::remove_all(folder);
    silent = savedSilent;
  }
  static void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // One load: the entries it added, its result and its console text.
  Entries load(bool user) {
    const uint64_t before = dict.wordCount();
    testing::internal::CaptureStdout();
    result = loadDictionary(user);
    fflush(stdout);
    out = testing::internal::GetCapturedStdout();
    Entries added;
    for (uint64_t i = before; i < dict.wordCount(); ++i) added.push_back(dict.getWord(i)->text);
    return added;
  }
  static std::string done(const std::string& path) {
    return "Loading dictionary file (" + path + ")...Done.\n";
  }

  const bool savedSilent = silent;
  const fs::path oldFolder = fs::current_path();
  fs::path folder;
  bool result = false;
  std::string out;
};

TEST_F(DictionaryLoad, LineFormats) {
  // clang-format off
  const struct {
    bool user;
    std::string bytes;
    Entries entries;
  } cases[] = {
      {false, "abbey\r\nbee\r\n", {"abbey", "bee"}},
      {false, "abbey\nbee\ncat\r\n", {"abbey", "bee", "cat"}},
      {false, "abbey\r\nlast word", {"abbey", "last word"}}, {false, "a\rb\n", {"a\rb"}},
      {false, "abbey\r", {"abbey\r"}},  // no LF: the line is taken whole
      {false, "\r\n\nabbey\n\r\n\n\r\n", {"abbey"}}, {false, "", {}},
      {false, "  Two  Words \r\n \n", {"  Two  Words ", " "}},
      {false, "ab\0cd\r\n\0xyz\nok\n"s, {"ab", "ok"}},
      {false, "#note\r\n#\n", {"#note", "#"}}, {false, "abbey\nabbey\n", {"abbey", "abbey"}},
      {true, "#note\nThe Grand Framework\n#\r\n # kept\n", {"The Grand Framework", " # kept"}},
      {true, "Spell One\r\n\r\nspell two", {"Spell One", "spell two"}}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const std::string& path = c.user ? kUserBook : kWordList;
    write(path, c.bytes);
    EXPECT_EQ(load(c.user), c.entries);
    EXPECT_TRUE(result);
    EXPECT_EQ(out, done(path));
    fs::remove(path);
  }
}

TEST_F(DictionaryLoad, MissingFileFailsAndKeepsDict) {
  write(kUserBook, "kept\n");
  ASSERT_EQ(load(true), Entries{"kept"});
  fs::remove(kUserBook);
  for (bool user : {true, false}) {
    const uint64_t before = dict.wordCount();
    EXPECT_TRUE(load(user).empty());
    EXPECT_FALSE(result);
    EXPECT_EQ(out, "Loading dictionary file (" + (user ? kUserBook : kWordList) +
                       ")...\nERROR - failed to open dictionary file.");
    EXPECT_EQ(dict.wordCount(), before);
    EXPECT_EQ(dict.getWord(before - 1)->text, "kept");
  }
}

TEST_F(DictionaryLoad, EveryLoadAppendsInOrder) {
  write(kWordList, "word\n");
  write(kUserBook, "Alpha\nbeta\n");
  EXPECT_EQ(load(false), Entries{"word"});
  EXPECT_EQ(load(true), (Entries{"Alpha", "beta"}));
  EXPECT_EQ(load(true), (Entries{"Alpha", "beta"}));
  EXPECT_EQ(out, "Loading dictionary file (spellbook/user_entries.txt)...Done.\n");
}

TEST_F(DictionaryLoad, VeryLongLineAndRawBytes) {
  std::string raw;
  for (int b = 1; b < 256; ++b)
    if (b != '\n') raw += static_cast<char>(b);
  const std::string huge(1 << 20, 'a');
  write(kWordList, huge + "\n" + raw + "\r\n" + raw);
  EXPECT_EQ(load(false), (Entries{huge, raw, raw}));
  EXPECT_EQ(dict.getWord(dict.wordCount() - 3)->ordinalValue, 1 << 20);
  EXPECT_EQ(out, done(kWordList));
}

TEST(DictionaryAccess, PastTheEndNullSpellAndEmptyWord) {
  initCyphers();
  const bool savedSilent = silent;
  silent = true;
  const uint64_t before = dict.wordCount();
  dict.addWord("");
  EXPECT_EQ(dict.wordCount(), before);
  for (uint64_t index : {before, before + 1, UINT64_MAX}) {
    const Spell* spell = dict.getWord(index);
    ASSERT_EQ(spell, Spell::None);
    EXPECT_EQ(spell->text, "");
    EXPECT_EQ(spell->ordinalValue | spell->primesValue | spell->kfwValue, 0);
  }
  dict.addWord("abc");
  ASSERT_EQ(dict.wordCount(), before + 1);
  EXPECT_EQ(dict.getWord(before)->text, "abc");
  EXPECT_EQ(dict.getWord(before)->ordinalValue, 6);
  silent = savedSilent;
}

}  // namespace
