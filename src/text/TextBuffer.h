#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

// Text built piece by piece where speed matters: a line asks for room once,
// and its pieces are then copied in without further checks.
class TextBuffer {
 public:
  std::string_view view() const { return {bytes.data(), used}; }
  size_t size() const { return used; }
  bool empty() const { return used == 0; }
  void clear() { used = 0; }
  // Lets go of the memory of an unusually long text.
  void release(size_t keptCapacity) {
    if (bytes.size() > keptCapacity) std::string().swap(bytes);
    used = 0;
  }

  // The place to write at most n bytes; end() then tells where they ended.
  char* room(size_t n) {
    if (bytes.size() - used < n) bytes.resize(std::max(2 * bytes.size(), used + n + 4096));
    return bytes.data() + used;
  }
  void end(const char* at) { used = static_cast<size_t>(at - bytes.data()); }

  void append(std::string_view text) { end(put(room(text.size()), text)); }
  void append(char c) { *room(1) = c, ++used; }

  // Copies text to at and gives the place after it.
  static char* put(char* at, std::string_view text) {
    if (!text.empty()) memcpy(at, text.data(), text.size());  // an empty view may have no data
    return at + text.size();
  }

 private:
  std::string bytes;  // all of it usable room; the text is the first used bytes
  size_t used = 0;
};
