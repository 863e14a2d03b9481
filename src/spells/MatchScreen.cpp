#include "spells/MatchScreen.h"

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
  const char* open;
  Colour colour;
  const char* close;
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
  const char* text;
};

struct Markers {
  bool plural = false, doublePlus = false, plus = false, crossed = false, reduced = false,
       reverse = false, septenary = false, oldEnglish = false, kv = false, sexception = false,
       satanic = false, alw = false, kfw = false;
};

// The spell's own symmetry, shown last: at most one of four.
Marker symmetryMarker(const SpellTotals& w) {
  if (fullSymmetry(w)) return {true, Colour::cyan, "%!!"};
  if (ordinalSymmetry(w)) return {true, Colour::reset, "%"};
  if (reducedSymmetry(w)) return {true, Colour::blue, "%"};
  if (alwkfwMatch(w)) return {true, Colour::red, "%"};
  return {false, Colour::none, ""};
}

void appendBraceList(std::string& out, const Markers& m, const SpellTotals& w,
                     const Palette& palette) {
  const Marker symmetry = symmetryMarker(w);
  // Old English alone opens no list: it agrees too often to be worth a line
  // of its own, so it only rides along with another marker.
  const bool opens = m.plus || m.doublePlus || m.crossed || symmetry.shown || m.plural ||
                     m.satanic || m.reduced || m.reverse || m.septenary || m.kv || m.sexception ||
                     m.alw || m.kfw;
  if (!opens) return;
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
  out += " {";
  bool firstMarker = true;
  for (const Marker& marker : ordered) {
    if (!marker.shown) continue;
    if (!firstMarker) out += ',';
    palette.paint(out, marker.colour, marker.text);
    firstMarker = false;
  }
  out += '}';
}

}  // namespace

void appendListedSpell(std::string& out, std::string_view text, const SpellTotals& w,
                       const SpellTotals& q, bool first, const Palette& palette) {
  auto agree = [&](Method method) { return w[method] == q[method]; };
  int displayClass = kPlain;
  Markers m;
  if (agree(Method::jewish) || agree(Method::trigonal) || agree(Method::squares) ||
      agree(Method::extended) || agree(Method::baconis)) {
    displayClass = kStrong;
  }
  if ((q.holds(kHoldsCapital) && agree(Method::bacon) && agree(Method::baconis)) ||
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
  m.plural = possiblePlurality(text);
  const bool ordinalAndReduced = agree(Method::ordinal) && agree(Method::reduced);
  if (ordinalAndReduced && agree(Method::reverse) && agree(Method::reverseReduced)) {
    m.doublePlus = true;
  } else if (ordinalAndReduced) {
    m.plus = true;
  } else if (w[Method::reverse] == q[Method::ordinal] &&
             w[Method::reverseReduced] == q[Method::reduced]) {
    m.crossed = true;  // the spell's reverse totals are the phrase's forward ones
  }
  m.kv = w.holds(kHoldsKV) && agree(Method::kvexception);
  m.sexception = w.holds(kHoldsS) && agree(Method::sexception);
  m.alw = agree(Method::alw);
  m.kfw = agree(Method::kfw);

  const DisplayForm& form = kDisplayForms[displayClass];
  if (!first) out += ",  ";
  out += form.open;
  out += palette.code(form.colour);
  out += text;
  if (possibleQuery(text)) out += "(?)";
  if (form.colour != Colour::none) out += palette.code(Colour::reset);
  out += form.close;
  appendBraceList(out, m, w, palette);
}
