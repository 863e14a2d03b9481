#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

// Reads and writes on a file descriptor that carry on through interruptions
// (EINTR) and short counts, so that no caller has to.
namespace fd {

// Writes all of data; false on an error, with errno telling it.
bool writeAll(int fd, std::string_view data);
// One write of all of data, retried only when interrupted before it began:
// what a record must be to stay whole among writers at the same time. The
// count written, or -1.
ssize_t writeOnce(int fd, std::string_view data);
// One read, retried when interrupted; the count read, 0 at the end, or -1.
ssize_t readSome(int fd, char* into, size_t size);
// Reads until size bytes are in or the end is reached; the count read, or -1.
ssize_t readFull(int fd, char* into, size_t size);
// Appends everything up to the end to out; false on an error, or with errno
// EFBIG when out would grow past limit (what was read stays in out).
bool readToEnd(int fd, std::string& out, size_t limit);

}  // namespace fd

// A descriptor of our own, closed when it goes.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : descriptor(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : descriptor(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { reset(); }

  int get() const { return descriptor; }
  explicit operator bool() const { return descriptor >= 0; }
  int release() {
    const int fd = descriptor;
    descriptor = -1;
    return fd;
  }
  // Closes the descriptor held, if any, and holds fd instead.
  void reset(int fd = -1);
  // Closes it and tells whether the close reported no error.
  bool close();

 private:
  int descriptor = -1;
};
