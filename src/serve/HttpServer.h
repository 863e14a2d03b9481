#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "serve/Address.h"
#include "serve/Http.h"

class ServeState;

// The server's HTTP layer over cpp-httplib: it binds, hands every request to
// handleRequest, and stops when asked, letting the requests in flight end.
class HttpServer {
 public:
  explicit HttpServer(const ServeState& state);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Takes the address; port tells the port taken (the system's choice for
  // port 0). False, with the reason, when it cannot be had.
  bool bind(const ListenAddress& address, uint16_t& port, std::string& error);
  // Serves until stop(): then no connection is taken any more, and the
  // requests being answered get at most two seconds to end. False when the
  // server stopped by itself, on an error.
  bool run();
  // Any thread may call it, any number of times, before or during run().
  void stop();

  // Requests being answered get this long to end once stop() is called.
  static constexpr int kGraceSeconds = 2;
  // Workers, and connections that may wait for one; more are turned away.
  static constexpr size_t kWorkers = 32, kMostWaiting = 64;

 private:
  class Engine;
  const ServeState& state;
  ServerNames names;
  std::unique_ptr<Engine> engine;
  std::atomic<bool> stopping{false};
};
