#include "serve/JsonWriter.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include <nlohmann/json.hpp>

void JsonWriter::separate() {
  if (afterKey) {
    afterKey = false;
    return;
  }
  if (!first) out += ',';
  first = false;
}

void JsonWriter::open(char bracket) {
  separate();
  out += bracket;
  closers = closers << 1 | (bracket == '[' ? 1 : 0);
  first = true;
}

JsonWriter& JsonWriter::object() {
  open('{');
  return *this;
}

JsonWriter& JsonWriter::array() {
  open('[');
  return *this;
}

JsonWriter& JsonWriter::end() {
  out += (closers & 1) != 0 ? ']' : '}';
  closers >>= 1;
  first = false;
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  value(name);
  out += ':';
  afterKey = true;
  return *this;
}

namespace {

// Whether text is printable ASCII without a quote or a backslash, looked at
// eight bytes at a time: a byte below 0x20, equal to either or with its top
// bit set leaves a top bit in the word's mark.
bool isPlain(std::string_view text) {
  constexpr uint64_t kOnes = 0x0101010101010101, kTops = 0x8080808080808080;
  const auto marks = [](uint64_t x) {
    const uint64_t quote = x ^ (kOnes * '"'), backslash = x ^ (kOnes * '\\');
    return ((x - kOnes * 0x20) & ~x) | ((quote - kOnes) & ~quote) |
           ((backslash - kOnes) & ~backslash) | x;
  };
  const auto word = [&text](size_t at) {
    uint64_t bytes;
    memcpy(&bytes, text.data() + at, 8);
    return bytes;
  };
  if (text.size() < 8) {
    uint64_t bytes = kOnes * ' ';  // filled up with blanks
    for (size_t at = 0; at < text.size(); ++at) {
      bytes = bytes << 8 | static_cast<unsigned char>(text[at]);
    }
    return (marks(bytes) & kTops) == 0;
  }
  for (size_t at = 0; at + 8 <= text.size(); at += 8) {
    if ((marks(word(at)) & kTops) != 0) return false;
  }
  // The last eight bytes, some of them again.
  return (marks(word(text.size() - 8)) & kTops) == 0;
}

}  // namespace

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  // Most texts need no escaping at all: printable ASCII without a quote or a
  // backslash goes in as it is. Any other is escaped by the JSON library, an
  // invalid UTF-8 byte becoming U+FFFD.
  if (isPlain(text)) {
    out += '"';
    out.append(text);
    out += '"';
  } else {
    out += nlohmann::json(std::string(text))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
  return *this;
}

JsonWriter& JsonWriter::value(int64_t number) {
  separate();
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
  return *this;
}

JsonWriter& JsonWriter::value(bool truth) {
  separate();
  out += truth ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out += "null";
  return *this;
}
