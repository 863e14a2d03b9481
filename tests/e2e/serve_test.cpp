// veriglyph --serve over real sockets, in a scratch tree: every route with an
// HTTP client, the pages of the set against --html's files, the refusals, the
// start faults, and the stop.
#include <gtest/gtest.h>
#include <httplib.h>

#include <csignal>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <tuple>

#include "DataTable.h"
#include "e2e/Scratch.h"
#include "e2e/ServeSupport.h"
#include "e2e/ServerProcess.h"

namespace {

TEST(Serve, EveryRouteOverHttp) {
  Scratch scratch;
  writeServeTree(scratch);
  ServerProcess server(scratch.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  EXPECT_TRUE(std::regex_match(server.startLine,
                               std::regex("veriglyph: serving http://127\\.0\\.0\\.1:[0-9]+/ "
                                          "\\(8 words, 22 cyphers\\); Ctrl-C stops\n")))
      << server.startLine;
  httplib::Client client("127.0.0.1", server.port);
  for (const Row& c : dataRows("serve-http-routes.tsv")) {
    SCOPED_TRACE(c[0]);
    const httplib::Result result = client.Get(c[0]);
    ASSERT_TRUE(result) << httplib::to_string(result.error());
    EXPECT_EQ(std::to_string(result->status), c[1]);
    EXPECT_EQ(result->get_header_value("Content-Type"), c[2]);
    EXPECT_EQ(result->get_header_value("X-Content-Type-Options"), "nosniff");
    EXPECT_NE(result->get_header_value("Content-Security-Policy").find("default-src 'none'"),
              std::string::npos);
    EXPECT_NE(result->body.find(c[3]), std::string::npos) << result->body.substr(0, 300);
  }
  const httplib::Result head = client.Head("/");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 200);
  EXPECT_TRUE(head->body.empty());
  EXPECT_NE(head->get_header_value("Content-Length"), "0");
  // A page of the set whole, its head, and parts of it: a part is a 206, and
  // a range past its end is refused.
  const std::string page = "/set/h/match_hello.htm";
  const httplib::Result whole = client.Get(page);
  ASSERT_TRUE(whole);
  const httplib::Result pageHead = client.Head(page);
  ASSERT_TRUE(pageHead);
  EXPECT_EQ(pageHead->status, 200);
  EXPECT_TRUE(pageHead->body.empty());
  EXPECT_EQ(pageHead->get_header_value("Content-Length"), std::to_string(whole->body.size()));
  for (const auto& [range, status, bytes] :
       {std::tuple<std::string, int, std::string>{"bytes=0-20", 206, whole->body.substr(0, 21)},
        {"bytes=-5", 206, whole->body.substr(whole->body.size() - 5)},
        {"bytes=10000000-", 416, ""}}) {
    SCOPED_TRACE(range);
    for (const std::string& path : {page, std::string("/api/totals?spell=hello")}) {
      const httplib::Result part = client.Get(path, {{"Range", range}});
      ASSERT_TRUE(part);
      EXPECT_EQ(part->status, status);
      if (path == page) {
        EXPECT_EQ(part->body, bytes);
      }
    }
  }
  const httplib::Result stored =
      client.Post("/api/spellbook", "{\"spell\":\"Hello World\"}", "application/json");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->body, "{\"spell\":\"Hello World\",\"new\":true}\n");
  EXPECT_EQ(server.stop(SIGINT), 0);
  EXPECT_EQ(server.out,
            std::string("Loading dictionary file (") + kWordListRelative + ")...Done.\n");
  EXPECT_EQ(server.err, "");
  // The one file written: the spell stored by the POST.
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "Hello World\n");
  EXPECT_EQ(treeListing(scratch), serveTreeListing() + "spellbook/user_entries.txt\n");
}

// A page of the set is the file --html writes, for a spell of the list and
// one that is not, plain, UTF-8 and escaped; its links lead to pages too.
TEST(Serve, SetPagesAreTheBytesOfHtml) {
  Scratch served, written;
  writeServeTree(served);
  writeServeTree(written);
  ServerProcess server(served.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  httplib::Client client("127.0.0.1", server.port);
  for (const std::string spell :
       {"hello", "Hello World", "caf\xc3\xa9", "a<b>&\"c%#?", "\xc3\xa9t\xc3\xa9", "zz top"}) {
    SCOPED_TRACE(spell);
    std::filesystem::create_directories(written.at("spellbook/ResultsHTML/" + spell.substr(0, 1)));
    ASSERT_EQ(runVeriglyph(written.path(), {"--html", spell}).status, 0);
    const std::string file =
        "spellbook/ResultsHTML/" + spell.substr(0, 1) + "/match_" + spell + ".htm";
    const httplib::Result page = client.Get(setPath(spell));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->body, written.readFile(file));
    // Every link of the page, resolved as a browser would, is a page of the set.
    static const std::regex kLink("href=\"([^\"]*)\"");
    for (auto at = std::sregex_iterator(page->body.begin(), page->body.end(), kLink);
         at != std::sregex_iterator(); ++at) {
      const httplib::Result linked = client.Get(resolveSetLink(setPath(spell), (*at)[1]));
      ASSERT_TRUE(linked);
      EXPECT_EQ(linked->status, 200) << (*at)[1];
    }
  }
  EXPECT_EQ(server.stop(SIGTERM), 0);
  // Nothing served was written, nor archived.
  EXPECT_EQ(treeListing(served), serveTreeListing());
  EXPECT_EQ(server.err, "");
}

TEST(Serve, RefusalsOverHttp) {
  Scratch scratch;
  writeServeTree(scratch);
  ServerProcess server(scratch.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  httplib::Client client("127.0.0.1", server.port);
  const auto status = [](const httplib::Result& result) { return result ? result->status : -1; };
  EXPECT_EQ(status(client.Get("/", {{"Host", "evil.example"}})), 403);
  EXPECT_EQ(status(client.Get("/", {{"Host", "localhost:" + std::to_string(server.port)}})), 200);
  EXPECT_EQ(status(client.Post("/api/spellbook", "{\"spell\":\"x\"}", "text/plain")), 403);
  EXPECT_EQ(status(client.Post("/api/spellbook", {{"Origin", "http://evil.example"}},
                               "{\"spell\":\"x\"}", "application/json")),
            403);
  const std::string part(3000, 'x');
  EXPECT_EQ(status(client.Get("/", {{"X-A", part}, {"X-B", part}, {"X-C", part}})), 431);
  EXPECT_EQ(status(client.Get("/", {{"X-Long", std::string(8300, 'x')}})), 400);
  EXPECT_EQ(status(client.Post("/api/spellbook", std::string(9000, ' '), "application/json")), 413);
  EXPECT_EQ(status(client.Get("/api/totals?spell=" + std::string(9000, 'a'))), 414);
  EXPECT_EQ(status(client.Get("/api/totals?spell=" + std::string(4097, 'a'))), 400);
  // A header that never ends is cut off once past the budget, not read on
  // into memory; the server goes on.
  constexpr size_t kFlood = size_t{64} << 20;
  EXPECT_LT(sendRaw(server.port, "GET / HTTP/1.1\r\nHost: x\r\nX: ", kFlood), kFlood);
  EXPECT_EQ(status(client.Get("/api/cyphers")), 200);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  EXPECT_EQ(server.stop(SIGTERM), 0);
}

// The faults that keep it from starting at all are case folders (serve-*).
TEST(Serve, StartFaults) {
  Scratch scratch;
  writeServeTree(scratch);
  {  // A port in use.
    ServerProcess first(scratch.path(), {"--serve", "127.0.0.1:0"});
    ASSERT_TRUE(first.serving());
    const std::string taken = "127.0.0.1:" + std::to_string(first.port);
    const RunResult second = runVeriglyph(scratch.path(), {"--serve", taken});
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.out.find("ERROR: cannot listen on " + taken + ": Address already in use"),
              std::string::npos)
        << second.out;
  }
  {  // Every address: served, with the warning before the start line.
    ServerProcess open(scratch.path(), {"--serve", "0.0.0.0:0"});
    ASSERT_TRUE(open.serving());
    EXPECT_EQ(open.err,
              "veriglyph: warning: 0.0.0.0 is not a loopback address: anyone who can "
              "reach it can read the word list and the spellbook\n");
    EXPECT_EQ(open.stop(SIGTERM), 0);
  }
  // A veriglyph without its server beside it says so.
  const std::string alone = scratch.at("bin/veriglyph");
  std::filesystem::create_directories(scratch.at("bin"));
  std::filesystem::copy_file(kVeriglyphBinary, alone);
  RunOptions copy;
  copy.program = alone;
  const RunResult run = runVeriglyph(scratch.path(), {"--serve"}, copy);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(
      std::regex_match(run.out, std::regex("ERROR: cannot start the server " + scratch.at("bin/") +
                                           "\\.\\./.*/veriglyph-serve: No such file or "
                                           "directory\n")))
      << run.out;
}

// Stopped while clients keep asking: it ends soon, with status 0, and every
// answer a client got was whole.
TEST(Serve, SigtermUnderLoad) {
  Scratch scratch;
  writeServeTree(scratch);
  ServerProcess server(scratch.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  const std::string expected =
      httplib::Client("127.0.0.1", server.port).Get("/set/h/match_hello.htm")->body;
  std::atomic<bool> going{true};
  std::atomic<int> whole{0}, torn{0};
  std::vector<std::thread> clients;
  for (int c = 0; c < 8; ++c) {
    clients.emplace_back([&] {
      httplib::Client client("127.0.0.1", server.port);
      client.set_connection_timeout(2);
      client.set_read_timeout(5);
      while (going) {
        const httplib::Result page = client.Get("/set/h/match_hello.htm");
        if (!page) continue;  // refused or cut: the server is going
        (page->status == 200 && page->body == expected ? whole : torn)++;
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(server.stop(SIGTERM), 0);
  EXPECT_LT(server.stopSeconds, 3.0);
  going = false;
  for (std::thread& client : clients) client.join();
  EXPECT_GT(whole, 0);
  EXPECT_EQ(torn, 0);
}

}  // namespace
