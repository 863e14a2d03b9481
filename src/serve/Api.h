#pragma once

#include <string>
#include <string_view>

#include "archive/Archive.h"
#include "serve/Answers.h"

class ServeState;

// The JSON API's bodies (UTF-8; a byte that is not is sent as U+FFFD), each
// ending in a line feed.

// {"cyphers": [{"id", "name", "tags", "built_in"}, ...]}
std::string cyphersJson(const ServeState& state);
// {"spell", "totals": [{"id", "name", "colour", "total", "root", "breakdown", "counts",
// "search_tag"}, ...]}
std::string totalsJson(const ServeState& state, std::string_view spell);
// {"spell", "against", "groups": [{"score", "spells": [{"spell", "class", "markers",
// "query", "emphasised"}, ...]}, ...], "primes": [spells]}
std::string matchJson(std::string_view spell, Against against, const MatchAnswer& answer);
// {"q", "terms": [{"tag", "value"}, ...], "entries": [{"spell", "totals": {id: total}}, ...]}
std::string findJson(const ServeState& state, std::string_view terms, const FindAnswer& answer);
// {"spell", "new"}
std::string archivedJson(std::string_view spell, Archived archived);
// {"error"}
std::string errorJson(std::string_view message);

// The spell of a POST's body {"spell": "..."}; false, with the reason, when the
// body is no such JSON object.
bool spellOfBody(std::string_view body, std::string& spell, std::string& error);
