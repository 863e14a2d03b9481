#pragma once

#include <string_view>

// Whether text reads like a question: it holds one of the query phrases
// ("How to", "what is", "Who", "this", ...) anywhere, case-sensitively.
bool possibleQuery(std::string_view text);
// Whether text ends like a plural: in "s" or "S", but not in "ss" or "SS".
bool possiblePlurality(std::string_view text);
