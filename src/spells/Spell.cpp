#include "spells/Spell.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Utils.h"
#include "cyphers/Cyphers.h"

namespace {

const Spell nullSpell;

// Tried as plain, case-sensitive substrings. The short ones make many of the
// longer ones redundant; the list is kept whole because it is the rule users know.
const char* const kQueryPhrases[] = {
    "How to",     "how to",     "What I ",     "what I ",     "What is",      "what is",
    "What to",    "what to",    "What shall",  "what shall",  "What will",    "what will",
    "What can",   "what can",   "What cannot", "what cannot", "What do",      "what do",
    "What does",  "what does",  "What",        "what",        "Why is",       "why is",
    "Why does",   "why does",   "why",         "Why",         "Who does",     "who does",
    "Who is",     "who is",     "Who",         "who",         "Where is",     "where is",
    "Where does", "where does", "Where to",    "where to",    "Where shall",  "where shall",
    "Where will", "where will", "Where at",    "where at",    "Where",        "where",
    "You are",    "you are",    "You can",     "you can",     "You will",     "you shall",
    "You cannot", "you cannot", "You can not", "you can not", "You will not", "you will not",
    "Can I",      "can I",      "I can",       "This is",     "this is",      "Is this",
    "is this",    "This",       "this",        "It is",       "it is",        "Is it",
    "is it",
};

// The phrases grouped by their first byte, leaving out every phrase that
// holds another one: it can only match where that one does.
using PhrasesByFirstByte = std::array<std::vector<std::string>, 256>;

PhrasesByFirstByte essentialQueryPhrases() {
  PhrasesByFirstByte byFirstByte;
  for (const char* phrase : kQueryPhrases) {
    bool holdsAnother = false;
    for (const char* other : kQueryPhrases) {
      holdsAnother = holdsAnother || (strcmp(phrase, other) != 0 && strstr(phrase, other));
    }
    if (!holdsAnother) byFirstByte[static_cast<unsigned char>(phrase[0])].push_back(phrase);
  }
  return byFirstByte;
}

}  // namespace

const Spell* const Spell::None = &nullSpell;

Spell::Spell() = default;

Spell::Spell(const std::string& spellText)
    : text(spellText),
      ordinalValue(ordinal.calculate(spellText)),
      reducedValue(reduced.calculate(spellText)),
      reverseValue(reverse.calculate(spellText)),
      reverseReducedValue(reverseReduced.calculate(spellText)),
      extendedValue(extended.calculate(spellText)),
      oldEnglishValue(oldEnglish.calculate(spellText)),
      sumerianValue(sumerian.calculate(spellText)),
      jewishValue(jewish.calculate(spellText)),
      jewishReducedValue(jewishReduced.calculate(spellText)),
      baconValue(bacon.calculate(spellText)),
      baconisValue(baconis.calculate(spellText)),
      kvexceptionValue(kvexception.calculate(spellText)),
      sexceptionValue(sexception.calculate(spellText)),
      satanicValue(satanic.calculate(spellText)),
      septenaryValue(septenary.calculate(spellText)),
      primesValue(primes.calculate(spellText)),
      trigonalValue(trigonal.calculate(spellText)),
      squaresValue(squares.calculate(spellText)),
      alwValue(alw.calculate(spellText)),
      kfwValue(kfw.calculate(spellText)) {
  noteLetters();
}

Spell::Spell(const Spell& other) { copy(other); }

Spell& Spell::operator=(const Spell& other) {
  copy(other);
  return *this;
}

void Spell::copy(const Spell& other) {
  if (this == &other) return;
  text = other.text;
  ordinalValue = other.ordinalValue;
  reducedValue = other.reducedValue;
  reverseValue = other.reverseValue;
  reverseReducedValue = other.reverseReducedValue;
  extendedValue = other.extendedValue;
  oldEnglishValue = other.oldEnglishValue;
  sumerianValue = other.sumerianValue;
  jewishValue = other.jewishValue;
  jewishReducedValue = other.jewishReducedValue;
  baconValue = other.baconValue;
  baconisValue = other.baconisValue;
  kvexceptionValue = other.kvexceptionValue;
  sexceptionValue = other.sexceptionValue;
  satanicValue = other.satanicValue;
  septenaryValue = other.septenaryValue;
  primesValue = other.primesValue;
  trigonalValue = other.trigonalValue;
  squaresValue = other.squaresValue;
  alwValue = other.alwValue;
  kfwValue = other.kfwValue;
  containsS = other.containsS;
  containsKV = other.containsKV;
  containsCapital = other.containsCapital;
}

void Spell::noteLetters() {
  for (char c : text) {
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    containsCapital = containsCapital || lower != c;
    containsS = containsS || lower == 's';
    containsKV = containsKV || lower == 'k' || lower == 'v';
  }
}

int Spell::digitalRoot() const {
  const int fromReduced = reductionValue(reducedValue);
  const int fromOrdinal = reductionValue(ordinalValue);
  if (fromReduced == fromOrdinal) return fromOrdinal;
  puts("ERROR: Spell.digitalRoot() calculated differing digital roots, full vs. reduced.");
  return 0;
}

bool Spell::possibleQuery() const {
  static const PhrasesByFirstByte phrases = essentialQueryPhrases();
  for (size_t i = 0; i < text.size(); ++i) {
    for (const std::string& phrase : phrases[static_cast<unsigned char>(text[i])]) {
      if (text.compare(i, phrase.size(), phrase) == 0) return true;
    }
  }
  return false;
}

bool Spell::possiblePlurality() const {
  if (endsWith(text, "ss") || endsWith(text, "SS")) return false;
  return endsWith(text, "s") || endsWith(text, "S");
}
