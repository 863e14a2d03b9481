#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Where the server listens.
struct ListenAddress {
  std::string host = "127.0.0.1";  // a numeric IPv4 or IPv6 address
  uint16_t port = 8034;            // 0: any free port

  bool isLoopback() const;
  bool isWildcard() const;  // 0.0.0.0 or ::, every address of the machine
  // The host as a URL and a Host header write it: an IPv6 address in brackets.
  std::string urlHost() const;
};

// Reads "[[ADDR:]PORT]": nothing for the defaults, a port alone, or a numeric
// address (an IPv6 one in brackets, or "localhost" for 127.0.0.1) and a port.
// False when it is none of these.
bool parseListenAddress(std::string_view text, ListenAddress& address);
