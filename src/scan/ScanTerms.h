#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/ValueSearch.h"

class CypherSet;

// The terms of a scan, in the syntax of the value search ("33ord/21red"), but
// read strictly: a scan never silently matches nothing. A term is one run of
// ASCII digits and one run of ASCII letters, in either order (33ord, ord33),
// whose value is at most 2147483647; terms are separated by single slashes,
// with none at either end. Anything else is malformed, and so is a term no
// phrase could match.

// Reads the terms' shape; false, with the error line, at the first fault.
bool parseScanTerms(std::string_view text, std::vector<SearchTerm>& terms, std::string& error);
// Whether some term's tag is no built-in one, so that the user's own cyphers
// must be read to recognise it.
bool needsOwnCyphers(const std::vector<SearchTerm>& terms);
// Recognises every term's cypher as the value search does; false, with the
// error line, for a tag no cypher takes, a cypher that is never searched, or
// two values for one cypher (which no phrase could match).
bool recogniseScanTerms(std::vector<SearchTerm>& terms, const CypherSet& cyphers,
                        std::string& error);
