#include "serve/ConnectionWatch.h"

#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

enum Phase : int { kClosed, kReading, kAnswering };

// One accepted connection, by descriptor.
struct Slot {
  std::atomic<int> phase{kClosed};
  std::atomic<long> budget{0};      // bytes its request may still take
  std::atomic<long long> since{0};  // when its phase began, in clock ticks
};

constexpr int kSlots = 1 << 16;  // descriptors past it are not watched
Slot slots[kSlots];
std::atomic<int> highest{-1};  // the highest descriptor ever watched
std::atomic<size_t> openCount{0};

// Serialises a close with the watchdog's shutdowns, so that it never shuts
// down a descriptor number that has been closed and given to another file.
std::mutex closing;
std::condition_variable wake;
bool stopping = false;
Clock::time_point graceEnd;
std::thread watchdog;

thread_local int accepted = -1;
thread_local int current = -1;  // the connection this thread last read from

long long now() { return Clock::now().time_since_epoch().count(); }

Slot* watched(int fd) {
  if (fd < 0 || fd >= kSlots) return nullptr;
  Slot& slot = slots[fd];
  return slot.phase.load(std::memory_order_relaxed) == kClosed ? nullptr : &slot;
}

void enter(Slot& slot, Phase phase) {
  slot.since.store(now(), std::memory_order_relaxed);
  slot.phase.store(phase, std::memory_order_relaxed);
}

// Whether no byte of a next request has come on the connection.
bool idle(int fd) {
  int pending = 0;
  return slots[fd].budget.load() == connection_watch::kRequestBudget &&
         ioctl(fd, FIONREAD, &pending) == 0 && pending == 0;
}

void watch() {
  const long long deadline =
      std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(connection_watch::kDeadline))
          .count();
  std::unique_lock<std::mutex> lock(closing);
  for (;;) {
    if (stopping && openCount == 0) return;
    const bool graceOver = stopping && Clock::now() >= graceEnd;
    const long long late = now() - deadline;
    for (int fd = 0; fd <= highest.load(); ++fd) {
      const int phase = slots[fd].phase.load();
      if (phase == kClosed) continue;
      if (graceOver || (stopping && phase == kReading && idle(fd)) ||
          slots[fd].since.load() < late) {
        syscall(SYS_shutdown, fd, SHUT_RDWR);
      }
    }
    if (openCount == 0 && !stopping) {
      wake.wait(lock, [] { return openCount > 0 || stopping; });
    } else {
      wake.wait_for(lock, std::chrono::milliseconds(stopping ? 50 : 250));
    }
  }
}

}  // namespace

// A sanitizer that keeps a model of descriptors (ThreadSanitizer) stands in
// front of the C library with calls of these names; ours, which replace the C
// library's, go through them when they are there, so that the model sees each
// connection open and close. Without a sanitizer they are null.
extern "C" int __interceptor_accept4(int, sockaddr*, socklen_t*, int) __attribute__((weak));
extern "C" ssize_t __interceptor_recvfrom(int, void*, size_t, int, sockaddr*, socklen_t*)
    __attribute__((weak));
extern "C" int __interceptor_close(int) __attribute__((weak));

namespace {

int acceptNew(int listening, sockaddr* address, socklen_t* length) {
  if (__interceptor_accept4 != nullptr) {
    return __interceptor_accept4(listening, address, length, SOCK_CLOEXEC);
  }
  return static_cast<int>(syscall(SYS_accept4, listening, address, length, SOCK_CLOEXEC));
}

ssize_t receive(int fd, void* buffer, size_t size, int flags) {
  if (__interceptor_recvfrom != nullptr) {
    return __interceptor_recvfrom(fd, buffer, size, flags, nullptr, nullptr);
  }
  return syscall(SYS_recvfrom, fd, buffer, size, flags, nullptr, nullptr);
}

int closeNow(int fd) {
  if (__interceptor_close != nullptr) return __interceptor_close(fd);
  return static_cast<int>(syscall(SYS_close, fd));
}

}  // namespace

// The C library's calls, as the HTTP library makes them.
extern "C" int accept(int listening, sockaddr* address, socklen_t* length) {
  const int fd = acceptNew(listening, address, length);
  accepted = fd;
  if (fd >= 0 && fd < kSlots) {
    slots[fd].budget.store(connection_watch::kRequestBudget);
    enter(slots[fd], kReading);
    int seen = highest.load();
    while (fd > seen && !highest.compare_exchange_weak(seen, fd)) {
    }
    if (openCount.fetch_add(1) == 0) wake.notify_all();
  }
  return fd;
}

extern "C" ssize_t recv(int fd, void* buffer, size_t size, int flags) {
  const ssize_t count = receive(fd, buffer, size, flags);
  Slot* slot = watched(fd);
  if (slot == nullptr || count <= 0 || (flags & MSG_PEEK) != 0) return count;
  current = fd;
  if (slot->budget.fetch_sub(count) < count) {
    errno = ECONNRESET;
    return -1;
  }
  return count;
}

extern "C" int close(int fd) {
  Slot* slot = watched(fd);
  if (slot == nullptr) return closeNow(fd);
  std::lock_guard<std::mutex> lock(closing);
  slot->phase.store(kClosed);
  openCount.fetch_sub(1);
  const int result = closeNow(fd);
  wake.notify_all();
  return result;
}

namespace connection_watch {

int lastAccepted() { return accepted; }

void answering() {
  if (Slot* slot = watched(current)) enter(*slot, kAnswering);
}

void answered() {
  if (Slot* slot = watched(current)) {
    slot->budget.store(kRequestBudget);
    enter(*slot, kReading);
  }
}

void start() { watchdog = std::thread(watch); }

void stop(int graceSeconds) {
  {
    std::lock_guard<std::mutex> lock(closing);
    stopping = true;
    graceEnd = Clock::now() + std::chrono::seconds(graceSeconds);
  }
  wake.notify_all();
}

void finish() {
  if (watchdog.joinable()) watchdog.join();
}

size_t open() { return openCount.load(); }

}  // namespace connection_watch
