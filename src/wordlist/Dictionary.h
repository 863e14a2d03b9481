#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cyphers/Method.h"
#include "io/MemoryBlock.h"
#include "wordlist/SpellTotals.h"

class Console;

// The loaded spells, in load order, duplicates kept, as columns: the texts
// back to back in one arena, one column of totals per spell cypher and one of
// letter facts. Entry i is a row across them. All of it lives in one block of
// memory; nothing is allocated per entry.
class Dictionary {
 public:
  // How a line that starts with "#" is read: an entry of the word list, a
  // comment of the user spellbook.
  enum class HashLines { entries, comments };

  Dictionary() = default;
  Dictionary(Dictionary&&) = default;
  Dictionary& operator=(Dictionary&&) = default;

  // Appends the entries of the file at path. False, with nothing added, when
  // the file cannot be opened or read to its end.
  bool load(const std::string& path, HashLines hashLines);
  // Appends the entries of bytes as if they were a file's.
  void appendFileBytes(std::string_view bytes, HashLines hashLines);
  // Appends one entry with the given totals, whatever its text would give.
  void add(std::string_view text, const SpellTotals& totals);
  // Forgets every entry from count on.
  void truncate(size_t count) {
    if (count >= entries) return;
    entries = count;
    arenaSize = starts[count];
  }

  size_t size() const { return entries; }
  // At least this many bytes past the end of any text may be read: they lie
  // in the dictionary's memory (what they hold means nothing), so that a
  // short text can be copied by a fixed number of bytes.
  static constexpr size_t kReadablePastText = 32;
  std::string_view text(size_t entry) const {
    return {arena + starts[entry], starts[entry + 1] - starts[entry]};
  }
  const int32_t* column(Method method) const { return totalColumns[index(method)]; }
  const int32_t* const* columns() const { return totalColumns; }
  int32_t total(size_t entry, Method method) const { return totalColumns[index(method)][entry]; }
  const uint8_t* flagColumn() const { return flags; }
  SpellTotals totals(size_t entry) const;

 private:
  struct ColumnPlan;  // where each array lies in the block
  // Moves what is loaded into a block with the given layout, whose arena may
  // already hold more bytes past what is loaded.
  void adopt(MemoryBlock block, const ColumnPlan& layout);
  void record(size_t textEnd, const SpellTotals& totals);
  bool readInto(int fd, size_t fileSize, HashLines hashLines);
  // Splits the arena's bytes from offset into entries, in place.
  void takeLines(size_t offset, HashLines hashLines);

  MemoryBlock block;
  char* arena = nullptr;
  size_t arenaSize = 0;
  uint32_t* starts = nullptr;  // entry i is arena[starts[i], starts[i + 1])
  uint8_t* flags = nullptr;
  int32_t* totalColumns[kSpellCyphers] = {};
  size_t entries = 0;
  size_t arenaCapacity = 0, entryCapacity = 0;
};

// Loads a file with the progress line a user sees: "Loading dictionary
// file (PATH)...", then "Done." or the error.
bool loadWithProgress(Dictionary& dictionary, const std::string& path,
                      Dictionary::HashLines hashLines, Console& console);
// The word list, whose "#" lines are entries like any other.
bool loadWordList(Dictionary& dictionary, const std::string& path, Console& console);
// The user spellbook, whose "#" lines are comments.
bool loadSpellbook(Dictionary& dictionary, const std::string& path, Console& console);
