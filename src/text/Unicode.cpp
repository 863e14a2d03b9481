#include "text/Unicode.h"

#include <utf8proc.h>

namespace {

// utf8proc_decompose_char into out; the count, or 0 when it does not fit or fails.
size_t decompose(char32_t c, utf8proc_int32_t* out, size_t capacity, utf8proc_option_t options) {
  int boundClass = 0;  // used only with UTF8PROC_CHARBOUND
  const utf8proc_ssize_t n =
      utf8proc_decompose_char(static_cast<utf8proc_int32_t>(c), out,
                              static_cast<utf8proc_ssize_t>(capacity), options, &boundClass);
  return n > 0 && static_cast<size_t>(n) <= capacity ? static_cast<size_t>(n) : 0;
}

constexpr size_t kLongestFold = 4;  // full case folds are at most three code points

}  // namespace

char32_t simpleCaseFold(char32_t c) {
  if (c > 0x10FFFF) return c;
  if (utf8proc_get_property(static_cast<utf8proc_int32_t>(c))->casefold_seqindex == UINT16_MAX)
    return c;
  // utf8proc folds fully ("ß" → "ss"). A fold to one code point is the simple fold too. A longer
  // one has a simple fold only where the lowercase mapping folds fully the same way ("ẞ" → "ß",
  // "ᾈ" → "ᾀ"); otherwise (ΐ, İ) the code point is its own simple fold.
  utf8proc_int32_t full[kLongestFold], lowerFull[kLongestFold];
  const size_t n = decompose(c, full, kLongestFold, UTF8PROC_CASEFOLD);
  if (n == 1) return static_cast<char32_t>(full[0]);
  const auto lower = static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(c)));
  if (n == 0 || lower == c || decompose(lower, lowerFull, kLongestFold, UTF8PROC_CASEFOLD) != n)
    return c;
  for (size_t i = 0; i < n; ++i) {
    if (full[i] != lowerFull[i]) return c;
  }
  return lower;
}

size_t canonicalDecomposition(char32_t c, char32_t* out, size_t capacity) {
  utf8proc_int32_t pieces[8];
  const size_t n = c > 0x10FFFF ? 0 : decompose(c, pieces, 8, UTF8PROC_DECOMPOSE);
  if (n == 0 || n > capacity) {
    if (capacity > 0) out[0] = c;
    return capacity > 0 ? 1 : 0;
  }
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<char32_t>(pieces[i]);
  return n;
}

void caseVariants(char32_t c, char32_t (&variants)[3]) {
  const auto code = static_cast<utf8proc_int32_t>(c);
  variants[0] = static_cast<char32_t>(utf8proc_toupper(code));
  variants[1] = static_cast<char32_t>(utf8proc_totitle(code));
  variants[2] = static_cast<char32_t>(utf8proc_tolower(code));
}

bool isNonspacingMark(char32_t c) {
  return utf8proc_category(static_cast<utf8proc_int32_t>(c)) == UTF8PROC_CATEGORY_MN;
}

bool isLetter(char32_t c) {
  const utf8proc_category_t category = utf8proc_category(static_cast<utf8proc_int32_t>(c));
  return category >= UTF8PROC_CATEGORY_LU && category <= UTF8PROC_CATEGORY_LO;
}
