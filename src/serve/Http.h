#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A request as the handler reads it, whatever carried it.
struct HttpRequest {
  std::string_view method;
  std::string_view target;  // as sent: the path, then "?" and the query
  std::vector<std::pair<std::string_view, std::string_view>> headers;
  std::string_view body;

  // The value of the first header of that name (any case), or null; count
  // tells how many there are.
  const std::string_view* header(std::string_view name, size_t* count = nullptr) const;
};

struct HttpResponse {
  int status = 200;
  std::string_view contentType;
  std::string body;
  // Or a body sent from where it was made, kept there by its lender until it
  // has been sent, instead of copied (a page of the set is a hundred KB).
  std::shared_ptr<const void> lender;
  std::string_view lentBody;
  std::vector<std::pair<std::string_view, std::string_view>> headers;  // besides the type

  std::string_view content() const { return lender != nullptr ? lentBody : body; }
};

// The limits of a request.
inline constexpr size_t kMostHeadBytes = 8192;  // the request line and the headers
inline constexpr size_t kMostBodyBytes = 8192;
inline constexpr size_t kMostSpellBytes = 4096;  // a spell or the search terms

// The names the server answers to, against DNS rebinding: a request whose
// Host is none of them, with the port, is refused.
struct ServerNames {
  std::vector<std::string> hosts;  // as a Host header writes them ("[::1]" for IPv6)
  uint16_t port = 0;
};
