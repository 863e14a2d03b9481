#pragma once

#include <string>
#include <string_view>

#include "serve/Answers.h"

class ServeState;

// The server's own pages: HTML5 that works without JavaScript (plain GET
// forms), with the one stylesheet and script the server holds.

// The opening of a page, up to its <main>, and its end.
void openPage(std::string& out, std::string_view title);
void closePage(std::string& out);
// A page that tells why a request could not be answered.
std::string errorPage(int status, std::string_view message);

// The path of a spell's page in the HTML set, as a URL; empty for a spell that
// has none (empty, or holding "/").
std::string setPagePath(std::string_view spell);
// The path and query of the server's match page of a spell.
std::string matchPagePath(std::string_view spell, Against against);

// "/": the calculator, with the totals of spell when one is given.
std::string calculatorPage(const ServeState& state, const std::string* spell);
// "/match": the ranked match of spell.
std::string matchPage(std::string_view spell, Against against, const MatchAnswer& answer);
// "/find": the value search form, and the result when terms are given.
std::string findPage(const ServeState& state, const std::string* terms, const FindAnswer* answer);
