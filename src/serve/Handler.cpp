#include "serve/Handler.h"

#include <algorithm>

#include "archive/Archive.h"
#include "io/Console.h"
#include "match/MatchReport.h"
#include "serve/Api.h"
#include "serve/Assets.h"
#include "serve/Html.h"
#include "serve/ServeState.h"
#include "serve/Url.h"
#include "serve/Workspace.h"
#include "text/Ascii.h"

const std::vector<std::pair<std::string_view, std::string_view>> kCommonHeaders = {
    {"Content-Security-Policy",
     "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
     "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
};

namespace {

constexpr std::string_view kHtml = "text/html; charset=utf-8";
constexpr std::string_view kJson = "application/json";

bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool isApi(std::string_view path) { return path.substr(0, 5) == "/api/"; }

HttpResponse failure(bool api, int status, std::string_view message) {
  HttpResponse response;
  response.status = status;
  response.contentType = api ? kJson : kHtml;
  response.body = api ? errorJson(message) : errorPage(status, message);
  return response;
}

HttpResponse answer(std::string_view contentType, std::string body) {
  HttpResponse response;
  response.contentType = contentType;
  response.body = std::move(body);
  return response;
}

// Reads a spell or search terms from the query: false, with the reason, when
// it is missing (and needed), too long, not UTF-8 or holds a NUL byte.
bool readText(const Query& query, std::string_view name, const std::string*& text,
              std::string& error) {
  text = query.find(name);
  const std::string what = name == "q" ? "the search terms" : "the spell";
  if (text == nullptr) {
    error = "missing " + std::string(name);
  } else if (text->size() > kMostSpellBytes) {
    error = what + " is longer than " + std::to_string(kMostSpellBytes) + " bytes";
  } else if (!isUtf8(*text)) {
    error = what + " is not UTF-8";
  } else if (text->find('\0') != std::string::npos) {
    error = what + " holds a NUL byte";
  } else {
    return true;
  }
  return false;
}

// The page of the HTML set for spell: the bytes --html writes for it, sent
// from the workspace that made them.
HttpResponse setPage(const ServeState& state, std::string_view spell) {
  static const Palette noColour(false);
  auto work = std::make_shared<WorkspaceLoan>();
  Workspace& space = **work;
  const SpellTotals totals = totalsOf(spell);
  state.index().score(totals, space.groups, space.scratch, MatchIndex::Agreements::page);
  space.page.clear();
  appendMatchPage(space.page, {state.words(), space.groups, spell, totals, ReportFormat::html,
                               noColour, &state.listing()});
  HttpResponse response;
  response.contentType = kHtml;
  response.lentBody = space.page.view();
  response.lender = std::move(work);
  return response;
}

// Whether a GET or HEAD of path has an answer (which may still be an error of
// the query).
bool answersGet(std::string_view path) {
  static constexpr std::string_view kPaths[] = {
      "/", "/match", "/find", "/api/match", "/api/find", "/api/totals", "/api/cyphers"};
  std::string spell;
  return std::find(std::begin(kPaths), std::end(kPaths), path) != std::end(kPaths) ||
         assetAt(path) != nullptr ||
         (path.substr(0, 5) == "/set/" && spellOfSetPage(path.substr(5), spell));
}

HttpResponse getRoute(const ServeState& state, std::string_view path, const Query& query) {
  const bool api = isApi(path);
  const std::string* text = nullptr;
  std::string error;
  if (path == "/") {
    if (query.find("spell") != nullptr && !readText(query, "spell", text, error)) {
      return failure(false, 400, error);
    }
    return answer(kHtml, calculatorPage(state, text));
  }
  if (path == "/match" || path == "/api/match") {
    Against against = Against::words;
    const std::string* name = query.find("against");
    if (name != nullptr && !parseAgainst(*name, against)) {
      return failure(api, 400, "against must be words, spellbook or all");
    }
    if (!readText(query, "spell", text, error)) return failure(api, 400, error);
    const MatchAnswer match = matchOf(state, *text, against);
    return api ? answer(kJson, matchJson(*text, against, match))
               : answer(kHtml, matchPage(*text, against, match));
  }
  if (path == "/find" || path == "/api/find") {
    const bool asked = query.find("q") != nullptr && !query.find("q")->empty();
    if (!api && !asked) return answer(kHtml, findPage(state, nullptr, nullptr));
    FindAnswer found;
    if (!readText(query, "q", text, error) || !findIn(state, *text, found, error)) {
      return failure(api, 400, error);
    }
    return api ? answer(kJson, findJson(state, *text, found))
               : answer(kHtml, findPage(state, text, &found));
  }
  if (path == "/api/totals") {
    if (!readText(query, "spell", text, error)) return failure(true, 400, error);
    return answer(kJson, totalsJson(state, *text));
  }
  if (path == "/api/cyphers") return answer(kJson, cyphersJson(state));
  if (const Asset* asset = assetAt(path)) {
    HttpResponse response = answer(asset->contentType, std::string(asset->body));
    response.headers.emplace_back("Cache-Control", "max-age=3600");
    return response;
  }
  std::string spell;
  if (path.substr(0, 5) == "/set/" && spellOfSetPage(path.substr(5), spell)) {
    return setPage(state, spell);
  }
  return failure(api, 404, "no such page");
}

// POST /api/spellbook: only JSON from the server's own pages or from a
// program (which sends no Origin), so that no other site's page can make a
// browser store a spell.
HttpResponse storeSpell(const ServeState& state, const HttpRequest& request,
                        std::string_view host) {
  const std::string_view* type = request.header("Content-Type");
  if (type == nullptr || !sameText(trimmed(type->substr(0, type->find(';'))), kJson)) {
    return failure(true, 403, "a spell is stored only from Content-Type: application/json");
  }
  const std::string_view* origin = request.header("Origin");
  if (origin != nullptr && *origin != "http://" + std::string(host)) {
    return failure(true, 403, "a spell is stored only from the server's own pages");
  }
  std::string spell, error;
  if (!spellOfBody(request.body, spell, error)) return failure(true, 400, error);
  if (spell.size() > kMostSpellBytes) {
    return failure(true, 400,
                   "the spell is longer than " + std::to_string(kMostSpellBytes) + " bytes");
  }
  if (spell.find('\0') != std::string::npos)
    return failure(true, 400, "the spell holds a NUL byte");
  if (spell.find_first_of("\r\n") != std::string::npos) {
    return failure(true, 400, "a spell holding a line break is not stored");
  }
  std::string said;  // archiveSpell's console lines, which no one reads here
  Console console(said, Palette(false));
  const Archived archived = archiveSpell(spell, state.spellbookPath(), console);
  if (archived != Archived::added && archived != Archived::alreadyThere) {
    return failure(true, 500, "the spellbook could not be written");
  }
  return answer(kJson, archivedJson(spell, archived));
}

size_t headBytes(const HttpRequest& request) {
  size_t bytes = request.method.size() + request.target.size() + sizeof " HTTP/1.1\r\n";
  for (const auto& [name, value] : request.headers) bytes += name.size() + value.size() + 4;
  return bytes + 2;
}

}  // namespace

const std::string_view* HttpRequest::header(std::string_view name, size_t* count) const {
  const std::string_view* first = nullptr;
  size_t found = 0;
  for (const auto& [key, value] : headers) {
    if (!sameText(key, name)) continue;
    if (first == nullptr) first = &value;
    ++found;
  }
  if (count != nullptr) *count = found;
  return first;
}

HttpResponse errorResponse(std::string_view path, int status, std::string_view message) {
  return failure(isApi(path), status, message);
}

HttpResponse handleRequest(const ServeState& state, const ServerNames& names,
                           const HttpRequest& request) {
  const std::string_view target = request.target;
  const size_t mark = target.find('?');
  std::string path;
  const bool decoded = percentDecode(target.substr(0, mark), path, false);
  const bool api = isApi(path);
  if (headBytes(request) > kMostHeadBytes) {
    return failure(api, 431, "the request line and headers are longer than 8 KiB");
  }
  size_t hosts = 0;
  const std::string_view* host = request.header("Host", &hosts);
  const auto known = [&](const std::string& name) {
    return host != nullptr && (*host == name + ":" + std::to_string(names.port) ||
                               (names.port == 80 && *host == name));
  };
  if (hosts != 1 || std::none_of(names.hosts.begin(), names.hosts.end(), known)) {
    return failure(api, 403, "this server answers only to its own address");
  }
  if (request.body.size() > kMostBodyBytes)
    return failure(api, 413, "the body is longer than 8 KiB");
  if (target.empty() || target[0] != '/' || !decoded || path.find('\0') != std::string::npos) {
    return failure(api, 400, "the request's path is malformed");
  }
  Query query;
  if (!query.parse(mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1))) {
    return failure(api, 400, "the query is badly percent-encoded");
  }
  const bool reading = request.method == "GET" || request.method == "HEAD";
  if (path == "/api/spellbook") {
    if (request.method == "POST") return storeSpell(state, request, *host);
    HttpResponse refused = failure(true, 405, "only POST stores a spell");
    refused.headers.emplace_back("Allow", "POST");
    return refused;
  }
  if (reading) return getRoute(state, path, query);
  if (!answersGet(path)) return failure(api, 404, "no such page");
  HttpResponse refused = failure(api, 405, "only GET and HEAD are answered here");
  refused.headers.emplace_back("Allow", "GET, HEAD");
  return refused;
}
