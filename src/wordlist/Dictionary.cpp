#include "wordlist/Dictionary.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "io/Console.h"
#include "io/Fd.h"
#include "wordlist/ByteRows.h"
#include "wordlist/Lines.h"

namespace {

// Entry offsets are 32-bit, so the texts of one dictionary stay below 4 GiB.
constexpr size_t kMaxArena = UINT32_MAX;

size_t alignedUp(size_t offset) { return (offset + 63) / 64 * 64; }

size_t lineCount(const char* bytes, size_t size) {
  return static_cast<size_t>(std::count(bytes, bytes + size, '\n')) + 1;
}

MemoryBlock reserveOrThrow(size_t bytes) {
  MemoryBlock region = MemoryBlock::reserve(bytes);
  if (!region && bytes > 0) throw std::bad_alloc();
  return region;
}

}  // namespace

// Where each array lies in the block: the arena, then the entry starts, the
// letter facts and one column per spell cypher.
struct Dictionary::ColumnPlan {
  size_t arenaBytes, capacity, startsAt, flagsAt, columnsAt, columnStride, total;

  ColumnPlan(size_t arenaBytes, size_t capacity)
      : arenaBytes(arenaBytes),
        capacity(capacity),
        startsAt(alignedUp(arenaBytes + kReadablePastText)),
        flagsAt(alignedUp(startsAt + (capacity + 1) * sizeof(uint32_t))),
        columnsAt(alignedUp(flagsAt + capacity)),
        columnStride(alignedUp(capacity * sizeof(int32_t))),
        total(columnsAt + kSpellCyphers * columnStride) {}
};

void Dictionary::adopt(MemoryBlock next, const ColumnPlan& layout) {
  char* const base = next.data();
  auto* const nextStarts = reinterpret_cast<uint32_t*>(base + layout.startsAt);
  auto* const nextFlags = reinterpret_cast<uint8_t*>(base + layout.flagsAt);
  nextStarts[0] = 0;
  if (entries > 0) {
    std::copy(starts, starts + entries + 1, nextStarts);
    std::copy(flags, flags + entries, nextFlags);
  }
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    auto* const column =
        reinterpret_cast<int32_t*>(base + layout.columnsAt + m * layout.columnStride);
    if (entries > 0) std::copy(totalColumns[m], totalColumns[m] + entries, column);
    totalColumns[m] = column;
  }
  arena = base;
  starts = nextStarts;
  flags = nextFlags;
  arenaCapacity = layout.arenaBytes;
  entryCapacity = layout.capacity;
  block = std::move(next);
}

void Dictionary::record(size_t textEnd, const SpellTotals& totals) {
  for (size_t m = 0; m < kSpellCyphers; ++m) totalColumns[m][entries] = totals.totals[m];
  flags[entries] = totals.flags;
  starts[++entries] = static_cast<uint32_t>(textEnd);
}

void Dictionary::add(std::string_view text, const SpellTotals& totals) {
  if (entries == entryCapacity || arenaSize + text.size() > arenaCapacity) {
    const ColumnPlan layout(2 * (arenaSize + text.size()), 2 * entries + 16);
    MemoryBlock next = reserveOrThrow(layout.total);
    std::copy(arena, arena + arenaSize, next.data());
    adopt(std::move(next), layout);
  }
  std::copy(text.begin(), text.end(), arena + arenaSize);
  arenaSize += text.size();
  record(arenaSize, totals);
}

bool Dictionary::load(const std::string& path, HashLines hashLines) {
  // Only a regular file: a FIFO could hold the run up for ever, a device
  // could never end. O_NONBLOCK keeps the open itself from waiting on a FIFO;
  // it changes nothing for a regular file.
  const UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info;
  if (!fd || fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  flock(fd.get(), LOCK_SH);  // a spell being archived meanwhile is read whole or not at all
  return readInto(fd.get(), static_cast<size_t>(info.st_size), hashLines);
}

bool Dictionary::readInto(int fd, size_t fileSize, HashLines hashLines) {
  if (fileSize > kMaxArena - arenaSize) return false;
  // A first guess at the number of entries, taking lines of four bytes or
  // more; a list of shorter ones is moved once more.
  MemoryBlock next =
      reserveOrThrow(ColumnPlan(arenaSize + fileSize, entries + fileSize / 4 + 1).total);
  std::copy(arena, arena + arenaSize, next.data());
  const ssize_t got = fd::readFull(fd, next.data() + arenaSize, fileSize);
  if (got < 0) return false;
  std::string grown;  // what a file that grew while it was read holds past its old end
  if (!fd::readToEnd(fd, grown, kMaxArena - arenaSize - static_cast<size_t>(got))) return false;
  if (!grown.empty()) {
    grown.insert(0, next.data() + arenaSize, static_cast<size_t>(got));
    appendFileBytes(grown, hashLines);
    return true;
  }

  const size_t newBytes = static_cast<size_t>(got);
  const ColumnPlan layout(arenaSize + newBytes,
                          entries + lineCount(next.data() + arenaSize, newBytes));
  if (layout.total > next.size()) {
    MemoryBlock bigger = reserveOrThrow(layout.total);
    std::copy(next.data(), next.data() + arenaSize + newBytes, bigger.data());
    next = std::move(bigger);
  }
  next.shrink(layout.total);
  const size_t offset = arenaSize;
  adopt(std::move(next), layout);
  arenaSize += newBytes;
  takeLines(offset, hashLines);
  return true;
}

void Dictionary::appendFileBytes(std::string_view bytes, HashLines hashLines) {
  const ColumnPlan layout(arenaSize + bytes.size(),
                          entries + lineCount(bytes.data(), bytes.size()));
  MemoryBlock next = reserveOrThrow(layout.total);
  std::copy(arena, arena + arenaSize, next.data());
  std::copy(bytes.begin(), bytes.end(), next.data() + arenaSize);
  const size_t offset = arenaSize;
  adopt(std::move(next), layout);
  arenaSize += bytes.size();
  takeLines(offset, hashLines);
}

void Dictionary::takeLines(size_t offset, HashLines hashLines) {
  const ByteRows& rows = byteRows();
  size_t kept = offset;  // entries move down over the line ends they lose
  const std::string_view bytes(arena + offset, arenaSize - offset);
  splitLines(bytes, /*final=*/true, [&](std::string_view entry) {
    if (hashLines == HashLines::comments && entry[0] == '#') return;
    const SpellTotals totals = totalsFromRows(
        sumRows(rows, reinterpret_cast<const unsigned char*>(entry.data()), entry.size()));
    memmove(arena + kept, entry.data(), entry.size());
    kept += entry.size();
    record(kept, totals);
  });
  arenaSize = kept;
}

SpellTotals Dictionary::totals(size_t entry) const {
  SpellTotals spell;
  for (size_t m = 0; m < kSpellCyphers; ++m) spell.totals[m] = totalColumns[m][entry];
  spell.flags = flags[entry];
  return spell;
}

bool loadWithProgress(Dictionary& dictionary, const std::string& path,
                      Dictionary::HashLines hashLines, Console& console) {
  console.format("Loading dictionary file (%s)...", path.c_str());
  console.flush();  // the load can take a moment
  if (!dictionary.load(path, hashLines)) {
    // The error ends the "Loading" line and leaves its own line open: the
    // mode's failure line follows right after it, as it always has.
    console.write("\nERROR - failed to open dictionary file.");
    return false;
  }
  console.line("Done.");
  return true;
}

bool loadWordList(Dictionary& dictionary, const std::string& path, Console& console) {
  return loadWithProgress(dictionary, path, Dictionary::HashLines::entries, console);
}

bool loadSpellbook(Dictionary& dictionary, const std::string& path, Console& console) {
  return loadWithProgress(dictionary, path, Dictionary::HashLines::comments, console);
}
