#include "serve/Address.h"

#include <arpa/inet.h>

#include <cstring>

namespace {

bool parsePort(std::string_view text, uint16_t& port) {
  if (text.empty() || text.size() > 5) return false;
  unsigned value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 65535) return false;
  port = static_cast<uint16_t>(value);
  return true;
}

bool isIpv6(const std::string& host) { return host.find(':') != std::string::npos; }

}  // namespace

bool ListenAddress::isLoopback() const {
  if (isIpv6(host)) {
    in6_addr address;
    return inet_pton(AF_INET6, host.c_str(), &address) == 1 &&
           memcmp(&address, &in6addr_loopback, sizeof address) == 0;
  }
  return host.compare(0, 4, "127.") == 0;
}

bool ListenAddress::isWildcard() const {
  if (isIpv6(host)) {
    in6_addr address;
    return inet_pton(AF_INET6, host.c_str(), &address) == 1 &&
           memcmp(&address, &in6addr_any, sizeof address) == 0;
  }
  return host == "0.0.0.0";
}

std::string ListenAddress::urlHost() const { return isIpv6(host) ? "[" + host + "]" : host; }

bool parseListenAddress(std::string_view text, ListenAddress& address) {
  address = ListenAddress();
  if (text.empty()) return true;
  const size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return parsePort(text, address.port);
  if (!parsePort(text.substr(colon + 1), address.port)) return false;
  std::string host(text.substr(0, colon));
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
    in6_addr v6;
    if (inet_pton(AF_INET6, host.c_str(), &v6) != 1) return false;
  } else if (host == "localhost") {
    host = "127.0.0.1";
  } else {
    in_addr v4;
    if (inet_pton(AF_INET, host.c_str(), &v4) != 1) return false;
  }
  address.host = host;
  return true;
}
