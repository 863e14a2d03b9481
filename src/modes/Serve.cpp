// veriglyph --serve: the local web server is a program of its own,
// veriglyph-serve, started in this process's place. The HTTP library and what
// it links (TLS, compression) are then loaded by the server alone, never by
// the short runs of the other modes, whose start they would slow several times.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "io/Console.h"
#include "modes/Modes.h"

namespace {

// The folder this program was started from.
std::string ownFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string self(path, static_cast<size_t>(length));
  return self.substr(0, self.rfind('/') + 1);
}

}  // namespace

int serveTree(const Invocation& run) {
  const std::string folder = ownFolder();
  // Installed, the server lies in the library folder; in the build tree, beside us.
  const std::string places[] = {folder + VERIGLYPH_SERVE_FROM_BINDIR, folder + "veriglyph-serve"};
  // The server serves the tree this run would use: its root, then the address.
  std::vector<std::string> args{run.tree.root};
  args.insert(args.end(), run.args.begin() + 1, run.args.end());
  int error = ENOENT;
  for (const std::string& place : places) {
    if (folder.empty() || access(place.c_str(), X_OK) != 0) continue;
    std::vector<char*> argv{const_cast<char*>(place.c_str())};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    run.console.flush();
    execv(place.c_str(), argv.data());
    error = errno;
  }
  run.console.format("ERROR: cannot start the server %s: %s\n", places[0].c_str(), strerror(error));
  return kFailure;
}
