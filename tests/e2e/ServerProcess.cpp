#include "e2e/ServerProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>

#include "e2e/Scratch.h"

namespace {

using Clock = std::chrono::steady_clock;

void drain(int fd, std::string& into) {
  char buffer[65536];
  ssize_t count;
  while ((count = read(fd, buffer, sizeof buffer)) > 0) into.append(buffer, count);
}

}  // namespace

ServerProcess::ServerProcess(const std::string& folder, const std::vector<std::string>& args) {
  RunOptions untimed;  // stopped by the test, however long it takes
  untimed.timeLimit = 0;
  const Started started = startVeriglyph(folder, args, untimed);
  pid = started.pid, outPipe = started.out, errPipe = started.err;
  outReader = std::thread([this] { drain(outPipe, out); });
  // The start line, read byte by byte so that nothing after it is taken.
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (Clock::now() < deadline) {
    pollfd ready{errPipe, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) continue;
    char c;
    if (read(errPipe, &c, 1) != 1) break;
    startLine += c;
    if (c != '\n') continue;
    std::smatch found;
    static const std::regex kStart("^veriglyph: serving http://[^ ]*:([0-9]+)/ .*\n$");
    if (std::regex_match(startLine, found, kStart)) {
      port = std::stoi(found[1]);
      break;
    }
    err += startLine;  // a line before it, such as a warning
    startLine.clear();
  }
  errReader = std::thread([this] { drain(errPipe, err); });
}

int ServerProcess::stop(int signal) {
  if (!ended) {
    const auto start = Clock::now();
    kill(pid, signal);
    int raw = 0;
    waitpid(pid, &raw, 0);
    stopSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    ended = true;
    outReader.join();
    errReader.join();
    close(outPipe);
    close(errPipe);
  }
  return status;
}

ServerProcess::~ServerProcess() {
  if (!ended) stop(SIGKILL);
}
