#include "match/MatchScreen.h"

#include "text/Colour.h"
#include "text/QueryPhrases.h"

namespace {

const DisplayForm kDisplayForms[kDisplayClasses] = {
    {"", Colour::none, "", "plain", "none of the cyphers below"},
    {"", Colour::magenta, "", "strong",
     "agrees in Jewish, Trigonal, Squares, English-Extended or Franc Baconis"},
    {"[", Colour::yellow, "]", "stronger",
     "agrees in both Bacon cyphers, or in English-Extended and Jewish"},
    {"", Colour::cyan, "", "prime", "agrees in Primes"},
    {"[[", Colour::cyan, "]]", "prime-strong", "agrees in Primes and in a strong cypher"},
    {"[", Colour::cyan, "]", "prime-stronger", "agrees in Primes and as a stronger one"},
    {"", Colour::red, "", "satanic", "agrees in Satanic"},
    {"", Colour::green, "", "reverse", "agrees in Reverse or Septenary"},
    {"", Colour::blue, "", "reduced", "agrees in Reduced"},
    {"(", Colour::magenta, ")", "reduced-strong", "agrees in Reduced and in a strong cypher"},
};

const MarkerForm kMarkerForms[kMarkers] = {
    {Colour::yellow, "pl?", "plural", "ends like a plural: in s, but not in ss"},
    {Colour::yellow, "++", "double-plus",
     "agrees in Ordinal, Reduced, Reverse and Reverse-Reduced"},
    {Colour::yellow, "+", "plus", "agrees in Ordinal and Reduced"},
    {Colour::green, "%@", "crossed", "its Reverse totals are the phrase's Ordinal and Reduced"},
    {Colour::blue, "r", "reduced", "agrees in Reduced"},
    {Colour::green, "rv", "reverse", "agrees in Reverse"},
    {Colour::green, "sp", "septenary", "agrees in Septenary"},
    {Colour::reset, "oe", "old-english", "agrees in Old English (shown only beside another)"},
    {Colour::cyan, "kv", "kv", "holds a K or V and agrees in K/V Exception"},
    {Colour::red, "sx", "s-exception", "holds an S and agrees in S-exception"},
    {Colour::red, "st", "satanic", "agrees in Satanic"},
    {Colour::red, "al", "alw", "agrees in ALW"},
    {Colour::red, "kf", "kfw", "agrees in KFW"},
    {Colour::cyan, "%!!", "symmetric",
     "its Ordinal is its Reverse and its Reduced its Reverse-Reduced"},
    {Colour::reset, "%", "ordinal-symmetric", "its Ordinal is its Reverse"},
    {Colour::blue, "%", "reduced-symmetric", "its Reduced is its Reverse-Reduced"},
    {Colour::red, "%", "alw-kfw", "its ALW is its KFW"},
};

// The bits of OwnMarks: the query suffix, the plural marker, and in the
// others the spell's own symmetry, shown last: at most one of four, from
// kMarkerFullSymmetry on.
enum : OwnMarks { kQuery = 1, kPlural = 2, kSymmetryShift = 2 };

int symmetryOf(const SpellTotals& w) {
  if (fullSymmetry(w)) return 1;
  if (ordinalSymmetry(w)) return 2;
  if (reducedSymmetry(w)) return 3;
  if (alwkfwMatch(w)) return 4;
  return 0;
}

constexpr uint32_t bit(Marker marker) { return uint32_t{1} << marker; }

}  // namespace

const DisplayForm& displayForm(DisplayClass displayClass) {
  return kDisplayForms[static_cast<size_t>(displayClass)];
}

const MarkerForm& markerForm(Marker marker) { return kMarkerForms[marker]; }

OwnMarks ownMarks(std::string_view text, const SpellTotals& spell) {
  return static_cast<OwnMarks>((possibleQuery(text) ? kQuery : 0) |
                               (possiblePlurality(text) ? kPlural : 0) |
                               symmetryOf(spell) << kSymmetryShift);
}

ListedLook lookOf(Agreement agreement, OwnMarks marks, bool phraseHasCapitals) {
  using D = DisplayClass;
  auto agree = [agreement](Method method) { return agrees(agreement, method); };
  D shown = D::plain;
  uint32_t m = 0;
  if (agree(Method::jewish) || agree(Method::trigonal) || agree(Method::squares) ||
      agree(Method::extended) || agree(Method::baconis)) {
    shown = D::strong;
  }
  if ((phraseHasCapitals && agree(Method::bacon) && agree(Method::baconis)) ||
      (agree(Method::extended) && agree(Method::jewish))) {
    shown = D::stronger;
  }
  if (agree(Method::primes)) {
    shown = shown == D::strong     ? D::primeAndStrong
            : shown == D::stronger ? D::primeAndStronger
                                   : D::prime;
  }
  bool reduced = false;
  if (agree(Method::reduced)) {
    if (shown == D::plain) {
      shown = D::blue;
    } else if (shown == D::strong || shown == D::stronger) {
      shown = D::reducedAndStrong;
    } else {
      reduced = true;
    }
  }
  if (agree(Method::reverse)) {
    if (shown == D::plain) shown = D::green;
    m |= bit(kMarkerReverse);
  }
  if (agree(Method::satanic)) {
    if (shown == D::plain) {
      shown = D::red;
    } else {
      m |= bit(kMarkerSatanic);
    }
  }
  if (agree(Method::septenary)) {
    if (shown == D::plain) shown = D::green;
    m |= bit(kMarkerSeptenary);
  }
  if (agree(Method::oldEnglish)) m |= bit(kMarkerOldEnglish);
  if (marks & kPlural) m |= bit(kMarkerPlural);
  const bool ordinalAndReduced = agree(Method::ordinal) && agree(Method::reduced);
  bool plus = false;
  if (ordinalAndReduced && agree(Method::reverse) && agree(Method::reverseReduced)) {
    m |= bit(kMarkerDoublePlus);
  } else if (ordinalAndReduced) {
    plus = true;
    m |= bit(kMarkerPlus);
  } else if ((agreement & kReverseIsOrdinal) && (agreement & kReverseReducedIsReduced)) {
    m |= bit(kMarkerCrossed);  // the spell's reverse totals are the phrase's forward ones
  }
  if (reduced && !plus) m |= bit(kMarkerReduced);
  if (spellHolds(agreement, kHoldsKV) && agree(Method::kvexception)) m |= bit(kMarkerKV);
  if (spellHolds(agreement, kHoldsS) && agree(Method::sexception)) m |= bit(kMarkerSException);
  if (agree(Method::alw)) m |= bit(kMarkerALW);
  if (agree(Method::kfw)) m |= bit(kMarkerKFW);
  if (const int symmetry = marks >> kSymmetryShift) {
    m |= bit(static_cast<Marker>(kMarkerFullSymmetry + symmetry - 1));
  }
  // Old English alone opens no list: it agrees too often to be worth a line
  // of its own, so it only rides along with another marker.
  if ((m & ~bit(kMarkerOldEnglish)) == 0) m = 0;
  return {shown, m, (marks & kQuery) != 0};
}

void appendListedSpell(TextBuffer& out, std::string_view text, Agreement agreement, OwnMarks marks,
                       bool phraseHasCapitals, bool first, const Palette& palette) {
  const ListedLook look = lookOf(agreement, marks, phraseHasCapitals);
  const DisplayForm& form = displayForm(look.displayClass);
  // The spell and its frame, then at most 17 markers of 3 bytes and 9 of
  // colour each, and the braces and commas.
  char* at = out.room(text.size() + 256);
  if (!first) at = TextBuffer::put(at, ",  ");
  at = TextBuffer::put(at, form.open);
  at = TextBuffer::put(at, palette.code(form.colour));
  at = TextBuffer::put(at, text);
  if (look.query) at = TextBuffer::put(at, "(?)");  // inside the colour
  if (form.colour != Colour::none) at = TextBuffer::put(at, palette.code(Colour::reset));
  at = TextBuffer::put(at, form.close);
  if (look.markers != 0) {
    at = TextBuffer::put(at, " {");
    bool firstMarker = true;
    for (size_t marker = 0; marker < kMarkers; ++marker) {
      if (!look.shows(static_cast<Marker>(marker))) continue;
      if (!firstMarker) *at++ = ',';
      at = palette.paint(at, kMarkerForms[marker].colour, kMarkerForms[marker].text);
      firstMarker = false;
    }
    *at++ = '}';
  }
  out.end(at);
}
