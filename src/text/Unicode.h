#pragma once

#include <cstddef>

// What the Unicode character database says of one code point, through utf8proc. Each call
// allocates nothing.

// The simple case fold: one code point for one ("A" → "a", "Σ" and "ς" → "σ", "ẞ" → "ß"); the
// code point itself when it has none (it is folded already, or folds only to several, as "ΐ").
char32_t simpleCaseFold(char32_t c);

// The canonical decomposition (NFD) into out[0..n), n returned: the base character, then its
// marks ("ῆ" → "η", U+0342). A code point without one gives itself alone; so does a
// decomposition longer than capacity (none is: four is the longest).
size_t canonicalDecomposition(char32_t c, char32_t* out, size_t capacity);

// The upper-, title- and lower-case mappings of c (c itself where there is none), the code points
// whose case fold may lead to c.
void caseVariants(char32_t c, char32_t (&variants)[3]);

// General category Mn, a non-spacing mark: an accent, a vowel point, a breathing.
bool isNonspacingMark(char32_t c);
// General category L: Lu, Ll, Lt, Lm or Lo.
bool isLetter(char32_t c);
