#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "match/MatchScreen.h"
#include "wordlist/SpellTotals.h"

class Dictionary;

// What every page that lists an entry needs of it, worked out once for a
// whole page set instead of on every page. A page lists entries from all
// over the list, so what is read per listed entry is one small slot, at a
// place known from the entry alone: its facts and, for most, its text. Only
// an entry whose text a page cannot show as it is (a byte to escape) has its
// escaped forms kept, in a record. (How the entry stands to the page's phrase
// comes with it from the scoring.)
class ListingTable {
 public:
  struct Slot {
    uint8_t heldLength;  // of the text, when it is held here; else kNotHeld
    OwnMarks marks;      // what the spell shows of itself
    bool plain;          // its text goes into a link, a folder's name and a page as it is
    char text[13];
    // The text, when it is held here.
    std::string_view heldText() const { return {text, heldLength}; }
  };
  static constexpr uint8_t kNotHeld = 0xff;
  // As many bytes past a held text may be read: they lie in the slots.
  static constexpr size_t kReadablePastText = 32;
  // The escaped forms of an entry that is not plain.
  struct Record {
    uint32_t folderLength;  // of the way to its folder, "../<first byte>/"
    uint32_t linkLength;
    // Then the way to its folder and the end of its list item
    // ("match_<target>.htm\">" and the text), escaped.
    // The end of the item on a page in the spell's own folder, and on any other.
    std::string_view link() const {
      return {reinterpret_cast<const char*>(this + 1) + folderLength, linkLength};
    }
    std::string_view linkFromElsewhere() const {
      return {reinterpret_cast<const char*>(this + 1), size_t{folderLength} + linkLength};
    }
  };

  explicit ListingTable(const Dictionary& dictionary);

  const Slot& slot(uint32_t entry) const { return slots[entry]; }
  // The first entry of the same text.
  uint32_t firstWithText(uint32_t entry) const { return firstColumn[entry]; }
  // Only for an entry that is not plain.
  const Record& record(uint32_t entry) const {
    return *reinterpret_cast<const Record*>(records.data() + size_t{offsets[entry]} * kAlign);
  }
  // Asks for an entry's slot ahead of its use.
  void prefetch(uint32_t entry) const { __builtin_prefetch(&slots[entry]); }

 private:
  static constexpr size_t kAlign = alignof(Record);
  std::vector<Slot> slots;  // and two more, so that kReadablePastText holds
  std::vector<uint32_t> firstColumn;
  std::string records;            // back to back, each aligned for its numbers
  std::vector<uint32_t> offsets;  // where each begins, in units of kAlign (0 for a plain entry)
};

// The end of a list item for text: "match_<link target>.htm\">" and the text,
// both escaped for the page.
void appendLink(std::string& out, std::string_view text);
// The way from a page to the folder of a spell in another: "../<first byte>/".
void appendFolderLink(std::string& out, std::string_view text);
