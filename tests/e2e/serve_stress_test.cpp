// The server under pressure: POSTs racing command-line runs on one
// spellbook, and a client too slow to finish its request.
#include <gtest/gtest.h>
#include <httplib.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <sstream>

#include "e2e/Scratch.h"
#include "e2e/ServeSupport.h"
#include "e2e/ServerProcess.h"

namespace {

// Asks the server one question from this thread before the test starts its
// own. The HTTP library is a shared library built without ThreadSanitizer, so
// the tables it builds on first use (its set of methods, its patterns) are
// built out of the sanitizer's sight; built here, before any thread shares
// them, in both processes, they are only read afterwards.
void askOnce(const ServerProcess& server) {
  const httplib::Result answer = httplib::Client("127.0.0.1", server.port).Get("/api/cyphers");
  ASSERT_TRUE(answer && answer->status == 200);
}

// Four clients store forty spells, each in its own order, while four others
// run the command line on half of them: every line is whole, each spell is
// there once.
TEST(ServeStress, PostsRaceCommandLineRuns) {
  Scratch scratch;
  writeServeTree(scratch);
  ServerProcess server(scratch.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  askOnce(server);
  std::vector<std::string> spells;
  for (int i = 0; i < 40; ++i) spells.push_back("spell " + std::to_string(i) + " caf\xc3\xa9");
  std::vector<std::thread> runs;
  std::atomic<int> failures{0};
  for (int c = 0; c < 4; ++c) {
    runs.emplace_back([&, c] {
      std::vector<std::string> order(spells);
      std::shuffle(order.begin(), order.end(), std::mt19937(c));
      httplib::Client client("127.0.0.1", server.port);
      for (const std::string& spell : order) {
        const httplib::Result stored =
            client.Post("/api/spellbook", "{\"spell\":\"" + spell + "\"}", "application/json");
        if (!stored || stored->status != 200) ++failures;
      }
    });
    runs.emplace_back([&, c] {
      for (size_t i = c; i < spells.size(); i += 8) {
        if (runVeriglyph(scratch.path(), {spells[i], "ord"}).status != 0) ++failures;
      }
    });
  }
  for (std::thread& run : runs) run.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(server.stop(SIGTERM), 0) << server.err;
  std::map<std::string, int> lines;
  std::istringstream stored(scratch.readFile("spellbook/user_entries.txt"));
  for (std::string line; std::getline(stored, line);) ++lines[line];
  EXPECT_EQ(lines.size(), spells.size());
  for (const std::string& spell : spells) EXPECT_EQ(lines[spell], 1) << spell;
}

// A client that sends its request a header a second is cut off after the
// deadline; others are served meanwhile.
TEST(ServeStress, SlowClientIsCutOff) {
  Scratch scratch;
  writeServeTree(scratch);
  ServerProcess server(scratch.path(), {"--serve", "127.0.0.1:0"});
  ASSERT_TRUE(server.serving()) << server.err;
  askOnce(server);
  const int fd = connectTo(server.port);
  ASSERT_GE(fd, 0);
  const std::string start =
      "GET / HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port) + "\r\n";
  ASSERT_EQ(send(fd, start.data(), start.size(), MSG_NOSIGNAL), static_cast<ssize_t>(start.size()));
  const auto began = std::chrono::steady_clock::now();
  bool cut = false;
  while (!cut && std::chrono::steady_clock::now() - began < std::chrono::seconds(20)) {
    pollfd closed{fd, POLLIN, 0};
    if (poll(&closed, 1, 1000) > 0) {
      char byte;
      cut = recv(fd, &byte, 1, 0) <= 0;
      continue;
    }
    cut = send(fd, "X: y\r\n", 6, MSG_NOSIGNAL) != 6;
    const httplib::Result other = httplib::Client("127.0.0.1", server.port).Get("/api/cyphers");
    EXPECT_TRUE(other && other->status == 200);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  close(fd);
  EXPECT_TRUE(cut);
  EXPECT_GE(seconds, 5.0);  // not before its read time-out
  EXPECT_EQ(server.stop(SIGTERM), 0) << server.err;
}

}  // namespace
