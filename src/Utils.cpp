#include "Utils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

char toUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char toLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool has(const std::string& text, const std::string& letter) {
  if (letter.empty()) return false;
  const char wanted = toUpperAscii(letter[0]);
  for (char c : text) {
    if (toUpperAscii(c) == wanted) return true;
  }
  return false;
}

bool hasCapitals(const std::string& text) {
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') return true;
  }
  return false;
}

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string lowerCaseForm(const std::string& text) {
  std::string lower(text);
  for (char& c : lower) c = toLowerAscii(c);
  return lower;
}

bool displayFile(const std::string& name) {
  const std::string path = "input/123/" + name;
  FILE* file = fopen(path.c_str(), "r");
  if (file == nullptr) {
    printf("ERROR - failed to open file <%s>", path.c_str());
    return false;
  }
  // Copy bytes, not lines, so that NUL bytes and long lines pass unchanged.
  char buffer[8192];
  size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, file)) > 0) fwrite(buffer, 1, count, stdout);
  fclose(file);
  puts("[END-of-FILE].");
  return true;
}

FILE* openPrivateForWriting(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  struct stat info;
  // Truncate only once the file is known to be a regular file of our own.
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid() ||
      ftruncate(fd, 0) != 0) {
    close(fd);
    return nullptr;
  }
  FILE* file = fdopen(fd, "w");
  if (file == nullptr) close(fd);
  return file;
}

bool closeWritten(FILE* file) {
  const bool flushed = fflush(file) == 0 && !ferror(file);
  return (fclose(file) == 0) && flushed;
}

namespace {

// A copy of text in which every byte that replacementFor names is replaced.
template <typename Replacement>
std::string replaceBytes(const std::string& text, Replacement replacementFor) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    const char* replacement = replacementFor(c);
    if (replacement != nullptr) {
      result += replacement;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

std::string htmlEscape(const std::string& text) {
  return replaceBytes(text, [](char c) -> const char* {
    switch (c) {
      case '<':
        return "&lt;";
      case '>':
        return "&gt;";
      case '&':
        return "&amp;";
      case '"':
        return "&quot;";
      default:
        return nullptr;
    }
  });
}

std::string hrefEscape(const std::string& text) {
  const std::string encoded = replaceBytes(text, [](char c) -> const char* {
    switch (c) {
      case '%':
        return "%25";
      case '#':
        return "%23";
      case '?':
        return "%3F";
      default:
        return nullptr;
    }
  });
  return htmlEscape(encoded);
}
