#include "match/MatchScreen.h"

#include "text/Colour.h"
#include "text/QueryPhrases.h"

namespace {

// How a listed spell is coloured and bracketed, by the principal cyphers it
// shares with the search phrase. Each step below may move it on.
enum DisplayClass {
  kPlain,
  kStrong,            // jewish, trigonal, squares, extended or baconis
  kStronger,          // both bacon cyphers, or extended and jewish
  kPrime,             // primes alone
  kPrimeAndStrong,    // primes after kStrong
  kPrimeAndStronger,  // primes after kStronger
  kRed,               // satanic from kPlain
  kGreen,             // reverse or septenary from kPlain
  kBlue,              // reduced from kPlain
  kReducedAndStrong,  // reduced after kStrong or kStronger
};

struct DisplayForm {
  std::string_view open;
  Colour colour;
  std::string_view close;
};

const DisplayForm kDisplayForms[] = {
    {"", Colour::none, ""},      {"", Colour::magenta, ""},  {"[", Colour::yellow, "]"},
    {"", Colour::cyan, ""},      {"[[", Colour::cyan, "]]"}, {"[", Colour::cyan, "]"},
    {"", Colour::red, ""},       {"", Colour::green, ""},    {"", Colour::blue, ""},
    {"(", Colour::magenta, ")"},
};

struct Marker {
  bool shown;
  Colour colour;
  std::string_view text;
};

struct Markers {
  bool plural = false, doublePlus = false, plus = false, crossed = false, reduced = false,
       reverse = false, septenary = false, oldEnglish = false, kv = false, sexception = false,
       satanic = false, alw = false, kfw = false;
};

// The bits of OwnMarks: the query suffix, the plural marker, and in the
// others the spell's own symmetry, shown last: at most one of four.
enum : OwnMarks { kQuery = 1, kPlural = 2, kSymmetryShift = 2 };
const Marker kSymmetryMarkers[] = {
    {false, Colour::none, ""}, {true, Colour::cyan, "%!!"}, {true, Colour::reset, "%"},
    {true, Colour::blue, "%"}, {true, Colour::red, "%"},
};

int symmetryOf(const SpellTotals& w) {
  if (fullSymmetry(w)) return 1;
  if (ordinalSymmetry(w)) return 2;
  if (reducedSymmetry(w)) return 3;
  if (alwkfwMatch(w)) return 4;
  return 0;
}

// Writes the brace list at at, at most 185 bytes; gives the place after it.
char* putBraceList(char* at, const Markers& m, OwnMarks marks, const Palette& palette) {
  const Marker& symmetry = kSymmetryMarkers[marks >> kSymmetryShift];
  // Old English alone opens no list: it agrees too often to be worth a line
  // of its own, so it only rides along with another marker.
  const bool opens = m.plus || m.doublePlus || m.crossed || symmetry.shown || m.plural ||
                     m.satanic || m.reduced || m.reverse || m.septenary || m.kv || m.sexception ||
                     m.alw || m.kfw;
  if (!opens) return at;
  const Marker ordered[] = {
      {m.plural, Colour::yellow, "pl?"},
      {m.doublePlus, Colour::yellow, "++"},
      {m.plus, Colour::yellow, "+"},
      {m.crossed, Colour::green, "%@"},
      {m.reduced && !m.plus, Colour::blue, "r"},
      {m.reverse, Colour::green, "rv"},
      {m.septenary, Colour::green, "sp"},
      {m.oldEnglish, Colour::reset, "oe"},
      {m.kv, Colour::cyan, "kv"},
      {m.sexception, Colour::red, "sx"},
      {m.satanic, Colour::red, "st"},
      {m.alw, Colour::red, "al"},
      {m.kfw, Colour::red, "kf"},
      symmetry,
  };
  at = TextBuffer::put(at, " {");
  bool firstMarker = true;
  for (const Marker& marker : ordered) {
    if (!marker.shown) continue;
    if (!firstMarker) *at++ = ',';
    at = palette.paint(at, marker.colour, marker.text);
    firstMarker = false;
  }
  *at++ = '}';
  return at;
}

}  // namespace

OwnMarks ownMarks(std::string_view text, const SpellTotals& spell) {
  return static_cast<OwnMarks>((possibleQuery(text) ? kQuery : 0) |
                               (possiblePlurality(text) ? kPlural : 0) |
                               symmetryOf(spell) << kSymmetryShift);
}

void appendListedSpell(TextBuffer& out, std::string_view text, Agreement agreement, OwnMarks marks,
                       bool phraseHasCapitals, bool first, const Palette& palette) {
  auto agree = [agreement](Method method) { return agrees(agreement, method); };
  int displayClass = kPlain;
  Markers m;
  if (agree(Method::jewish) || agree(Method::trigonal) || agree(Method::squares) ||
      agree(Method::extended) || agree(Method::baconis)) {
    displayClass = kStrong;
  }
  if ((phraseHasCapitals && agree(Method::bacon) && agree(Method::baconis)) ||
      (agree(Method::extended) && agree(Method::jewish))) {
    displayClass = kStronger;
  }
  if (agree(Method::primes)) {
    displayClass = displayClass == kStrong     ? kPrimeAndStrong
                   : displayClass == kStronger ? kPrimeAndStronger
                                               : kPrime;
  }
  if (agree(Method::reduced)) {
    if (displayClass == kPlain) {
      displayClass = kBlue;
    } else if (displayClass == kStrong || displayClass == kStronger) {
      displayClass = kReducedAndStrong;
    } else {
      m.reduced = true;
    }
  }
  if (agree(Method::reverse)) {
    if (displayClass == kPlain) displayClass = kGreen;
    m.reverse = true;
  }
  if (agree(Method::satanic)) {
    if (displayClass == kPlain) {
      displayClass = kRed;
    } else {
      m.satanic = true;
    }
  }
  if (agree(Method::septenary)) {
    if (displayClass == kPlain) displayClass = kGreen;
    m.septenary = true;
  }
  m.oldEnglish = agree(Method::oldEnglish);
  m.plural = (marks & kPlural) != 0;
  const bool ordinalAndReduced = agree(Method::ordinal) && agree(Method::reduced);
  if (ordinalAndReduced && agree(Method::reverse) && agree(Method::reverseReduced)) {
    m.doublePlus = true;
  } else if (ordinalAndReduced) {
    m.plus = true;
  } else if ((agreement & kReverseIsOrdinal) && (agreement & kReverseReducedIsReduced)) {
    m.crossed = true;  // the spell's reverse totals are the phrase's forward ones
  }
  m.kv = spellHolds(agreement, kHoldsKV) && agree(Method::kvexception);
  m.sexception = spellHolds(agreement, kHoldsS) && agree(Method::sexception);
  m.alw = agree(Method::alw);
  m.kfw = agree(Method::kfw);

  const DisplayForm& form = kDisplayForms[displayClass];
  char* at = out.room(text.size() + 256);
  if (!first) at = TextBuffer::put(at, ",  ");
  at = TextBuffer::put(at, form.open);
  at = TextBuffer::put(at, palette.code(form.colour));
  at = TextBuffer::put(at, text);
  if (marks & kQuery) at = TextBuffer::put(at, "(?)");  // inside the colour
  if (form.colour != Colour::none) at = TextBuffer::put(at, palette.code(Colour::reset));
  at = TextBuffer::put(at, form.close);
  out.end(putBraceList(at, m, marks, palette));
}
