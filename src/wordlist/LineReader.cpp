#include "wordlist/LineReader.h"

#include <algorithm>
#include <cstring>

#include "io/Fd.h"

namespace {
constexpr size_t kFirstCapacity = size_t{1} << 16;
}

LineReader::LineReader(int fd, ByteOrderMark mark, size_t longestLine)
    : fd(fd),
      longestLine(longestLine),
      buffer(new char[kFirstCapacity]),
      capacity(kFirstCapacity),
      startChecked(mark == ByteOrderMark::kept) {}

void LineReader::dropStartMark() {
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  if (end < 3 && !atEnd && memcmp(buffer.get(), kMark, end) == 0) return;  // read more first
  startChecked = true;
  if (end >= 3 && memcmp(buffer.get(), kMark, 3) == 0) {
    memmove(buffer.get(), buffer.get() + 3, end - 3);
    end -= 3;
  }
}

void LineReader::consume(size_t used) {
  if (used == 0) return;
  memmove(buffer.get(), buffer.get() + used, end - used);
  end -= used;
  skipped = 0;  // what is left is the start of a new line
}

LineReader::Status LineReader::fill() {
  // Past a NUL the rest of a line is of no use: keep the NUL, drop the rest.
  if (const void* nul = end > 0 ? memchr(buffer.get(), '\0', end) : nullptr) {
    const size_t kept = static_cast<size_t>(static_cast<const char*>(nul) - buffer.get()) + 1;
    skipped += end - kept;
    end = kept;
  }
  if (end + skipped > longestLine) return Status::lineTooLong;
  if (end == capacity) {
    const size_t grown = std::min(2 * capacity, longestLine + 1);
    std::unique_ptr<char[]> bigger(new char[grown]);
    memcpy(bigger.get(), buffer.get(), end);
    buffer = std::move(bigger);
    capacity = grown;
  }
  const ssize_t count = fd::readSome(fd, buffer.get() + end, capacity - end);
  if (count < 0) return Status::readError;
  if (count == 0) atEnd = true;
  end += static_cast<size_t>(std::max<ssize_t>(count, 0));
  return Status::end;
}
