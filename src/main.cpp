// The program's entry: the one place that reads the environment. It picks the
// mode from the switch table and hands it the arguments, the tree, the thread
// count and the console.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "io/Console.h"
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 1) return kSuccess;  // not even a program name: nothing asked
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const Switch* usage = nullptr;
  const Mode mode = selectMode(args, &usage);
  if (mode == nullptr) {
    fprintf(stderr, "%s\n", usageLine(*usage).c_str());
    return kUsage;
  }
  Console console(stdout, Palette(wantsColour()));
  const Tree tree = Tree::below("");
  return mode({args, tree, jobs(), console});
}
