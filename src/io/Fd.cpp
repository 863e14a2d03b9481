#include "io/Fd.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace fd {

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

ssize_t writeOnce(int fd, std::string_view data) {
  ssize_t written;
  do {
    written = ::write(fd, data.data(), data.size());
  } while (written < 0 && errno == EINTR);
  return written;
}

ssize_t readSome(int fd, char* into, size_t size) {
  ssize_t count;
  do {
    count = ::read(fd, into, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

ssize_t readFull(int fd, char* into, size_t size) {
  size_t filled = 0;
  while (filled < size) {
    const ssize_t count = readSome(fd, into + filled, size - filled);
    if (count < 0) return -1;
    if (count == 0) break;
    filled += static_cast<size_t>(count);
  }
  return static_cast<ssize_t>(filled);
}

bool readToEnd(int fd, std::string& out, size_t limit) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = readSome(fd, buffer, sizeof buffer);
    if (count < 0) return false;
    if (count == 0) return true;
    if (static_cast<size_t>(count) > limit - std::min(limit, out.size())) {
      errno = EFBIG;
      return false;
    }
    out.append(buffer, static_cast<size_t>(count));
  }
}

}  // namespace fd

void UniqueFd::reset(int fd) {
  if (descriptor >= 0) ::close(descriptor);
  descriptor = fd;
}

bool UniqueFd::close() {
  if (descriptor < 0) return false;
  return ::close(release()) == 0;
}
