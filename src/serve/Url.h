#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The parts of a request's target, as the server reads them: strictly, so
// that a malformed one is refused instead of guessed at.

// Decodes "%XX" escapes (and, in a query, "+" as a blank) into out. False
// when a "%" is not followed by two hexadecimal digits.
bool percentDecode(std::string_view text, std::string& out, bool plusIsBlank);

// The fields of a query string, decoded, in order.
class Query {
 public:
  // False when some field is badly encoded.
  bool parse(std::string_view query);
  // The first field of that name, or null.
  const std::string* find(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, std::string>> fields;
};

// Appends text for a URL: every byte but the unreserved ones as "%XX".
void appendUrlEncoded(std::string& out, std::string_view text);

// Whether text is well-formed UTF-8 (no overlong form, surrogate or value
// above U+10FFFF).
bool isUtf8(std::string_view text);

// The spell a page of the HTML set stands for, from its decoded path below
// "/set/": "C/match_W.htm", C being the folder of W's first byte. A browser
// cannot name a folder that is a lone byte above ASCII (it sends its own
// reading of it instead), so for such a spell the folder is not compared.
// False when the path is no page of the set.
bool spellOfSetPage(std::string_view path, std::string& spell);
