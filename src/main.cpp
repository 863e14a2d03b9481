// The program's entry: the one place that reads the environment. It makes the
// process safe to run in (standard descriptors, signals), picks the mode from
// the switch table and hands it the arguments, the tree, the thread count and
// the console; running out of memory anywhere ends the run with an error.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
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

// Whether standard output is /dev/null (the same device and inode), where
// nobody sees what is shown.
bool outputUnseen() {
  struct stat output, nowhere;
  return fstat(STDOUT_FILENO, &output) == 0 && stat("/dev/null", &nowhere) == 0 &&
         output.st_dev == nowhere.st_dev && output.st_ino == nowhere.st_ino;
}

// An environment setting, when it is set and not empty.
const char* setting(const char* name) {
  const char* value = getenv(name);
  return value != nullptr && value[0] != '\0' ? value : nullptr;
}

bool holdsSpellbook(const std::string& folder) {
  struct stat info;
  return stat((folder + "spellbook").c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The user's data home: $VERIGLYPH_HOME, else $XDG_DATA_HOME/veriglyph, else
// ~/.local/share/veriglyph. Empty when there is no home to put it in.
std::string dataHome() {
  if (const char* home = setting("VERIGLYPH_HOME")) return home;
  if (const char* data = setting("XDG_DATA_HOME")) return std::string(data) + "/veriglyph";
  if (const char* home = setting("HOME")) return std::string(home) + "/.local/share/veriglyph";
  return "";
}

// The tree a run works in: the folder it starts in when that holds a
// spellbook/, else the user's data home when that does. With neither, the
// starting folder, as always, and a line on standard error that says how to
// make a home.
Tree chooseTree() {
  if (holdsSpellbook("")) return Tree::below("");
  const std::string home = dataHome();
  if (!home.empty() && holdsSpellbook(home + "/")) return Tree::below(home + "/");
  fprintf(stderr,
          "veriglyph: no spellbook/ folder here or in %s; run 'veriglyph-init --home' to make "
          "one\n",
          home.empty() ? "a data home (HOME is not set)" : home.c_str());
  return Tree::below("");
}

// Picks the mode and runs it.
int run(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const Switch* usage = nullptr;
  const Mode mode = selectMode(args, &usage);
  if (mode == nullptr) {
    fprintf(stderr, "%s\n", usageLine(*usage).c_str());
    return kUsage;
  }
  Console console(stdout, Palette(wantsColour()), outputUnseen());
  const bool usesTree = mode != showHelp && mode != showVersion;
  const Tree tree = usesTree ? chooseTree() : Tree::below("");
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
