// The server's answers without sockets: status, type and body of every route
// and every refusal, as handleRequest gives them.
#include <nlohmann/json.hpp>

#include "DataTable.h"
#include "TestSupport.h"
#include "cyphers/CypherFile.h"
#include "cyphers/CypherSet.h"
#include "serve/Address.h"
#include "serve/Api.h"
#include "serve/Handler.h"
#include "serve/JsonWriter.h"
#include "serve/ServeState.h"
#include "serve/Url.h"
#include "wordlist/Dictionary.h"

namespace {

constexpr const char* kHost = "127.0.0.1:8034";
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
  const std::string longSpell(4097, 'a');
  for (const Row& c : dataRows("serve-routes.tsv")) {
    SCOPED_TRACE(c[0] + " " + c[1]);
    const HttpResponse response = served.get(c[0], c[1]);
    EXPECT_EQ(std::to_string(response.status), c[2]);
    EXPECT_EQ(response.contentType, c[3]);
    EXPECT_NE(response.content().find(c[4]), std::string::npos)
        << response.content().substr(0, 400);
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
  // HEADERS: "Name: value", one a line.
  for (const Row& c : dataRows("serve-hosts.tsv")) {
    const std::vector<std::string> lines = split(c[0], '\n');
    std::vector<std::pair<std::string_view, std::string_view>> headers;
    for (std::string_view line : lines)
      headers.emplace_back(line.substr(0, line.find(": ")), line.substr(line.find(": ") + 2));
    EXPECT_EQ(std::to_string(served.get("GET", "/api/cyphers", headers).status), c[1]) << c[0];
  }
  EXPECT_EQ(served.get("GET", "/api/cyphers", {{"Host", kHost}, {"X-Long", std::string(8200, 'x')}})
                .status,
            431);
  EXPECT_EQ(served.get("GET", "/", {{"Host", kHost}}, std::string(8193, 'b')).status, 413);
  EXPECT_EQ(served.get("GET", "/api/x", {{"Host", "evil:1"}}).body,
            "{\"error\":\"this server answers only to its own address\"}\n");
  served.names.port = 80;  // a browser leaves out port 80
  EXPECT_EQ(served.get("GET", "/", {{"Host", "localhost"}}).status, 200);
}

TEST(Serve, StoringASpell) {
  Served served;
  std::vector<Row> cases = dataRows("serve-store.tsv");
  cases.push_back(
      {"{\"spell\":\"" + std::string(4097, 's') + "\"}", kJson, "", "400", "longer than 4096"});
  for (const Row& c : cases) {
    SCOPED_TRACE(c[0].substr(0, 40));
    const HttpResponse response = served.post(c[0], c[1], c[2]);
    EXPECT_EQ(std::to_string(response.status), c[3]);
    EXPECT_EQ(response.contentType, kJson);
    EXPECT_NE(response.content().find(c[4]), std::string::npos) << response.content();
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
  for (const Row& c : dataRows("serve-addresses.tsv")) {
    SCOPED_TRACE(c[0]);
    ListenAddress address;
    ASSERT_EQ(parseListenAddress(c[0], address), c[1] == "ok");
    if (c[1] != "ok") continue;
    EXPECT_EQ(address.host, c[2]);
    EXPECT_EQ(std::to_string(address.port), c[3]);
    EXPECT_EQ(address.isLoopback(), c[4] == "loopback");
  }
}

// A string goes into JSON as the JSON library writes it, whatever its bytes
// and wherever the byte that needs care lies: every byte alone, and each of
// those that need care at every place of texts of up to 20 bytes.
TEST(JsonWriter, StringsAsTheJsonLibraryWritesThem) {
  const auto library = [](const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  };
  const auto written = [](const std::string& text) {
    std::string out;
    JsonWriter(out).value(text);
    return out;
  };
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(written(text), library(text)) << byte;
  }
  for (const char special : {'"', '\\', '\n', '\x1f', '\x7f', '\x80', '\xc3', '\xff'}) {
    for (size_t size = 0; size <= 20; ++size) {
      for (size_t at = 0; at < size; ++at) {
        std::string text(size, 'a');
        text[at] = special;
        EXPECT_EQ(written(text), library(text)) << int(special) << " " << size << " " << at;
      }
    }
  }
  EXPECT_EQ(written("caf\xc3\xa9 \"x\""), library("caf\xc3\xa9 \"x\""));
  EXPECT_EQ(written(""), "\"\"");
}

}  // namespace
