#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// JSON written straight into a string, commas and all: the API's answers are
// made many thousand times a second, and a tree of values for each would cost
// more than the answer. A string is written as UTF-8; a byte that is not
// (a word list in another encoding) becomes U+FFFD.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out(out) {}

  JsonWriter& object();  // "{", as a value
  JsonWriter& array();   // "["
  JsonWriter& end();     // "}" or "]", whichever is open
  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(int64_t number);
  JsonWriter& value(bool truth);
  JsonWriter& null();

 private:
  void separate();  // the comma before a value or key that is not the first
  void open(char bracket);

  std::string& out;
  uint64_t closers = 0;  // a bit a level, the innermost lowest: set for an array
  bool first = true, afterKey = false;
};
