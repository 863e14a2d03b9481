#pragma once

#include <cstddef>

// A block of fresh memory for large arrays, mapped in huge pages where the
// system offers them: touching fresh memory 4 KiB at a time costs far more
// than the work done on it.
class MemoryBlock {
 public:
  MemoryBlock() = default;
  MemoryBlock(MemoryBlock&& other) noexcept;
  MemoryBlock& operator=(MemoryBlock&& other) noexcept;
  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;
  ~MemoryBlock();

  // bytes of zeroed memory, aligned for huge pages; empty when the system
  // has no room for it.
  static MemoryBlock reserve(size_t bytes);

  char* data() const { return base; }
  size_t size() const { return length; }
  explicit operator bool() const { return base != nullptr; }
  // Gives back what lies past the first bytes.
  void shrink(size_t bytes);

 private:
  void release();

  char* base = nullptr;
  size_t length = 0;
};
