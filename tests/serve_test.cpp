// The server's answers without sockets: status, type and body of every route
// and every refusal, as handleRequest gives them.
#include "TestSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"
#include "serve/Address.h"
#include "serve/Api.h"
#include "serve/Handler.h"
#include "serve/ServeState.h"
#include "serve/Url.h"
#include "wordlist/Dictionary.h"

namespace {

constexpr const char* kHost = "127.0.0.1:8034";
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kJson = "application/json";

struct Served : WorkingFolder {
  ServeState state{words(), cyphers(), "spellbook.txt"};
  ServerNames names{{"127.0.0.1", "localhost", "[::1]"}, 8034};

  static Dictionary words() {
    Dictionary dictionary;
    dictionary.appendFileBytes("hello\nworld\nHello\nlegman\ncafé\na<b>&\"c%#?\n",
                               Dictionary::HashLines::entries);
    return dictionary;
  }
  static CypherSet cyphers() {
    CypherSet set;
    set.addOwn(Cypher::own({"own.txt", "Vowels", {"vow"}, {{U'a', 1}, {U'e', 5}, {U'o', 15}}}));
    return set;
  }
  HttpResponse get(const std::string& method, const std::string& target,
                   std::vector<std::pair<std::string_view, std::string_view>> headers = {},
                   const std::string& body = "") {
    if (headers.empty()) headers = {{"Host", kHost}};
    return handleRequest(state, names, {method, target, headers, body});
  }
  HttpResponse post(const std::string& body, std::string_view type = "application/json",
                    std::string_view origin = "") {
    std::vector<std::pair<std::string_view, std::string_view>> headers = {{"Host", kHost},
                                                                          {"Content-Type", type}};
    if (!origin.empty()) headers.emplace_back("Origin", origin);
    return get("POST", "/api/spellbook", headers, body);
  }
};

TEST(Serve, EveryRouteAndEveryRefusal) {
  Served served;
  const std::string longSpell(4097, 'a'), longHeader(8200, 'x');
  // clang-format off
  const struct {
    const char *method, *target; int status; const char *type, *has;
  } cases[] = {
      {"GET", "/", 200, kHtml, "<h1>Calculator</h1>"},
      {"HEAD", "/", 200, kHtml, "<meta name=\"viewport\""},
      {"GET", "/?spell=Hello+World", 200, kHtml, "<a href=\"/find?q=124ord\">124</a>"},
      {"GET", "/?spell=caf%C3%A9", 200, kHtml, "href=\"/set/c/match_caf%C3%A9.htm\""},
      {"GET", "/?spell=%FF", 400, kHtml, "the spell is not UTF-8"},
      {"GET", "/match?spell=hello", 200, kHtml, "<a href=\"/match?spell=legman\">legman</a>"},
      {"GET", "/match?spell=hello&against=all", 200, kHtml, "<option value=\"all\" selected>"},
      {"GET", "/match", 400, kHtml, "missing spell"},
      {"GET", "/match?spell=x&against=mine", 400, kHtml, "against must be words, spellbook or all"},
      {"GET", "/find", 200, kHtml, "<form action=\"/find\""},
      {"GET", "/find?q=52ord", 200, kHtml, "<li><a href=\"/match?spell=hello\">hello</a></li>"},
      {"GET", "/find?q=52zz", 400, kHtml, "unknown cypher tag &quot;zz&quot;"},
      {"GET", "/find?q=ord", 400, kHtml, "malformed search term &quot;ord&quot;"},
      {"GET", "/find?q=786fib", 400, kHtml, "the value search cannot use cypher tag &quot;fib&quot;"},
      {"GET", "/api/cyphers", 200, kJson, "{\"id\":\"vow\",\"name\":\"Vowels\",\"tags\":[\"vow\"],\"built_in\":false}"},
      {"GET", "/api/totals?spell=Hello%20World", 200, kJson, "\"id\":\"ord\",\"name\":\"English Ordinal\",\"colour\":\"none\",\"total\":124,\"root\":7"},
      {"GET", "/api/totals?spell=hello", 200, kJson, "\"id\":\"bacon\",\"name\":\"Francis Bacon\",\"colour\":\"magenta\",\"total\":52,\"root\":7,\"breakdown\":\"8+5+12+12+15\",\"counts\":false"},
      {"GET", "/api/totals", 400, kJson, "{\"error\":\"missing spell\"}\n"},
      {"GET", "/api/totals?spell=a%00b", 400, kJson, "{\"error\":\"the spell holds a NUL byte\"}"},
      {"GET", "/api/totals?spell=%zz", 400, kJson, "{\"error\":\"the query is badly percent-encoded\"}"},
      {"GET", "/api/match?spell=hello", 200, kJson, "{\"spell\":\"hello\",\"against\":\"words\",\"groups\":[{\"score\":"},
      {"GET", "/api/match?spell=hello&against=spellbook", 200, kJson, "{\"spell\":\"hello\",\"against\":\"spellbook\",\"groups\":[],\"primes\":[]}\n"},
      {"GET", "/api/find?q=52ord/", 200, kJson, "{\"q\":\"52ord/\",\"terms\":[{\"tag\":\"ord\",\"value\":52}],\"entries\":[{\"spell\":\"hello\",\"totals\":{\"ord\":52,"},
      {"GET", "/api/find?q=52ord//21red", 400, kJson, "malformed search term \\\"\\\""},
      {"GET", "/set/h/match_hello.htm", 200, kHtml, "<html><head><title>hello (matching spells)</title>"},
      {"GET", "/set/a/match_a%3Cb%3E%26%22c%25%23%3F.htm", 200, kHtml, "<title>a&lt;b&gt;&amp;&quot;c%#? (matching"},
      {"GET", "/set/%EF%BF%BD/match_caf%C3%A9.htm", 404, kHtml, "no such page"},
      {"GET", "/set/%C3/match_%C3%A9t%C3%A9.htm", 200, kHtml, "<title>\xc3\xa9t\xc3\xa9 (matching"},
      {"GET", "/set/x/match_hello.htm", 404, kHtml, "no such page"},
      {"GET", "/set/a/match_a%2Fb.htm", 404, kHtml, "no such page"},
      {"GET", "/set/h/match_.htm", 404, kHtml, "no such page"},
      {"GET", "/nowhere", 404, kHtml, "<h1>Error 404</h1>"},
      {"GET", "/api/nowhere", 404, kJson, "{\"error\":\"no such page\"}\n"},
      {"GET", "/a%zz", 400, kHtml, "the request's path is malformed"},
      {"GET", "/a%00", 400, kHtml, "malformed"},
      {"GET", "/style.css", 200, "text/css; charset=utf-8", "--magenta"},
      {"GET", "/script.js", 200, "text/javascript; charset=utf-8", "/api/totals?spell="},
      {"GET", "/favicon.ico", 200, "image/svg+xml", "<svg"},
      {"GET", "/api/spellbook", 405, kJson, "only POST stores a spell"},
      {"POST", "/", 405, kHtml, "only GET and HEAD"},
      {"DELETE", "/api/totals?spell=x", 405, kJson, "only GET and HEAD"},
      {"PUT", "/nowhere", 404, kHtml, "no such page"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.method) + " " + c.target);
    const HttpResponse response = served.get(c.method, c.target);
    EXPECT_EQ(response.status, c.status);
    EXPECT_EQ(response.contentType, c.type);
    EXPECT_NE(response.body.find(c.has), std::string::npos) << response.body.substr(0, 400);
  }
  EXPECT_EQ(served.get("GET", "/api/totals?spell=" + longSpell).body,
            "{\"error\":\"the spell is longer than 4096 bytes\"}\n");
  EXPECT_EQ(served.get("GET", "/api/totals?spell=" + longSpell.substr(1)).status, 200);
  EXPECT_EQ(served.get("POST", "/", {}).headers.at(0).second, "GET, HEAD");
  // Nothing a GET does writes a file.
  EXPECT_FALSE(std::filesystem::exists("spellbook.txt"));
}

TEST(Serve, HostAndLimits) {
  Served served;
  const std::string big(8200, 'x');
  // clang-format off
  const struct {
    std::vector<std::pair<std::string_view, std::string_view>> headers; int status;
  } cases[] = {
      {{{"Host", "127.0.0.1:8034"}}, 200}, {{{"host", "localhost:8034"}}, 200},
      {{{"Host", "[::1]:8034"}}, 200}, {{{"Host", "evil.example:8034"}}, 403},
      {{{"Host", "127.0.0.1"}}, 403}, {{{"Host", "127.0.0.1:80"}}, 403}, {{{"X", "y"}}, 403},
      {{{"Host", "127.0.0.1:8034"}, {"Host", "127.0.0.1:8034"}}, 403},
      {{{"Host", "127.0.0.1:8034"}, {"X-Long", big}}, 431},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(served.get("GET", "/api/cyphers", c.headers).status, c.status);
  }
  EXPECT_EQ(served.get("GET", "/", {{"Host", kHost}}, std::string(8193, 'b')).status, 413);
  EXPECT_EQ(served.get("GET", "/api/x", {{"Host", "evil:1"}}).body,
            "{\"error\":\"this server answers only to its own address\"}\n");
  served.names.port = 80;  // a browser leaves out port 80
  EXPECT_EQ(served.get("GET", "/", {{"Host", "localhost"}}).status, 200);
}

TEST(Serve, StoringASpell) {
  Served served;
  // clang-format off
  const struct {
    std::string body; const char *type, *origin; int status; const char* answer;
  } cases[] = {
      {"{\"spell\":\"Hello World\"}", "application/json", "", 200, "{\"spell\":\"Hello World\",\"new\":true}\n"},
      {"{\"spell\":\"Hello World\"}", "application/json; charset=utf-8", "http://127.0.0.1:8034", 200,
       "{\"spell\":\"Hello World\",\"new\":false}\n"},
      {"{\"spell\":\"caf\\u00e9\",\"more\":1}", "Application/JSON", "", 200, "{\"spell\":\"café\",\"new\":true}\n"},
      {"{\"spell\":\"x\"}", "text/plain", "", 403, "Content-Type: application/json"},
      {"spell=x", "application/x-www-form-urlencoded", "", 403, "Content-Type: application/json"},
      {"{\"spell\":\"x\"}", "application/json", "http://evil.example", 403, "own pages"},
      {"{\"spell\":\"x\"}", "application/json", "null", 403, "own pages"},
      {"{\"spell\":\"x\"}", "application/json", "http://localhost:8035", 403, "own pages"},
      {"{\"spell\":", "application/json", "", 400, "the body is no JSON"},
      {"{\"spell\":5}", "application/json", "", 400, "no string \\\"spell\\\""},
      {"[\"x\"]", "application/json", "", 400, "no string \\\"spell\\\""},
      {"{\"spell\":\"a\\nb\"}", "application/json", "", 400, "line break is not stored"},
      {"{\"spell\":\"a\\u0000b\"}", "application/json", "", 400, "NUL byte"},
      {"{\"spell\":\"" + std::string(4097, 's') + "\"}", "application/json", "", 400, "longer than 4096"},
      {"{\"spell\":\"\xff\"}", "application/json", "", 400, "the body is no JSON"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body.substr(0, 40));
    const HttpResponse response = served.post(c.body, c.type, c.origin);
    EXPECT_EQ(response.status, c.status);
    EXPECT_EQ(response.contentType, kJson);
    EXPECT_NE(response.body.find(c.answer), std::string::npos) << response.body;
  }
  EXPECT_EQ(readFileText("spellbook.txt"), "Hello World\ncafé\n");
  // The spellbook is read again once it has changed.
  for (const char* against : {"spellbook", "all", "words"}) {
    const std::string match =
        served.get("GET", std::string("/api/match?spell=hello%20world&against=") + against).body;
    EXPECT_EQ(match.find("\"spell\":\"Hello World\"") != std::string::npos,
              std::string(against) != "words")
        << match;
  }
  const ServeState unwritable(Served::words(), Served::cyphers(), "no/such/folder/spellbook.txt");
  EXPECT_EQ(handleRequest(unwritable, served.names,
                          {"POST",
                           "/api/spellbook",
                           {{"Host", kHost}, {"Content-Type", "application/json"}},
                           "{\"spell\":\"x\"}"})
                .status,
            500);
}

TEST(Serve, TargetsAndAddresses) {
  // JSON strings: quotes, backslashes and control characters escaped, a byte
  // that is not UTF-8 as U+FFFD.
  EXPECT_EQ(errorJson("a\"b\\c\n\t\x01\xff\xc3\xa9"),
            "{\"error\":\"a\\\"b\\\\c\\n\\t\\u0001\xef\xbf\xbd\xc3\xa9\"}\n");
  std::string out;
  EXPECT_TRUE(percentDecode("a%20b+c%2B%e2%82%ac", out, true));
  EXPECT_EQ(out, "a b c+\xe2\x82\xac");
  EXPECT_TRUE(percentDecode("a+b", out, false));
  EXPECT_EQ(out, "a+b");
  for (const char* bad : {"%", "%2", "%g0", "a%2"}) EXPECT_FALSE(percentDecode(bad, out, true));
  for (const char* good : {"", "abc", "\xc3\xa9", "\xf0\x9f\x98\x80"}) EXPECT_TRUE(isUtf8(good));
  for (const char* bad : {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80"}) EXPECT_FALSE(isUtf8(bad));
  out.clear();
  appendUrlEncoded(out, "a b/é~");
  EXPECT_EQ(out, "a%20b%2F%C3%A9~");
  // clang-format off
  const struct { const char* text; bool ok; const char* host = ""; uint16_t port = 0; bool loopback = false; } addresses[] = {
      {"", true, "127.0.0.1", 8034, true}, {"0", true, "127.0.0.1", 0, true},
      {"9000", true, "127.0.0.1", 9000, true}, {"localhost:1", true, "127.0.0.1", 1, true},
      {"127.1.2.3:65535", true, "127.1.2.3", 65535, true}, {"[::1]:80", true, "::1", 80, true},
      {"0.0.0.0:8080", true, "0.0.0.0", 8080, false}, {"[::]:8080", true, "::", 8080, false},
      {"65536", false}, {"-1", false}, {"+80", false}, {"host:80", false}, {"::1:80", false},
      {"1.2.3:80", false}, {"127.0.0.1:", false}, {":80", false}, {"123456", false},
  };
  // clang-format on
  for (const auto& c : addresses) {
    SCOPED_TRACE(c.text);
    ListenAddress address;
    ASSERT_EQ(parseListenAddress(c.text, address), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(address.host, c.host);
    EXPECT_EQ(address.port, c.port);
    EXPECT_EQ(address.isLoopback(), c.loopback);
  }
}

}  // namespace
