// veriglyph-serve ROOT [[ADDR:]PORT]: the web server that veriglyph --serve
// starts in its place, for the tree below ROOT ("" for the folder it runs
// in). It reads the word list and the own cyphers once, the spellbook again
// whenever it changes, and serves until SIGINT or SIGTERM.
#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "modes/Tree.h"
#include "serve/Address.h"
#include "serve/HttpServer.h"
#include "serve/ServeState.h"
#include "wordlist/Dictionary.h"

namespace {

// Colour unless NO_COLOR is set and not empty, as for every mode.
bool wantsColour() {
  const char* noColour = getenv("NO_COLOR");
  return noColour == nullptr || noColour[0] == '\0';
}

// The signals that stop the server, blocked in every thread (the threads
// started later inherit it) and taken by one.
sigset_t blockStopSignals() {
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  return stopSignals;
}

// Serves until a stop signal: one thread waits for it and stops the server,
// again until the server has stopped (a stop asked for just before it began
// to listen would otherwise be missed). True when serving ended well.
bool serveUntilStopped(HttpServer& server, const sigset_t& stopSignals) {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  std::thread stopper([&] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::unique_lock<std::mutex> lock(mutex);
    do {
      server.stop();
    } while (!ended.wait_for(lock, std::chrono::milliseconds(20), [&] { return done; }));
  });
  const bool served = server.run();
  {
    std::lock_guard<std::mutex> lock(mutex);
    done = true;
  }
  ended.notify_all();
  // The stopper waits for a signal unless one came: send it one.
  pthread_kill(stopper.native_handle(), SIGTERM);
  stopper.join();
  return served;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: veriglyph --serve [[ADDR:]PORT]\n");
    return 2;
  }
  ListenAddress address;
  if (!parseListenAddress(argc == 3 ? argv[2] : "", address)) {
    fprintf(stderr,
            "veriglyph: --serve: \"%s\" is no [[ADDR:]PORT] (a numeric address, and a port from "
            "0 to 65535)\n",
            argv[2]);
    return 2;
  }
  // A client gone before its answer is written must not end the server.
  signal(SIGPIPE, SIG_IGN);
  // A signal during the loading waits for the thread that takes it.
  const sigset_t stopSignals = blockStopSignals();

  Console console(stdout, Palette(wantsColour()));
  const Tree tree = Tree::below(argv[1]);
  CypherSet cyphers;
  std::string error;
  if (!cyphers.readOwn(tree.cyphers, error)) {
    console.line(error);
    return 1;
  }
  Dictionary words;
  if (!loadWordList(words, tree.wordList, console)) {
    console.line("ERROR: failed to load dictionary files for matching operation.");
    return 1;
  }
  console.flush();
  const ServeState state(std::move(words), std::move(cyphers), tree.userSpellbook);

  HttpServer server(state);
  uint16_t port = 0;
  if (!server.bind(address, port, error)) {
    console.format("ERROR: cannot listen on %s:%u: %s\n", address.urlHost().c_str(),
                   static_cast<unsigned>(address.port), error.c_str());
    return 1;
  }
  if (!address.isLoopback()) {
    fprintf(stderr,
            "veriglyph: warning: %s is not a loopback address: anyone who can reach it can read "
            "the word list and the spellbook\n",
            address.urlHost().c_str());
  }
  fprintf(stderr, "veriglyph: serving http://%s:%u/ (%zu words, %zu cyphers); Ctrl-C stops\n",
          address.urlHost().c_str(), static_cast<unsigned>(port), state.words().size(),
          state.cyphers().all().size());
  fflush(stderr);
  const bool served = serveUntilStopped(server, stopSignals);
  console.flush();
  return served ? 0 : 1;
}
