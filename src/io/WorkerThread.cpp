#include "io/WorkerThread.h"

#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace {

// Far more than a worker's deepest call needs, sanitizers included.
constexpr size_t kStackBytes = size_t{1} << 20;

}  // namespace

bool WorkerThread::start(std::function<void()> body) {
  if (started) return false;
  const size_t guard = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  void* region = mmap(nullptr, kStackBytes + guard, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
  if (region == MAP_FAILED) return false;
  mapping = static_cast<char*>(region);
  mapped = kStackBytes + guard;
  mprotect(mapping, guard, PROT_NONE);  // below the stack: an overflow faults
  task = std::move(body);
  pthread_attr_t attributes;
  bool made = pthread_attr_init(&attributes) == 0;
  if (made) {
    made = pthread_attr_setstack(&attributes, mapping + guard, kStackBytes) == 0 &&
           pthread_create(&thread, &attributes, run, this) == 0;
    pthread_attr_destroy(&attributes);
  }
  if (!made) {
    munmap(mapping, mapped);
    mapping = nullptr;
    task = nullptr;
    return false;
  }
  started = true;
  return true;
}

void WorkerThread::join() {
  if (!started) return;
  pthread_join(thread, nullptr);
  started = false;
  munmap(mapping, mapped);
  mapping = nullptr;
  task = nullptr;
}

void* WorkerThread::run(void* self) {
  static_cast<WorkerThread*>(self)->task();
  return nullptr;
}
