#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// The word list's line rules, which every reader of lines shares: a line ends
// at an LF, and a CR right before that LF belongs to the line end; a last line
// without an LF counts as it is (a CR at its end stays); an entry's text ends
// at its first NUL byte; an empty entry is none.

// The longest line a streamed reader takes, skipped bytes after a NUL
// included. A word list read whole is bounded by its own size instead.
inline constexpr size_t kMaxLineBytes = size_t{16} << 20;

// The entry a line gives. mayHoldNul false promises that it holds no NUL.
inline std::string_view entryText(std::string_view line, bool endedByNewline,
                                  bool mayHoldNul = true) {
  if (endedByNewline && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (mayHoldNul && !line.empty()) {
    if (const void* nul = memchr(line.data(), '\0', line.size())) {
      line = line.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - line.data()));
    }
  }
  return line;
}

// Calls take(entry) for each line of bytes, in order, an empty one included.
// When final is false, what follows the last LF is a line still to come: it is
// left, and the count of bytes used is returned.
template <typename Take>
size_t splitEveryLine(std::string_view bytes, bool final, Take take) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  // One look for a NUL over all of it spares every short line a look of its own.
  const bool mayHoldNul = !bytes.empty() && memchr(begin, '\0', bytes.size()) != nullptr;
  const char* cursor = begin;
  while (cursor < end) {
    const char* newline =
        static_cast<const char*>(memchr(cursor, '\n', static_cast<size_t>(end - cursor)));
    if (newline == nullptr && !final) break;
    const char* lineEnd = newline != nullptr ? newline : end;
    const std::string_view entry =
        entryText({cursor, static_cast<size_t>(lineEnd - cursor)}, newline != nullptr, mayHoldNul);
    cursor = newline != nullptr ? newline + 1 : end;
    take(entry);
  }
  return static_cast<size_t>(cursor - begin);
}

// The same for each non-empty entry: the word list's entries.
template <typename Take>
size_t splitLines(std::string_view bytes, bool final, Take take) {
  return splitEveryLine(bytes, final, [&take](std::string_view entry) {
    if (!entry.empty()) take(entry);
  });
}
