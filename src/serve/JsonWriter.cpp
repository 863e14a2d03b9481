#include "serve/JsonWriter.h"

#include <charconv>

#include "cyphers/Utf8.h"

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

JsonWriter& JsonWriter::value(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  separate();
  out += '"';
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = bytes[i];
    if (c >= 0x80) {
      char32_t character;
      bool valid;
      const size_t length = decodeUtf8(bytes + i, text.size() - i, character, valid);
      if (valid) {
        out.append(text.data() + i, length);
      } else {
        out += "\xef\xbf\xbd";
      }
      i += length;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  out += '"';
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
