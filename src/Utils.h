#pragma once

#include <cstdio>
#include <string>

// Text helpers. They work byte by byte: only the ASCII letters are letters.

// True when text holds the first character of letter, in either case.
bool has(const std::string& text, const std::string& letter);
bool hasCapitals(const std::string& text);
// Case-sensitive; false when text is shorter than suffix.
bool endsWith(const std::string& text, const std::string& suffix);
std::string lowerCaseForm(const std::string& text);

// Shows input/123/<name> with a closing "[END-of-FILE]." line.
bool displayFile(const std::string& name);

// Opens a file for writing in a folder that others may write to: never
// through a symbolic link, never a file owned by someone else, and created
// readable by its owner only. Returns null when that is not possible.
FILE* openPrivateForWriting(const char* path);

// Closes a file that was written and tells whether everything reached it.
bool closeWritten(FILE* file);

// Page text and attribute values: "<", ">", "&" and '"' as entities.
std::string htmlEscape(const std::string& text);
// A link target inside an attribute: "%", "#" and "?" percent-encoded (they
// would end or redirect the path), then escaped like page text.
std::string hrefEscape(const std::string& text);
