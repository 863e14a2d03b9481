#include "io/TempFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace temp_files {

namespace {

enum State : int { kFree, kFilling, kHeld };

struct Slot {
  std::atomic<int> state{kFree};
  int dirFd = -1;
  char name[kNameBytes] = {};
};

// More than the page set's threads and the committer ever hold at once.
constexpr int kSlots = 128;
Slot slots[kSlots];

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the slots");

}  // namespace

int hold(int dirFd, const char* name) {
  const size_t length = strlen(name);
  if (length >= kNameBytes) return -1;
  for (int s = 0; s < kSlots; ++s) {
    int expected = kFree;
    if (!slots[s].state.compare_exchange_strong(expected, kFilling)) continue;
    slots[s].dirFd = dirFd;
    memcpy(slots[s].name, name, length + 1);
    slots[s].state.store(kHeld, std::memory_order_release);
    return s;
  }
  return -1;
}

void release(int slot) {
  if (slot >= 0 && slot < kSlots) slots[slot].state.store(kFree, std::memory_order_release);
}

void removeAll() {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == kHeld) unlinkat(slot.dirFd, slot.name, 0);
  }
}

}  // namespace temp_files
