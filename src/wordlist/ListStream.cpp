#include "wordlist/ListStream.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

ListFile::ListFile(const std::string& path)
    : file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  struct stat info;
  if (file && (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))) file.reset();
  if (file) flock(file.get(), LOCK_SH);
}
