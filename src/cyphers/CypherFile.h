#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A cypher of the user's own, read from a text file in UTF-8 (LF or CR LF line ends):
//
//   # a comment: a line whose first byte is "#"
//   name: My Cypher
//   tags: mine my
//   Aa 1
//   Bb 2
//
// Blank lines (nothing but spaces and tabs) and comment lines are ignored. "name:" gives the
// display name (surrounding blanks removed) and "tags:" one or more tags of ASCII letters, the
// first being the default tag; each comes exactly once. Every other line is CHARACTERS VALUE:
// characters with no blank among them, blanks, then a decimal value from 0 to 1000000; each
// character (code point) of the first field is worth VALUE. Blanks are spaces and tabs; they may
// also start and end any line, so " # 5" gives "#" a value. A UTF-8 byte order mark at the very
// start of the file is not part of the first line. A CR is a line end only right before an LF.
struct OwnCypherDefinition {
  std::string path;                                  // "<folder>/<file name>"
  std::string name;                                  // display name
  std::vector<std::string> tags;                     // in file order; tags[0] is the default tag
  std::vector<std::pair<char32_t, int32_t>> values;  // every listed character, by code point
};

struct CypherFileError {
  std::string path;
  unsigned line = 0;  // 1-based line number; 0 when the fault is the file as a whole
  std::string reason;
  std::string message() const;  // "ERROR: cypher file <path>, line <n>: <reason>"
};

// Reads one cypher file's text. isReservedTag says whether a tag is already taken (a built-in tag,
// or a tag of an earlier file). Returns false and fills error on the first fault, in line order;
// the reasons (X: the offending text, at most 32 characters, a control character or invalid byte as
// "?"):
//   line 0:  "no name line", "no tags line" (in that order)
//   a line:  "second name line", "second tags line", "empty name", "bad character in name" (invalid
//            UTF-8 or a control character other than tab), "no tags on tags line",
//            "tag "X" is not ASCII letters", "tag "X" listed twice" (in this file),
//            "tag "X" is already taken", "malformed line (expected CHARACTERS VALUE)",
//            "invalid UTF-8 in characters", "control character in characters",
//            "value is not a decimal number", "value out of range (0 to 1000000)",
//            "character "X" listed twice" (on the line of the second listing)
// cypher is set only on success.
bool parseCypherFile(const std::string& path, std::string_view text,
                     const std::function<bool(std::string_view)>& isReservedTag,
                     OwnCypherDefinition& cypher, CypherFileError& error);

// Reads every file whose name ends in ".txt" in folder, in byte order of the names; other names are
// ignored, and a missing folder gives no cyphers and true. A tag must be neither a built-in tag
// (isBuiltInTag) nor a tag of an earlier file. Stops at the first fault (false + error; cyphers
// then holds the files read before it). Faults of a whole file or of the folder, at line 0:
//   "not a regular file", "file too large (over 16 MiB)", "cannot read file: <system reason>",
//   "cannot read folder: <system reason>" (the path being the folder's)
bool readCypherFolder(const std::string& folder,
                      const std::function<bool(std::string_view)>& isBuiltInTag,
                      std::vector<OwnCypherDefinition>& cyphers, CypherFileError& error);
