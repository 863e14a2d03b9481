// Runs one command and reports its wall time, CPU time and peak memory, for
// bench/run.sh. Unlike GNU time it adds no second program start to the
// figure: the clock runs from just before fork() to the child's exit, and
// the runner itself is small enough that its pages do not show in the
// child's peak.
//
// usage: veriglyph_measure RESULT_FILE COMMAND [ARGS...]
// The command inherits standard input, output and error. RESULT_FILE gets
// one line: wall ms, user ms, system ms (three decimals), peak RSS in KiB and
// the exit status (128 + N for a command killed by signal N; 127 when it
// could not be started). The runner's own status is 0 once that line is
// written.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double msOf(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

double nowMs() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: %s RESULT_FILE COMMAND [ARGS...]\n", argv[0]);
    return 2;
  }
  FILE* result = fopen(argv[1], "w");
  if (result == nullptr) {
    fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], strerror(errno));
    return 2;
  }
  const double start = nowMs();
  const pid_t child = fork();
  if (child < 0) {
    fprintf(stderr, "%s: fork: %s\n", argv[0], strerror(errno));
    return 2;
  }
  if (child == 0) {
    execvp(argv[2], argv + 2);
    fprintf(stderr, "%s: cannot run %s: %s\n", argv[0], argv[2], strerror(errno));
    _exit(127);
  }
  int status = 0;
  rusage usage;
  while (wait4(child, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      fprintf(stderr, "%s: wait4: %s\n", argv[0], strerror(errno));
      return 2;
    }
  }
  const double wall = nowMs() - start;
  const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  fprintf(result, "%.3f %.3f %.3f %ld %d\n", wall, msOf(usage.ru_utime), msOf(usage.ru_stime),
          usage.ru_maxrss, exitStatus);
  return fclose(result) == 0 ? 0 : 2;
}
