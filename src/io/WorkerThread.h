#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>

// A thread on a small stack of its own, mapped for it and given back the
// moment it is joined. A thread that cannot get its stack is simply not
// started; and unlike the system's threads, whose stacks stay cached after
// they end, a stopped worker returns its memory to a run that is short of it.
class WorkerThread {
 public:
  WorkerThread() = default;
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;
  ~WorkerThread() { join(); }

  // Runs body on a new thread; false when there is no room for one (body is
  // then not run).
  bool start(std::function<void()> body);
  // Waits for the body to end and gives the stack back.
  void join();

 private:
  static void* run(void* self);

  std::function<void()> task;
  pthread_t thread{};
  char* mapping = nullptr;
  size_t mapped = 0;
  bool started = false;
};
