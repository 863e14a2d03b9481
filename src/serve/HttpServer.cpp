#include "serve/HttpServer.h"

#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include <httplib.h>

#include "serve/ConnectionWatch.h"
#include "serve/Handler.h"

namespace {

// The library's pool of workers, bounded: a connection that finds every
// worker busy and kMostWaiting others waiting is told 503 and closed.
class WorkerPool : public httplib::TaskQueue {
 public:
  WorkerPool() {
    for (size_t i = 0; i < HttpServer::kWorkers; ++i) threads.emplace_back([this] { work(); });
  }

  void enqueue(std::function<void()> connection) override {
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (waiting.size() < HttpServer::kMostWaiting) {
        waiting.push_back(std::move(connection));
        ready.notify_one();
        return;
      }
    }
    static constexpr char kBusy[] =
        "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    const int fd = connection_watch::lastAccepted();
    send(fd, kBusy, sizeof kBusy - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_RDWR);
    connection();  // finds the connection ended at once, and closes it
  }

  void shutdown() override {
    connection_watch::stop(HttpServer::kGraceSeconds);
    {
      std::lock_guard<std::mutex> lock(mutex);
      ending = true;
    }
    ready.notify_all();
    for (std::thread& thread : threads) thread.join();
    connection_watch::finish();
  }

 private:
  void work() {
    for (;;) {
      std::function<void()> connection;
      {
        std::unique_lock<std::mutex> lock(mutex);
        ready.wait(lock, [this] { return ending || !waiting.empty(); });
        if (waiting.empty()) return;
        connection = std::move(waiting.front());
        waiting.pop_front();
      }
      connection();
    }
  }

  std::mutex mutex;
  std::condition_variable ready;
  std::deque<std::function<void()>> waiting;
  bool ending = false;
  std::vector<std::thread> threads;
};

const char* reasonFor(int status) {
  switch (status) {
    case 413:
      return "the body is longer than 8 KiB";
    case 414:
      return "the request target is longer than 8 KiB";
    case 404:
      return "no such page";
    case 500:
      return "the server failed to answer";
    default:
      return "the request could not be read";
  }
}

// Every address of the machine's interfaces, as a Host header names them.
void addInterfaceNames(std::vector<std::string>& hosts) {
  ifaddrs* interfaces = nullptr;
  if (getifaddrs(&interfaces) != 0) return;
  for (const ifaddrs* at = interfaces; at != nullptr; at = at->ifa_next) {
    if (at->ifa_addr == nullptr) continue;
    const int family = at->ifa_addr->sa_family;
    if (family != AF_INET && family != AF_INET6) continue;
    char name[NI_MAXHOST];
    const socklen_t size = family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6);
    if (getnameinfo(at->ifa_addr, size, name, sizeof name, nullptr, 0, NI_NUMERICHOST) != 0) {
      continue;
    }
    hosts.push_back(family == AF_INET ? name : "[" + std::string(name) + "]");
  }
  freeifaddrs(interfaces);
}

}  // namespace

// The library's server, with a longer queue of new connections than its own.
class HttpServer::Engine : public httplib::Server {
 public:
  void widenBacklog() { ::listen(svr_sock_, 128); }
};

HttpServer::HttpServer(const ServeState& state) : state(state), engine(new Engine) {
  const httplib::Server::Handler respond = [this](const httplib::Request& in,
                                                  httplib::Response& out) {
    connection_watch::answering();
    HttpRequest request{in.method, in.target, {}, in.body};
    request.headers.reserve(in.headers.size());
    for (const auto& [name, value] : in.headers) request.headers.emplace_back(name, value);
    HttpResponse response = handleRequest(this->state, names, request);
    // A request for parts of a whole answer gets them as such (the library
    // cuts them out, or refuses ranges outside the body with 416).
    const bool ranged = !in.ranges.empty();
    out.status = response.status == 200 && ranged ? 206 : response.status;
    if (response.lender != nullptr && !response.lentBody.empty() && !ranged) {
      // Sent from the lender's memory, which the provider keeps until the
      // library lets go of it with the response. (The library does not check
      // the ranges it asks a provider for: those take the copy below.)
      out.set_content_provider(response.lentBody.size(), std::string(response.contentType),
                               [lender = response.lender, body = response.lentBody](
                                   size_t offset, size_t length, httplib::DataSink& sink) {
                                 return sink.write(body.data() + offset, length);
                               });
    } else {
      out.body =
          response.lender != nullptr ? std::string(response.lentBody) : std::move(response.body);
      out.set_header("Content-Type", std::string(response.contentType));
    }
    for (const auto& [name, value] : response.headers) {
      out.set_header(std::string(name), std::string(value));
    }
  };
  // GET and HEAD are answered before the library's routing; the methods that
  // carry a body once it is read.
  engine->set_pre_routing_handler([respond](const httplib::Request& in, httplib::Response& out) {
    const std::string& method = in.method;
    if (method == "POST" || method == "PUT" || method == "PATCH" || method == "DELETE") {
      return httplib::Server::HandlerResponse::Unhandled;
    }
    respond(in, out);
    return httplib::Server::HandlerResponse::Handled;
  });
  engine->Post(".*", respond).Put(".*", respond).Patch(".*", respond).Delete(".*", respond);
  // The library's own refusals (a target or body too long, a malformed
  // request) get the body the handler gives its errors.
  engine->set_error_handler(
      httplib::Server::HandlerWithResponse([](const httplib::Request& in, httplib::Response& out) {
        if (!out.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
        HttpResponse response = errorResponse(in.path, out.status, reasonFor(out.status));
        out.body = std::move(response.body);
        out.set_header("Content-Type", std::string(response.contentType));
        return httplib::Server::HandlerResponse::Handled;
      }));
  engine->set_exception_handler(
      [](const httplib::Request& in, httplib::Response& out, std::exception_ptr) {
        out.status = 500;
        HttpResponse response = errorResponse(in.path, 500, reasonFor(500));
        out.body = std::move(response.body);
        out.set_header("Content-Type", std::string(response.contentType));
      });
  engine->set_logger(
      [](const httplib::Request&, const httplib::Response&) { connection_watch::answered(); });
  httplib::Headers common;
  for (const auto& [name, value] : kCommonHeaders) common.emplace(name, value);
  engine->set_default_headers(common);
  engine->new_task_queue = [] { return new WorkerPool; };
  // The library would also share the port with any other server of the user
  // (SO_REUSEPORT), which then takes some of its connections: a port in use
  // is an error instead.
  engine->set_socket_options([](socket_t sock) {
    const int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  engine->set_keep_alive_max_count(1000);
  engine->set_keep_alive_timeout(5);
  engine->set_read_timeout(5);
  engine->set_write_timeout(5);
  engine->set_payload_max_length(kMostBodyBytes);
  engine->set_tcp_nodelay(true);
}

HttpServer::~HttpServer() = default;

bool HttpServer::bind(const ListenAddress& address, uint16_t& port, std::string& error) {
  errno = 0;
  int bound = address.port;
  if (address.port == 0) {
    bound = engine->bind_to_any_port(address.host);
  } else if (!engine->bind_to_port(address.host, address.port)) {
    bound = -1;
  }
  if (bound <= 0) {
    error = errno != 0 ? strerror(errno) : "the address cannot be had";
    return false;
  }
  engine->widenBacklog();
  port = static_cast<uint16_t>(bound);
  names.port = port;
  names.hosts = {address.urlHost(), "localhost", "127.0.0.1"};
  if (address.isWildcard()) addInterfaceNames(names.hosts);
  return true;
}

bool HttpServer::run() {
  connection_watch::start();
  const bool ended = stopping || engine->listen_after_bind();
  // Ending its pool of workers ended the watch; unless it never began.
  connection_watch::stop(0);
  connection_watch::finish();
  return ended || stopping;
}

void HttpServer::stop() {
  stopping = true;
  engine->stop();
}
