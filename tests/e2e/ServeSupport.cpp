#include "e2e/ServeSupport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "e2e/Scratch.h"

namespace fs = std::filesystem;

void writeServeTree(Scratch& scratch) {
  scratch.writeWordList(
      {"hello", "world", "Hello", "legman", "caf\xc3\xa9", "a<b>&\"c%#?", "zz top", "hello"});
  scratch.writeFile("spellbook/Cyphers/vowels.txt", "name: Vowels\ntags: vow\nAa 1\nEe 5\n");
}

std::string treeListing(const Scratch& scratch) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(scratch.path())) {
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), scratch.path()).string());
  }
  std::string listing;
  for (const std::string& file : files) listing += file + "\n";
  return listing;
}

std::string serveTreeListing() {
  Scratch fresh;
  writeServeTree(fresh);
  return treeListing(fresh);
}

std::string setPath(const std::string& spell) {
  const auto encoded = [](const std::string& text) {
    std::string out;
    char code[4];
    for (const unsigned char c : text) {
      if (isalnum(c)) {
        out += static_cast<char>(c);
      } else {
        snprintf(code, sizeof code, "%%%02X", c);
        out += code;
      }
    }
    return out;
  };
  return "/set/" + encoded(spell.substr(0, 1)) + "/match_" + encoded(spell) + ".htm";
}

std::string resolveSetLink(const std::string& from, const std::string& href) {
  std::string link = href;  // "&amp;" read last, so that "&amp;lt;" stays "&lt;"
  for (const auto& [name, c] :
       {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (size_t at = 0; (at = link.find(name, at)) != std::string::npos; ++at)
      link.replace(at, strlen(name), c);
  }
  const bool up = link.compare(0, 3, "../") == 0;  // else in from's folder, "/set/c/"
  return (up ? "/set/" : from.substr(0, from.rfind('/') + 1)) + link.substr(up ? 3 : 0);
}

int connectTo(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
  close(fd);
  return -1;
}

size_t sendRaw(int port, const std::string& head, size_t limit) {
  const int fd = connectTo(port);
  size_t sent = 0;
  if (send(fd, head.data(), head.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(head.size())) {
    const std::string chunk(65536, 'y');
    while (sent < limit) {
      const ssize_t count = send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL);
      if (count <= 0) break;
      sent += static_cast<size_t>(count);
    }
  }
  close(fd);
  return sent;
}
