#pragma once
// Shared by the unit tests: fixture, stdout capture, and what each of the 21 cyphers should be.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"
#include "spells/Spell.h"

class UnitTest : public testing::Test {
 protected:
  void SetUp() override {
    initCyphers();
    silent = true, comprehensive = outputHTMLPages = false;
  }
  void TearDown() override {
    silent = oldSilent, comprehensive = oldLong, outputHTMLPages = oldHtml;
  }
  const bool oldSilent = silent, oldLong = comprehensive, oldHtml = outputHTMLPages;
};

inline std::string captured(const std::function<void()>& run) {
  testing::internal::CaptureStdout();
  run();
  fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

inline std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

// One cypher as it should be; shortHello: "Hello World" in short form; tags: the default first.
struct Cypher {
  std::string name, shortHello, label, tags;
  int weight;
  int32_t Spell::*field;      // the spell's total; null for Fibonacci, which a spell lacks
  std::string reported = "";  // "display name|default tag|weight" as the calculator tells them
  std::function<int(const std::string&)> calc = nullptr;
  std::function<bool(const std::string&)> isTag = nullptr;
};
template <class C>
Cypher bind(C& c, int32_t Spell::*field, int weight, const char* hello, const char* label,
            const char* name, const char* tags) {
  Cypher r{name, hello, label, tags, weight, field};
  r.reported = c.name() + "|" + C::defaultCypherTag() + "|" + std::to_string(c.matchPriority());
  r.calc = [&c](const std::string& s) { return c.calculate(s); };
  r.isTag = &C::isCypherTag;
  return r;
}
// Built on first use, after the calculators exist.
inline const std::vector<Cypher>& cyphers() {
  // clang-format off
  static const std::vector<Cypher> kCyphers = {
      bind(ordinal, &Spell::ordinalValue, 2, "124/", "  ordinal:   ", "English Ordinal", "ord ordinal basic alphabetic"),
      bind(reduced, &Spell::reducedValue, 1, "52/", "\033[36m  reduced:   ", "English Reduced", "red or reduced reduction"),
      bind(reverse, &Spell::reverseValue, 1, "146rev/", "\033[32m  reverse:   ", "English Reverse Ordinal", "rev ro reverse rev-ord rev-ordinal reverse-ord reverse-ordinal"),
      bind(reverseReduced, &Spell::reverseReducedValue, 1, "47revred/", "\033[36m  rev-red:   ", "English Reverse-Reduced", "rev-red rr revred reverse-reduced reverse-reduction"),
      bind(kvexception, &Spell::kvexceptionValue, 1, "52kv/", "\033[35m  kv-except: ", "K/V Exception", "kv kvexp kv-exp kvexcept kv-except kv-exception"),
      bind(sexception, &Spell::sexceptionValue, 1, "52s/", "\033[31m  s-except:  ", "S-exception", "s sex sexp s-exp s-exception sexception"),
      bind(sumerian, &Spell::sumerianValue, 1, "744sumer/", "\033[33m  sumerian:  ", "Sumerian", "sumer sum sumerian"),
      bind(jewish, &Spell::jewishValue, 4, "1157j/", "\033[35m  agrippa:   ", "Jewish", "j jew jewish agrippa latin"),
      bind(jewishReduced, &Spell::jewishReducedValue, 1, "50jr/", "\033[35m  jew-red:   ", "Jewish Reduced", "jr jewred jew-red jew-reduced jew-reduction jewish-reduced jewish-reduction"),
      bind(bacon, &Spell::baconValue, 1, "176bacon/", "\033[35m  bacon:     ", "Francis Bacon", "bacon bcn fb francis-bacon francisbacon"),
      bind(baconis, &Spell::baconisValue, 1, "246baconis/", "\033[35m  baconis:   ", "Franc Baconis", "baconis bcns francbaconis franc-baconis"),
      bind(satanic, &Spell::satanicValue, 1, "474st/", "\033[31m  satanic:   ", "Satanic", "satan st stn satanic"),
      bind(septenary, &Spell::septenaryValue, 1, "34sept/", "\033[32m  septenary: ", "Septenary", "sept spt septenary"),
      bind(primes, &Spell::primesValue, 5, "386pri/", "\033[33m  primes:    ", "Primes", "pri prime primes"),
      bind(trigonal, &Spell::trigonalValue, 3, "982tri/", "\033[33m  trigonal:  ", "Trigonal", "tri tr trigonal triangular"),
      bind(squares, &Spell::squaresValue, 3, "1840sq/", "\033[33m  squares:   ", "Squares", "sq square squares"),
      bind(extended, &Spell::extendedValue, 3, "817eng-ext/", "\033[33m  eng-ext:   ", "English-Extended", "eng-ext ee ext engext englishext english-ext englishextended english-extended"),
      bind(alw, &Spell::alwValue, 1, "70alw/", "\033[31m  alw:       ", "ALW", "alw alw-qabala alw-qabalah"),
      bind(kfw, &Spell::kfwValue, 1, "126kfw/", "\033[31m  kfw:       ", "KFW", "kfw kfw-qabala kfw-qabalah"),
      bind(oldEnglish, &Spell::oldEnglishValue, 1, "116/", "  old-eng:   ", "Old English", "oe oeng old-eng old-english"),
      bind(fibonacci, nullptr, 1, "786fib/", "\033[32m  fibonacci: ", "Fibonacci", "fib fibonacci fibsym")};
  // clang-format on
  return kCyphers;
}
inline const Cypher& cypher(const std::string& defaultTag) {
  for (const Cypher& c : cyphers())
    if (words(c.tags)[0] == defaultTag) return c;
  throw std::invalid_argument(defaultTag);
}
