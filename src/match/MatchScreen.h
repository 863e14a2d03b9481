#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "match/Agreement.h"
#include "text/Colour.h"
#include "text/TextBuffer.h"
#include "wordlist/SpellTotals.h"

class Palette;

// What a listed spell shows of itself, whatever phrase it is listed for: the
// query suffix "(?)", the plural marker and the marker of its own symmetry.
// Worked out once per spell.
using OwnMarks = uint8_t;
OwnMarks ownMarks(std::string_view text, const SpellTotals& spell);

// How a listed spell is shown, by the principal cyphers it shares with the
// search phrase: its colour and the brackets around it.
enum class DisplayClass : uint8_t {
  plain,
  strong,            // jewish, trigonal, squares, extended or baconis
  stronger,          // both bacon cyphers, or extended and jewish
  prime,             // primes alone
  primeAndStrong,    // primes after strong
  primeAndStronger,  // primes after stronger
  red,               // satanic from plain
  green,             // reverse or septenary from plain
  blue,              // reduced from plain
  reducedAndStrong,  // reduced after strong or stronger
};
inline constexpr size_t kDisplayClasses = 10;

struct DisplayForm {
  std::string_view open;
  Colour colour;
  std::string_view close;
  std::string_view name;     // a word for the class, for pages and scripts
  std::string_view meaning;  // what it tells, for a legend
};
const DisplayForm& displayForm(DisplayClass displayClass);

// The markers of the brace list after a listed spell, in the order shown.
// The last four tell the spell's own symmetry; at most one of them is shown.
enum Marker : uint8_t {
  kMarkerPlural,
  kMarkerDoublePlus,
  kMarkerPlus,
  kMarkerCrossed,
  kMarkerReduced,
  kMarkerReverse,
  kMarkerSeptenary,
  kMarkerOldEnglish,
  kMarkerKV,
  kMarkerSException,
  kMarkerSatanic,
  kMarkerALW,
  kMarkerKFW,
  kMarkerFullSymmetry,
  kMarkerOrdinalSymmetry,
  kMarkerReducedSymmetry,
  kMarkerALWKFW,
};
inline constexpr size_t kMarkers = 17;

struct MarkerForm {
  Colour colour;
  std::string_view text;
  std::string_view name;     // a word for the marker, for pages and scripts
  std::string_view meaning;  // what it tells, for a legend
};
const MarkerForm& markerForm(Marker marker);

// Everything the console shows of a listed spell besides its text.
struct ListedLook {
  DisplayClass displayClass = DisplayClass::plain;
  uint32_t markers = 0;  // a bit per Marker shown; none, no brace list
  bool query = false;    // the "(?)" suffix
  bool shows(Marker marker) const { return (markers >> marker & 1) != 0; }
};
ListedLook lookOf(Agreement agreement, OwnMarks marks, bool phraseHasCapitals);

// Shows one listed spell of a match group on the console line: its colour and
// brackets say in which principal cyphers it agrees with the search phrase,
// and a brace list of markers after it tells further coincidences and
// properties of the spell. Later entries start with ",  ".
void appendListedSpell(TextBuffer& out, std::string_view text, Agreement agreement, OwnMarks marks,
                       bool phraseHasCapitals, bool first, const Palette& palette);
