#pragma once

#include <cstdint>
#include <string>

// A word or phrase with its totals in twenty cyphers (all but Fibonacci),
// computed once when it is built, so that searches compare stored integers.
class Spell {
 public:
  Spell();
  explicit Spell(const std::string& text);
  Spell(const Spell& other);
  Spell& operator=(const Spell& other);
  void copy(const Spell& other);

  bool valid() const { return !text.empty(); }
  // Digital root shared by the ordinal and reduced totals; 0 when they
  // disagree (with an error line) or when there is none.
  int digitalRoot() const;
  bool hasS() const { return containsS; }
  bool hasKV() const { return containsKV; }
  bool hasCapitals() const { return containsCapital; }
  bool ordinalSymmetry() const { return ordinalValue == reverseValue; }
  bool reducedSymmetry() const { return reducedValue == reverseReducedValue; }
  bool fullSymmetry() const { return ordinalSymmetry() && reducedSymmetry(); }
  bool alwkfwMatch() const { return alwValue == kfwValue; }
  bool possibleQuery() const;
  bool possiblePlurality() const;

  static const Spell* const None;

  std::string text;
  int32_t ordinalValue = 0;
  int32_t reducedValue = 0;
  int32_t reverseValue = 0;
  int32_t reverseReducedValue = 0;
  int32_t extendedValue = 0;
  int32_t oldEnglishValue = 0;
  int32_t sumerianValue = 0;
  int32_t jewishValue = 0;
  int32_t jewishReducedValue = 0;
  int32_t baconValue = 0;
  int32_t baconisValue = 0;
  int32_t kvexceptionValue = 0;
  int32_t sexceptionValue = 0;
  int32_t satanicValue = 0;
  int32_t septenaryValue = 0;
  int32_t primesValue = 0;
  int32_t trigonalValue = 0;
  int32_t squaresValue = 0;
  int32_t alwValue = 0;
  int32_t kfwValue = 0;

 private:
  // Letter tests that the match asks of every spell, answered once at build.
  void noteLetters();

  bool containsS = false;
  bool containsKV = false;
  bool containsCapital = false;
};
