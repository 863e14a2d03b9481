#include "serve/JsonWriter.h"

#include <charconv>

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

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  // Most texts need no escaping at all: printable ASCII without a quote or a
  // backslash goes in as it is. Any other is escaped by the JSON library, an
  // invalid UTF-8 byte becoming U+FFFD.
  bool plain = true;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    plain &= byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
  }
  if (plain) {
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
