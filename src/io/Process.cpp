#include "io/Process.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "io/ProgressLine.h"
#include "io/TempFiles.h"

namespace process {

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// Only async-signal-safe calls: unlinkat, write, sigaction, raise.
void endBySignal(int signal) {
  temp_files::removeAll();
  clearProgressLineForSignal();
  struct sigaction byDefault = {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  sigaction(signal, &byDefault, nullptr);
  // Delivered once this handler returns and the signal is unblocked.
  raise(signal);
}

}  // namespace

bool repairStandardDescriptors() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor, which is this one: those below are open.
    const int opened = open("/dev/null", O_RDWR);
    if (opened != fd) {
      if (opened >= 0) close(opened);
      return false;
    }
  }
  return true;
}

void handleSignals() {
  signal(SIGXFSZ, SIG_IGN);
  struct sigaction action = {};
  action.sa_handler = endBySignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (int ending : kEndingSignals) sigaddset(&action.sa_mask, ending);
  for (int ending : kEndingSignals) {
    struct sigaction before;
    // A signal the run was started with ignored stays ignored (a background
    // job, or a caller that wants EPIPE instead of SIGPIPE).
    if (sigaction(ending, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(ending, &action, nullptr);
  }
}

}  // namespace process
