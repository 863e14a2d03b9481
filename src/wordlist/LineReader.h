#pragma once

#include <memory>
#include <string_view>

#include "wordlist/Lines.h"

// Reads a stream (a file, a pipe, standard input) with the word list's line
// rules, in memory that does not grow with the input: what it holds is one
// read's worth and the line still to come, at most kMaxLineBytes of it. The
// bytes of a line after a NUL are counted but not kept.
class LineReader {
 public:
  enum class Status { end, readError, lineTooLong };

  // Whether a UTF-8 byte-order mark at the very start of the input is part
  // of the first line or dropped.
  enum class ByteOrderMark { kept, dropped };

  explicit LineReader(int fd, ByteOrderMark mark = ByteOrderMark::kept,
                      size_t longestLine = kMaxLineBytes);

  // The number of the line being read, from 1: after a fault, the line it
  // met.
  size_t lineNumber() const { return linesDone + 1; }

  // Calls take(entry) for each non-empty entry, in order, up to the end of the
  // input or the first fault.
  template <typename Take>
  Status forEachEntry(Take take) {
    return forEachLine([&take](std::string_view entry) {
      if (!entry.empty()) take(entry);
    });
  }

  // Calls take(entry) for each line, an empty one included, so that the calls
  // count the lines; up to the end of the input or the first fault (a line too
  // long is the one after the last call).
  template <typename Take>
  Status forEachLine(Take take) {
    for (;;) {
      const Status status = fill();
      if (status == Status::end && !startChecked) dropStartMark();
      const bool final = status == Status::end && atEnd;
      if (status != Status::end) return status;
      // The calls count the lines, for a fault to name its line.
      consume(splitEveryLine(pending(), final, [this, &take](std::string_view line) {
        ++linesDone;
        take(line);
      }));
      if (final) return Status::end;
    }
  }

 private:
  std::string_view pending() const { return {buffer.get(), end}; }
  void consume(size_t used);
  // Reads more after the line still to come; Status::end also when it read.
  Status fill();
  // Once three bytes are in (or the input ended), drops a byte-order mark.
  void dropStartMark();

  int fd;
  size_t longestLine;
  std::unique_ptr<char[]> buffer;
  size_t capacity, end = 0;
  size_t skipped = 0;    // bytes of the line still to come dropped after its NUL
  size_t linesDone = 0;  // line ends consumed
  bool atEnd = false;
  bool startChecked;
};
