#include "io/ResultFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "io/Console.h"
#include "io/Fd.h"

namespace {

int openForWriting(const std::string& path, ResultFile::Mode mode) {
  if (mode == ResultFile::Mode::overwrite) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  }
  if (mode == ResultFile::Mode::createNew) {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  }
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return fd;
  struct stat info;
  // Truncate only once the file is known to be a regular file of our own.
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid() ||
      ftruncate(fd, 0) != 0) {
    close(fd);
    errno = EPERM;
    return -1;
  }
  return fd;
}

}  // namespace

ResultFile::ResultFile(const std::string& path, Mode mode)
    : fd(openForWriting(path, mode)), error(fd < 0 ? errno : 0), filePath(path) {}

ResultFile::ResultFile(const std::string& folder, std::string_view name, Mode mode)
    : filePath(folder + "/" + std::string(name)) {
  if (name.find('/') != std::string_view::npos) {
    error = ENOENT;
    return;
  }
  fd = openForWriting(filePath, mode);
  error = fd < 0 ? errno : 0;
}

ResultFile::ResultFile(ResultFile&& other) noexcept
    : fd(std::exchange(other.fd, -1)),
      error(other.error),
      failed(other.failed),
      filePath(std::move(other.filePath)) {}

ResultFile& ResultFile::operator=(ResultFile&& other) noexcept {
  if (this != &other) {
    if (fd >= 0) ::close(fd);
    fd = std::exchange(other.fd, -1);
    error = other.error;
    failed = other.failed;
    filePath = std::move(other.filePath);
  }
  return *this;
}

ResultFile::~ResultFile() {
  if (fd >= 0) close();
}

void ResultFile::write(std::string_view text) {
  if (fd >= 0) failed = failed || !fd::writeAll(fd, text);
}

bool ResultFile::close() {
  if (fd < 0) return false;
  const bool closed = ::close(fd) == 0;
  fd = -1;
  return closed && !failed;
}

bool finishResultFile(ResultFile& file, Console& console) {
  if (file.close()) return true;
  console.format("ERROR: failed to write output file (%s)\n", file.path().c_str());
  return false;
}
