// The program's entry: the one place that reads the environment. It makes the
// process safe to run in (standard descriptors, signals), picks the mode from
// the switch table and hands it the arguments, the tree, the thread count and
// the console; running out of memory anywhere ends the run with an error.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "io/Console.h"
#include "io/Process.h"
#include "modes/Modes.h"
#include "modes/Switches.h"

namespace {

// Colour unless NO_COLOR is set and not empty.
bool wantsColour() {
  const char* noColour = getenv("NO_COLOR");
  return noColour == nullptr || noColour[0] == '\0';
}

// How many threads write the page set: VERIGLYPH_JOBS when it is a positive
// whole number, otherwise one per online CPU.
unsigned jobs() {
  if (const char* setting = getenv("VERIGLYPH_JOBS")) {
    char* end = nullptr;
    const unsigned long jobs = strtoul(setting, &end, 10);
    if (end != setting && *end == '\0' && jobs > 0 && jobs <= 1024) {
      return static_cast<unsigned>(jobs);
    }
  }
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<unsigned>(online) : 1;
}

// Picks the mode and runs it.
int run(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const Switch* usage = nullptr;
  const Mode mode = selectMode(args, &usage);
  if (mode == nullptr) {
    fprintf(stderr, "usage: veriglyph %s%s%s\n", std::string(usage->spellings[0]).c_str(),
            usage->operand.empty() ? "" : " ", std::string(usage->operand).c_str());
    return kUsage;
  }
  Console console(stdout, Palette(wantsColour()));
  const Tree tree = Tree::below("");
  return mode({args, tree, jobs(), console});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 1) return kSuccess;  // not even a program name: nothing asked
  // Before any file is opened, so that none takes the place of standard output.
  if (!process::repairStandardDescriptors()) return kFailure;
  process::handleSignals();
  int status;
  try {
    status = run(argc, argv);
  } catch (const std::bad_alloc&) {
    fflush(stdout);
    fputs("ERROR: out of memory\n", stderr);
    return kFailure;
  } catch (const std::length_error&) {  // a text past what memory can hold
    fflush(stdout);
    fputs("ERROR: out of memory\n", stderr);
    return kFailure;
  }
  // What the console could not write (a full device, a closed pipe whose
  // signal is ignored) fails the run, as it would a result file.
  if (fflush(stdout) != 0 || ferror(stdout)) {
    fputs("ERROR: failed to write standard output\n", stderr);
    return kFailure;
  }
  return status;
}
