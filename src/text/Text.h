#pragma once

#include <string>
#include <string_view>

// Text helpers. They work byte by byte: only the ASCII letters are letters.

bool hasCapitals(std::string_view text);
// Case-sensitive; false when text is shorter than suffix.
bool endsWith(std::string_view text, std::string_view suffix);
std::string lowerCaseForm(std::string_view text);

// Page text and attribute values: "<", ">", "&" and '"' as entities.
void appendHtmlEscaped(std::string& out, std::string_view text);
// A link target inside an attribute: "%", "#" and "?" percent-encoded (they
// would end or redirect the path), then escaped like page text.
void appendHrefEscaped(std::string& out, std::string_view text);
