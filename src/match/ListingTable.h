#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "match/MatchScreen.h"
#include "wordlist/SpellTotals.h"

class Dictionary;

// What every page that lists an entry needs of it, worked out once for a
// whole page set instead of on every page, and kept together in one small
// record per entry: a page lists entries from all over the list, and one
// record is one trip to memory where the columns would be many. (How the
// entry stands to the page's phrase comes with it from the scoring.)
class ListingTable {
 public:
  struct Record {
    OwnMarks marks;          // what the spell shows of itself
    uint8_t folderLength;    // of the way to its folder, "../<first byte>/"
    uint32_t firstWithText;  // the first entry of the same text
    uint32_t textLength, linkLength;
    // Then the text, the way to its folder and the end of its list item
    // ("match_<target>.htm\">" and the text), escaped.
    std::string_view text() const { return {reinterpret_cast<const char*>(this + 1), textLength}; }
    // The end of the item on a page in the spell's own folder, and on any other.
    std::string_view link() const {
      return {reinterpret_cast<const char*>(this + 1) + textLength + folderLength, linkLength};
    }
    std::string_view linkFromElsewhere() const {
      return {reinterpret_cast<const char*>(this + 1) + textLength,
              size_t{folderLength} + linkLength};
    }
  };

  explicit ListingTable(const Dictionary& dictionary);

  const Record& record(uint32_t entry) const {
    return *reinterpret_cast<const Record*>(records.data() + size_t{offsets[entry]} * kAlign);
  }
  // Asks for where an entry's record lies, well ahead of its use.
  void prefetchOffset(uint32_t entry) const { __builtin_prefetch(&offsets[entry]); }
  // Asks for an entry's record ahead of its use.
  void prefetch(uint32_t entry) const {
    const char* at = records.data() + size_t{offsets[entry]} * kAlign;
    __builtin_prefetch(at);
    __builtin_prefetch(at + 64);
  }

 private:
  static constexpr size_t kAlign = alignof(Record);
  std::string records;            // back to back, each aligned for its numbers
  std::vector<uint32_t> offsets;  // where each begins, in units of kAlign
};

// The end of a list item for text: "match_<link target>.htm\">" and the text,
// both escaped for the page.
void appendLink(std::string& out, std::string_view text);
// The way from a page to the folder of a spell in another: "../<first byte>/".
void appendFolderLink(std::string& out, std::string_view text);
