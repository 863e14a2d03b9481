#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Utils.h"

namespace {

TEST(Utils, HasLooksForTheFirstLetterInEitherCase) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"Hello", "h", true}, {"hello", "H", true},  {"Hello", "L", true},      {"abc", "az", true},
      {"xyz", "ax", false}, {"Help", "ol", false}, {"", "a", false},          {"a-b", "-", true},
      {"kiwi", "K", true},  {"Kiwi", "v", false},  {"\xc3\xa9", "\xc3", true}};
  for (const auto& [text, letter, expected] : cases)
    EXPECT_EQ(has(text, letter), expected) << "'" << text << "' '" << letter << "'";
}

TEST(Utils, HasCapitals) {
  for (const char* text : {"Hello", "hellO", "a B", "Z"}) EXPECT_TRUE(hasCapitals(text)) << text;
  for (const char* text : {"hello", "", "123 !?", "\xc3\x89t\xc3\xa9"})
    EXPECT_FALSE(hasCapitals(text)) << text;
}

TEST(Utils, EndsWithIsCaseSensitive) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"cats", "s", true}, {"cats", "S", false}, {"glass", "ss", true},
      {"s", "ss", false},  {"bus", "bus", true}, {"us", "bus", false},
      {"", "s", false},    {"abc", "", true},    {"cats ", "s", false}};
  for (const auto& [text, suffix, expected] : cases)
    EXPECT_EQ(endsWith(text, suffix), expected) << "'" << text << "' '" << suffix << "'";
}

TEST(Utils, LowerCaseFormLowersAsciiLettersOnly) {
  EXPECT_EQ(lowerCaseForm("Hello World"), "hello world");
  EXPECT_EQ(lowerCaseForm("ABC-123_xyz &Z"), "abc-123_xyz &z");
  EXPECT_EQ(lowerCaseForm(""), "");
  EXPECT_EQ(lowerCaseForm("\xc3\x89T\xc3\xa9"), "\xc3\x89t\xc3\xa9");
}

TEST(Utils, HtmlAndHrefEscape) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      // text, htmlEscape, hrefEscape
      {"", "", ""},
      {"plain text's fine", "plain text's fine", "plain text's fine"},
      {"<a href=\"x\">Tom & Jerry</a>", "&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&lt;/a&gt;",
       "&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&lt;/a&gt;"},
      {"&amp;", "&amp;amp;", "&amp;amp;"},
      {"50% #1?", "50% #1?", "50%25 %231%3F"},
      {"#", "#", "%23"},
      {"%23", "%23", "%2523"},
      {"a?b&c", "a?b&amp;c", "a%3Fb&amp;c"},
      {"\xc3\xa9/;=+", "\xc3\xa9/;=+", "\xc3\xa9/;=+"}};
  for (const auto& [text, html, href] : cases) {
    EXPECT_EQ(htmlEscape(text), html) << text;
    EXPECT_EQ(hrefEscape(text), href) << text;
  }
}

}  // namespace
