#include "text/QueryPhrases.h"

#include <array>
#include <string>
#include <vector>

#include "text/Text.h"

namespace {

// Tried as plain, case-sensitive substrings, with no regard to word
// boundaries ("Whole" holds "Who"). The short ones make many of the longer
// ones redundant; the list is kept whole because it is the rule users know.
// "You will" and "you shall" have no other-case twins on purpose.
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
using PhrasesByFirstByte = std::array<std::vector<std::string_view>, 256>;

PhrasesByFirstByte essentialQueryPhrases() {
  PhrasesByFirstByte byFirstByte;
  for (std::string_view phrase : kQueryPhrases) {
    bool holdsAnother = false;
    for (std::string_view other : kQueryPhrases) {
      holdsAnother = holdsAnother || (phrase != other && phrase.find(other) != phrase.npos);
    }
    if (!holdsAnother) byFirstByte[static_cast<unsigned char>(phrase[0])].push_back(phrase);
  }
  return byFirstByte;
}

}  // namespace

bool possibleQuery(std::string_view text) {
  static const PhrasesByFirstByte phrases = essentialQueryPhrases();
  for (size_t i = 0; i < text.size(); ++i) {
    for (std::string_view phrase : phrases[static_cast<unsigned char>(text[i])]) {
      if (text.compare(i, phrase.size(), phrase) == 0) return true;
    }
  }
  return false;
}

bool possiblePlurality(std::string_view text) {
  if (endsWith(text, "ss") || endsWith(text, "SS")) return false;
  return endsWith(text, "s") || endsWith(text, "S");
}
