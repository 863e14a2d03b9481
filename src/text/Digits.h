#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

// Decimal numbers written straight into an output buffer, each after a
// separator, the way a table of many numbers needs them. A number below a
// thousand is one copy of eight bytes from a table small enough to stay in
// the first-level cache; one below a million two copies.
class Digits {
 public:
  explicit Digits(char separator) : plain(kTableSize), padded(kTableSize) {
    for (uint32_t n = 0; n < kTableSize; ++n) {
      char bytes[8] = {separator};
      bytes[7] = static_cast<char>(std::to_chars(bytes + 1, bytes + 7, n).ptr - bytes);
      memcpy(&plain[n], bytes, sizeof bytes);
      const char three[4] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                             static_cast<char>('0' + n % 10)};
      memcpy(&padded[n], three, sizeof three);
    }
  }

  // Writes the separator and n at at, which has room for 16 bytes; gives the
  // place after them.
  char* put(char* at, uint32_t n) const {
    if (n < kTableSize) return putEntry(at, plain[n]);
    if (n < kTableSize * kTableSize) {
      const uint32_t high = n / kTableSize;
      at = putEntry(at, plain[high]);
      memcpy(at, &padded[n - high * kTableSize], 4);
      return at + 3;
    }
    *at = static_cast<char>(plain[0] & 0xFF);
    return std::to_chars(at + 1, at + 16, n).ptr;
  }

  // Writes count numbers, each after the separator, at at, which has room
  // for 16 bytes a number. The table's place is kept at hand, where each
  // call of put would load it again after every store.
  char* putAll(char* at, const uint32_t* numbers, size_t count) const {
    const uint64_t* table = plain.data();
    for (size_t i = 0; i < count; ++i) {
      const uint32_t n = numbers[i];
      at = n < kTableSize ? putEntry(at, table[n]) : put(at, n);
    }
    return at;
  }

 private:
  static constexpr uint32_t kTableSize = 1000;

  // An entry's last byte is its length: the loads of a row's numbers do not
  // wait for one another, only the places they go to do, on one addition
  // each.
  static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the length is the entry's top byte");
  static char* putEntry(char* at, uint64_t entry) {
    memcpy(at, &entry, sizeof entry);
    return at + (entry >> 56);
  }

  std::vector<uint64_t> plain;   // the separator, the digits; the length last
  std::vector<uint32_t> padded;  // three digits, with leading zeros
};
