#include "e2e/ServerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

void drain(int fd, std::string& into) {
  char buffer[65536];
  ssize_t count;
  while ((count = read(fd, buffer, sizeof buffer)) > 0) into.append(buffer, count);
}

}  // namespace

ServerProcess::ServerProcess(const std::string& folder, const std::vector<std::string>& args) {
  std::string program = VERIGLYPH_BINARY;
  std::vector<std::string> copies(args);
  std::vector<char*> argv{program.data()};
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int outPair[2], errPair[2];
  if (pipe2(outPair, O_CLOEXEC) != 0 || pipe2(errPair, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int input = open("/dev/null", O_RDONLY);
    dup2(input, 0);
    dup2(outPair[1], 1);
    dup2(errPair[1], 2);
    if (chdir(folder.c_str()) != 0) _exit(126);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(outPair[1]);
  close(errPair[1]);
  outPipe = outPair[0];
  errPipe = errPair[0];
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
