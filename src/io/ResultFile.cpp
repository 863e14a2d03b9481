#include "io/ResultFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "io/Console.h"

namespace {

int openPrivate(const std::string& path) {
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

// Why what is at a replaced file's name may not be replaced: 0 when nothing
// is there or a regular file.
int unreplaceable(int folder, const char* name) {
  struct stat info;
  if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return 0;
  if (S_ISREG(info.st_mode)) return 0;
  if (S_ISLNK(info.st_mode)) return ELOOP;
  return S_ISDIR(info.st_mode) ? EISDIR : EPERM;
}

}  // namespace

ResultFile::ResultFile(const std::string& path, Mode mode) : mode(mode), filePath(path) {
  if (mode == Mode::privateFile) {
    plain.reset(openPrivate(path));
    error = plain ? 0 : errno;
    return;
  }
  const size_t slash = path.rfind('/');
  name = slash == std::string::npos ? path : path.substr(slash + 1);
  openIn(slash == std::string::npos ? "."
         : slash == 0               ? "/"
                                    : path.substr(0, slash),
         FolderLink::followed);
}

ResultFile::ResultFile(const std::string& folder, std::string_view name, Mode mode,
                       FolderLink folderLink)
    : mode(mode), filePath(folder + "/" + std::string(name)), name(name) {
  if (name.find('/') != std::string_view::npos) {
    error = ENOENT;
  } else if (mode == Mode::privateFile) {
    plain.reset(openPrivate(filePath));
    error = plain ? 0 : errno;
  } else {
    openIn(folder, folderLink);
  }
}

ResultFile::ResultFile(const std::string& folder, int folderFd, int folderError,
                       std::string_view name, Mode mode)
    : mode(mode), filePath(folder + "/" + std::string(name)), name(name) {
  if (name.find('/') != std::string_view::npos) {
    error = ENOENT;
  } else if (folderFd < 0) {
    error = folderError;
  } else {
    UniqueFd own(fcntl(folderFd, F_DUPFD_CLOEXEC, 0));
    if (!own) {
      error = errno;
      return;
    }
    openIn(std::move(own));
  }
}

void ResultFile::openIn(const std::string& folder, FolderLink folderLink) {
  UniqueFd folderFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC |
                                             (folderLink == FolderLink::refused ? O_NOFOLLOW : 0)));
  if (!folderFd) {
    error = errno;
    return;
  }
  openIn(std::move(folderFd));
}

void ResultFile::openIn(UniqueFd folderFd) {
  struct stat info;
  if (mode == Mode::createNew &&
      fstatat(folderFd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    error = EEXIST;  // seen before a byte is written; placing checks again
    return;
  }
  if (mode == Mode::overwrite) error = unreplaceable(folderFd.get(), name.c_str());
  if (error != 0) return;
  whole = WholeFile(std::move(folderFd),
                    mode == Mode::overwrite ? WholeFile::Naming::named : WholeFile::Naming::any);
  error = whole.openError();
}

void ResultFile::write(std::string_view text) {
  if (plain) {
    failed = failed || !fd::writeAll(plain.get(), text);
  } else {
    whole.write(text);
  }
}

bool ResultFile::close() {
  if (plain) return plain.close() && !failed;
  if (!whole.isOpen()) return false;
  if (mode == Mode::createNew && whole.failed()) {
    whole.discard();
    return false;
  }
  // A link planted at the name meanwhile is replaced, not followed.
  const int placed =
      whole.place(name.c_str(), mode == Mode::createNew ? WholeFile::Placing::create
                                                        : WholeFile::Placing::replace);
  if (placed == EEXIST && mode == Mode::createNew) error = EEXIST;
  return placed == 0 && !whole.failed();
}

bool finishResultFile(ResultFile& file, Console& console) {
  if (file.close()) return true;
  console.format("ERROR: failed to write output file (%s)\n", file.path().c_str());
  return false;
}
