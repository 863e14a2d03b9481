// The server's request handler: method, target, headers and body from the
// input (cut at 0xFF bytes; headers one "Name: value" a line), answered as a
// request over a socket would be. The spellbook is /dev/null, so that a POST
// stores nothing anywhere.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherFile.h"
#include "serve/Handler.h"
#include "serve/ServeState.h"
#include "wordlist/Dictionary.h"

namespace {

const ServeState& state() {
  static const ServeState served = [] {
    Dictionary words;
    words.appendFileBytes("hello\nworld\nHello World\nlegman\ncaf\xc3\xa9\na<b>&\"c%#?\nhello\n",
                          Dictionary::HashLines::entries);
    CypherSet cyphers;
    cyphers.addOwn(Cypher::own({"own.txt", "Vowels", {"vow"}, {{U'a', 1}, {U'\u00e9', 5}}}));
    return ServeState(std::move(words), std::move(cyphers), "/dev/null");
  }();
  return served;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  HttpRequest request{piece(parts, 0), piece(parts, 1), {}, piece(parts, 3)};
  std::string_view lines = piece(parts, 2);
  bool host = false;
  while (!lines.empty()) {
    const std::string_view line = lines.substr(0, lines.find('\n'));
    lines.remove_prefix(std::min(lines.size(), line.size() + 1));
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    request.headers.emplace_back(line.substr(0, colon), value);
    host = host || line.substr(0, colon) == "Host" || line.substr(0, colon) == "host";
  }
  if (!host) request.headers.emplace_back("Host", "127.0.0.1:8034");
  const HttpResponse response = handleRequest(state(), {{"127.0.0.1", "localhost"}, 8034}, request);
  switch (response.status) {
    case 200:
    case 400:
    case 403:
    case 404:
    case 405:
    case 413:
    case 431:
    case 500:
      break;
    default:
      abort();
  }
  // A page of the set is lent from where it was made, the rest carried.
  const std::string_view body = response.content();
  if (response.contentType.empty() || body.empty()) abort();
  // The API's refusals are JSON errors; a page of the set is a page of it.
  const bool api = request.target.substr(0, 5) == "/api/";
  if (api && response.status >= 400 && body.substr(0, 10) != "{\"error\":\"") abort();
  if (request.target.substr(0, 5) == "/set/" && response.status == 200 &&
      body.substr(0, 19) != "<html><head><title>") {
    abort();
  }
  return 0;
}
