#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "io/Console.h"
#include "io/Fd.h"
#include "wordlist/ByteRows.h"
#include "wordlist/Dictionary.h"
#include "wordlist/LineReader.h"

// A list file read once, entry by entry, for the modes that ask one question
// of a list and need not keep it: memory holds a piece of the file at a time,
// never the list. The file is opened as the dictionary opens its files:
// read-locked, so that a spell being archived meanwhile is read whole or not
// at all, and only when it is a regular file.
class ListFile {
 public:
  explicit ListFile(const std::string& path);

  bool isOpen() const { return static_cast<bool>(file); }
  // Calls take(text, totals) for each entry; false when the file cannot be
  // read to its end (what was taken before is then no answer).
  template <typename Take>
  bool forEachEntry(Dictionary::HashLines hashLines, Take take) {
    const ByteRows& rows = byteRows();
    LineReader reader(file.get(), LineReader::ByteOrderMark::kept, UINT32_MAX);
    const auto status = reader.forEachEntry([&](std::string_view entry) {
      if (hashLines == Dictionary::HashLines::comments && entry[0] == '#') return;
      take(entry, totalsFromRows(sumRows(rows, reinterpret_cast<const unsigned char*>(entry.data()),
                                         entry.size())));
    });
    return status == LineReader::Status::end;
  }

 private:
  UniqueFd file;
};

// Reads a list file with the progress line a user sees, as loading it would:
// "Loading dictionary file (PATH)...", then "Done." or the error.
template <typename Take>
bool readListWithProgress(const std::string& path, Dictionary::HashLines hashLines,
                          Console& console, Take take) {
  console.format("Loading dictionary file (%s)...", path.c_str());
  console.flush();  // the reading can take a moment
  ListFile list(path);
  if (!list.isOpen() || !list.forEachEntry(hashLines, take)) {
    console.write("\nERROR - failed to open dictionary file.");
    return false;
  }
  console.line("Done.");
  return true;
}
