// The scoring core of the --html page set, without pages: loads the first N
// entries of a word list into a Dictionary and scores every entry against
// every entry, the way each page of the set does, counting what the pages
// would list (scores 2 to kTopScore, plus the prime matches).
//
// usage: veriglyph_pages LIST N
// Prints: N pages over a N-entry list: L listed entries, L/N a page
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "wordlist/Dictionary.h"
#include "match/Scoring.h"
#include "wordlist/SpellTotals.h"

namespace {

bool readFile(const char* path, std::string& bytes) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      close(fd);
      return false;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return true;
}

// The length of the leading part of bytes that holds its first `wanted`
// entries, by the word-list rules: lines end at LF, one CR before it is
// dropped, an entry ends at a NUL, empty entries are skipped.
size_t prefixOfEntries(std::string_view bytes, size_t wanted) {
  size_t at = 0, found = 0;
  while (at < bytes.size() && found < wanted) {
    size_t end = bytes.find('\n', at);
    const bool hasNewline = end != std::string_view::npos;
    if (!hasNewline) end = bytes.size();
    size_t length = end - at;
    if (hasNewline && length > 0 && bytes[end - 1] == '\r') --length;
    length = strnlen(bytes.data() + at, length);
    if (length > 0) ++found;
    at = hasNewline ? end + 1 : end;
  }
  return at;
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long long wanted = argc == 3 ? strtoull(argv[2], &end, 10) : 0;
  if (argc != 3 || end == argv[2] || *end != '\0') {
    fprintf(stderr, "usage: %s LIST N\n", argc > 0 ? argv[0] : "veriglyph_pages");
    return 2;
  }
  std::string bytes;
  if (!readFile(argv[1], bytes)) {
    fprintf(stderr, "cannot read %s: %s\n", argv[1], strerror(errno));
    return 1;
  }
  Dictionary dictionary;
  dictionary.appendFileBytes(std::string_view(bytes).substr(0, prefixOfEntries(bytes, wanted)),
                             Dictionary::HashLines::entries);
  std::string().swap(bytes);

  const size_t n = dictionary.size();
  constexpr size_t kBlock = 1024;  // entries scored together, as a page does
  alignas(64) int32_t scores[kBlock];
  long listed = 0;
  for (size_t page = 0; page < n; ++page) {
    const MatchPlan plan(dictionary, dictionary.totals(page));
    for (size_t first = 0; first < n; first += kBlock) {
      const size_t count = std::min(kBlock, n - first);
      plan.score(first, count, scores);
      long inBlock = 0;
      for (size_t i = 0; i < count; ++i) {
        inBlock += (scores[i] >= 2 && scores[i] <= kTopScore) + plan.primeMatch(first + i);
      }
      listed += inBlock;
    }
  }
  printf("%zu pages over a %zu-entry list: %ld listed entries, %.1f a page\n", n, n, listed,
         n == 0 ? 0.0 : static_cast<double>(listed) / static_cast<double>(n));
  return 0;
}
