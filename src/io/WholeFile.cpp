#include "io/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "io/TempFiles.h"

namespace {

// A file with no name is put in place through its /proc/self/fd link.
bool canPlaceUnnamed() {
  static const bool procMounted = access("/proc/self/fd", X_OK) == 0;
  return procMounted;
}

std::atomic<unsigned> tempCount{0};

}  // namespace

WholeFile::WholeFile(UniqueFd folder, Naming naming) : folderFd(std::move(folder)) {
  if (!folderFd) {
    error = EBADF;
    return;
  }
  if (naming == Naming::any && canPlaceUnnamed()) {
    fd = openat(folderFd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) return;
  }
  // A file system without O_TMPFILE, or a folder that takes no file at all:
  // the named file tells which.
  if (!openNamed()) error = errno;
}

bool WholeFile::openNamed() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    snprintf(tempName, sizeof tempName, ".veriglyph-%ld-%u.tmp", static_cast<long>(getpid()),
             tempCount.fetch_add(1));
    // Held before it is made, so that no moment passes with a file unheld.
    slot = temp_files::hold(folderFd.get(), tempName);
    fd = openat(folderFd.get(), tempName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                0666);
    if (fd >= 0) return true;
    const int why = errno;
    temp_files::release(std::exchange(slot, -1));
    tempName[0] = '\0';
    errno = why;
    if (why != EEXIST) return false;
  }
  return false;
}

WholeFile& WholeFile::operator=(WholeFile&& other) noexcept {
  if (this != &other) {
    discard();
    folderFd = std::move(other.folderFd);
    fd = std::exchange(other.fd, -1);
    error = other.error;
    writeFailed = other.writeFailed;
    slot = std::exchange(other.slot, -1);
    std::copy(std::begin(other.tempName), std::end(other.tempName), tempName);
    other.tempName[0] = '\0';
  }
  return *this;
}

void WholeFile::write(std::string_view text) {
  if (fd >= 0 && !writeFailed && !fd::writeAll(fd, text)) writeFailed = true;
}

int WholeFile::place(const char* name, Placing placing) {
  if (fd < 0) return error != 0 ? error : EBADF;
  int why = 0;
  if (tempName[0] == '\0') {
    // Only created new: a file with no name cannot replace one. Straight from
    // the descriptor where the system lets us (it asks for a capability), else
    // through its /proc/self/fd link, a longer way.
    static std::atomic<bool> byDescriptor{true};
    bool linked = false;
    if (byDescriptor.load(std::memory_order_relaxed)) {
      linked = linkat(fd, "", folderFd.get(), name, AT_EMPTY_PATH) == 0;
      if (!linked && (errno == EPERM || errno == ENOENT || errno == EINVAL)) {
        byDescriptor.store(false, std::memory_order_relaxed);
      } else if (!linked) {
        why = errno;
      }
    }
    if (!linked && why == 0) {
      char self[32];
      snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
      if (linkat(AT_FDCWD, self, folderFd.get(), name, AT_SYMLINK_FOLLOW) != 0) why = errno;
    }
    if (::close(std::exchange(fd, -1)) != 0 && why == 0) {
      unlinkat(folderFd.get(), name, 0);  // ours, made a moment ago
      why = EIO;
    }
    return why;
  }
  if (::close(std::exchange(fd, -1)) != 0) why = EIO;
  if (why == 0 && placing == Placing::replace) {
    if (renameat(folderFd.get(), tempName, folderFd.get(), name) != 0) why = errno;
  } else if (why == 0) {
    // A link, unlike a rename, never replaces what is there.
    if (linkat(folderFd.get(), tempName, folderFd.get(), name, 0) != 0) why = errno;
  }
  if (why != 0 || placing == Placing::create) unlinkat(folderFd.get(), tempName, 0);
  temp_files::release(std::exchange(slot, -1));
  tempName[0] = '\0';
  return why;
}

void WholeFile::discard() {
  if (fd >= 0) ::close(std::exchange(fd, -1));
  if (tempName[0] != '\0') {
    unlinkat(folderFd.get(), tempName, 0);
    tempName[0] = '\0';
  }
  temp_files::release(std::exchange(slot, -1));
}
