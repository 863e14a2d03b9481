#include "io/MemoryBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

size_t roundUp(size_t bytes, size_t unit) { return (bytes + unit - 1) / unit * unit; }

// Small blocks take small pages; from one huge page up, whole huge pages, so
// that the last one is not split into small ones.
size_t blockLength(size_t bytes) {
  return bytes < kHugePage ? roundUp(bytes, static_cast<size_t>(sysconf(_SC_PAGESIZE)))
                           : roundUp(bytes, kHugePage);
}

}  // namespace

MemoryBlock::MemoryBlock(MemoryBlock&& other) noexcept
    : base(std::exchange(other.base, nullptr)), length(std::exchange(other.length, 0)) {}

MemoryBlock& MemoryBlock::operator=(MemoryBlock&& other) noexcept {
  if (this != &other) {
    release();
    base = std::exchange(other.base, nullptr);
    length = std::exchange(other.length, 0);
  }
  return *this;
}

MemoryBlock::~MemoryBlock() { release(); }

void MemoryBlock::release() {
  if (base != nullptr) munmap(base, length);
  base = nullptr;
  length = 0;
}

MemoryBlock MemoryBlock::reserve(size_t bytes) {
  MemoryBlock region;
  if (bytes == 0) return region;
  const size_t length = blockLength(bytes);
  // Map a huge page more than asked, so that the block can start on a huge
  // page boundary; then give back the ends.
  const size_t mapped = length + kHugePage;
  void* mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (mapping == MAP_FAILED) return region;
  char* start = static_cast<char*>(mapping);
  char* aligned = reinterpret_cast<char*>(roundUp(reinterpret_cast<size_t>(start), kHugePage));
  if (aligned > start) munmap(start, static_cast<size_t>(aligned - start));
  const size_t after = mapped - static_cast<size_t>(aligned - start) - length;
  if (after > 0) munmap(aligned + length, after);
#ifdef MADV_HUGEPAGE
  madvise(aligned, length, MADV_HUGEPAGE);
#endif
  region.base = aligned;
  region.length = length;
  return region;
}

void MemoryBlock::shrink(size_t bytes) {
  const size_t kept = roundUp(bytes, static_cast<size_t>(sysconf(_SC_PAGESIZE)));
  if (base == nullptr || kept >= length) return;
  munmap(base + kept, length - kept);
  length = kept;
}
