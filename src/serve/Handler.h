#pragma once

#include "serve/Http.h"

class ServeState;

// Answers one request: the whole server but the sockets, so that tests and
// the fuzzer drive it directly. Any number of threads may call it at once. A
// GET never writes anything; only POST /api/spellbook appends to the spellbook.
HttpResponse handleRequest(const ServeState& state, const ServerNames& names,
                           const HttpRequest& request);

// The body of an error the HTTP layer answers by itself (a target or body
// too long, a request it cannot read), in the form of the path's answers.
HttpResponse errorResponse(std::string_view path, int status, std::string_view message);

// Headers every answer carries: the pages load nothing from elsewhere and run
// no script of anyone else's.
extern const std::vector<std::pair<std::string_view, std::string_view>> kCommonHeaders;
