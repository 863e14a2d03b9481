#include "cyphers/CypherFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "cyphers/Utf8.h"
#include "io/Fd.h"

namespace {

constexpr int64_t kMaxValue = 1000000;
constexpr size_t kMaxFileSize = size_t{16} << 20;
constexpr size_t kShownCharacters = 32;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string_view trimmed(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The first run of non-blanks in rest, which then holds what follows it; empty when there is none.
std::string_view nextField(std::string_view& rest) {
  size_t begin = 0;
  while (begin < rest.size() && isBlank(rest[begin])) ++begin;
  size_t end = begin;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  const std::string_view field = rest.substr(begin, end - begin);
  rest.remove_prefix(end);
  return field;
}

// Calls each(codePoint) for every character of text; false at the first invalid byte.
template <typename Each>
bool forEachCharacter(std::string_view text, Each each) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t pos = 0; pos < text.size();) {
    char32_t codePoint;
    bool valid;
    pos += decodeUtf8(bytes + pos, text.size() - pos, codePoint, valid);
    if (!valid) return false;
    each(codePoint);
  }
  return true;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// User text fit to quote in a message: in double quotes, at most kShownCharacters characters (then
// "..."), every control character or invalid byte shown as "?".
std::string quoted(std::string_view text) {
  std::string out = "\"";
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  size_t shown = 0, pos = 0;
  for (; pos < text.size() && shown < kShownCharacters; ++shown) {
    char32_t codePoint;
    bool valid;
    pos += decodeUtf8(bytes + pos, text.size() - pos, codePoint, valid);
    if (valid && !isControl(codePoint)) {
      appendUtf8(out, codePoint);
    } else {
      out += '?';
    }
  }
  if (pos < text.size()) out += "...";
  return out + "\"";
}

bool isAsciiLetters(std::string_view text) {
  for (char c : text) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return !text.empty();
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The state of one file being read; each line either passes or sets reason.
struct FileReader {
  explicit FileReader(const std::function<bool(std::string_view)>& isReservedTag)
      : isReservedTag(isReservedTag) {}
  const std::function<bool(std::string_view)>& isReservedTag;
  OwnCypherDefinition cypher;
  bool hasName = false, hasTags = false;
  std::unordered_set<std::string> tags;
  std::unordered_map<char32_t, int32_t> values;
  std::vector<char32_t> lineCharacters;  // reused from line to line
  std::string reason;

  bool fail(std::string why) {
    reason = std::move(why);
    return false;
  }

  bool readName(std::string_view text) {
    if (hasName) return fail("second name line");
    hasName = true;
    const std::string_view name = trimmed(text);
    if (name.empty()) return fail("empty name");
    bool clean = true;
    const bool valid =
        forEachCharacter(name, [&](char32_t c) { clean &= c == '\t' || !isControl(c); });
    if (!valid || !clean) return fail("bad character in name");
    cypher.name = name;
    return true;
  }

  bool readTags(std::string_view text) {
    if (hasTags) return fail("second tags line");
    hasTags = true;
    for (std::string_view tag = nextField(text); !tag.empty(); tag = nextField(text)) {
      if (!isAsciiLetters(tag)) return fail("tag " + quoted(tag) + " is not ASCII letters");
      if (!tags.emplace(tag).second) return fail("tag " + quoted(tag) + " listed twice");
      if (isReservedTag(tag)) return fail("tag " + quoted(tag) + " is already taken");
      cypher.tags.emplace_back(tag);
    }
    if (cypher.tags.empty()) return fail("no tags on tags line");
    return true;
  }

  bool readValues(std::string_view line) {
    const std::string_view fields[2] = {nextField(line), nextField(line)};
    if (fields[1].empty() || !nextField(line).empty())
      return fail("malformed line (expected CHARACTERS VALUE)");
    lineCharacters.clear();
    bool clean = true;
    if (!forEachCharacter(fields[0], [&](char32_t c) {
          clean &= !isControl(c);
          lineCharacters.push_back(c);
        }))
      return fail("invalid UTF-8 in characters");
    if (!clean) return fail("control character in characters");
    int64_t value = 0;
    for (char digit : fields[1]) {
      if (digit < '0' || digit > '9') return fail("value is not a decimal number");
      if (value <= kMaxValue) value = value * 10 + (digit - '0');  // stops growing once too large
    }
    if (value > kMaxValue) return fail("value out of range (0 to 1000000)");
    for (char32_t c : lineCharacters) {
      if (!values.emplace(c, static_cast<int32_t>(value)).second) {
        std::string shown;
        appendUtf8(shown, c);
        return fail("character " + quoted(shown) + " listed twice");
      }
    }
    return true;
  }

  bool readLine(std::string_view line) {
    if (!line.empty() && line[0] == '#') return true;
    const std::string_view content = trimmed(line);
    if (content.empty()) return true;
    if (startsWith(content, "name:")) return readName(content.substr(5));
    if (startsWith(content, "tags:")) return readTags(content.substr(5));
    return readValues(content);
  }
};

}  // namespace

std::string CypherFileError::message() const {
  return "ERROR: cypher file " + path + ", line " + std::to_string(line) + ": " + reason;
}

bool parseCypherFile(const std::string& path, std::string_view text,
                     const std::function<bool(std::string_view)>& isReservedTag,
                     OwnCypherDefinition& cypher, CypherFileError& error) {
  error = CypherFileError{path, 0, ""};
  if (startsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark
  FileReader reader{isReservedTag};
  while (!text.empty()) {
    ++error.line;
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    if (!reader.readLine(line)) {
      error.reason = std::move(reader.reason);
      return false;
    }
  }
  error.line = 0;
  if (!reader.hasName)
    error.reason = "no name line";
  else if (!reader.hasTags)
    error.reason = "no tags line";
  if (!error.reason.empty()) return false;
  reader.cypher.path = path;
  reader.cypher.values.assign(reader.values.begin(), reader.values.end());
  std::sort(reader.cypher.values.begin(), reader.cypher.values.end());
  cypher = std::move(reader.cypher);
  return true;
}

namespace {

// The whole of a regular file of at most kMaxFileSize bytes; false and a reason otherwise.
// O_NONBLOCK keeps a FIFO from holding the run up; it changes nothing for a regular file.
bool readWholeFile(const std::string& path, std::string& text, std::string& reason) {
  const std::string cannotRead = "cannot read file: ", tooLarge = "file too large (over 16 MiB)";
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = cannotRead + std::strerror(errno);
    return false;
  }
  struct stat info;
  bool ok = false;
  if (fstat(fd, &info) != 0) {
    reason = cannotRead + std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    reason = "not a regular file";
  } else if (static_cast<uint64_t>(info.st_size) > kMaxFileSize) {
    reason = tooLarge;
  } else {
    text.clear();
    text.reserve(static_cast<size_t>(info.st_size));
    ok = fd::readToEnd(fd, text, kMaxFileSize);
    if (!ok) reason = errno == EFBIG ? tooLarge : cannotRead + std::strerror(errno);
  }
  close(fd);
  return ok;
}

}  // namespace

bool readCypherFolder(const std::string& folder,
                      const std::function<bool(std::string_view)>& isBuiltInTag,
                      std::vector<OwnCypherDefinition>& cyphers, CypherFileError& error) {
  cyphers.clear();
  error = CypherFileError{folder, 0, ""};
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    if (errno == ENOENT) return true;
    error.reason = std::string("cannot read folder: ") + std::strerror(errno);
    return false;
  }
  std::vector<std::string> names;
  errno = 0;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() >= 4 && name.substr(name.size() - 4) == ".txt") names.emplace_back(name);
  }
  const int readError = errno;
  closedir(dir);
  if (readError != 0) {
    error.reason = std::string("cannot read folder: ") + std::strerror(readError);
    return false;
  }
  std::sort(names.begin(), names.end());  // std::string compares bytes as unsigned char
  std::unordered_set<std::string> earlierTags;
  const auto isTaken = [&](std::string_view tag) {
    return isBuiltInTag(tag) || earlierTags.count(std::string(tag)) > 0;
  };
  std::string text;
  for (const std::string& name : names) {
    const std::string path = folder + "/" + name;
    OwnCypherDefinition cypher;
    if (!readWholeFile(path, text, error.reason)) {
      error.path = path;
      return false;
    }
    if (!parseCypherFile(path, text, isTaken, cypher, error)) return false;
    earlierTags.insert(cypher.tags.begin(), cypher.tags.end());
    cyphers.push_back(std::move(cypher));
  }
  return true;
}
