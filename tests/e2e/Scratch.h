#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A throw-away working folder with its own spellbook tree, in which the
// built binary runs exactly as a user would run it.
class Scratch {
 public:
  // Creates spellbook/, spellbook/Results/ and spellbook/ResultsHTML/<c>/
  // for every ASCII letter; no word list and no user spellbook.
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& path() const { return root; }
  std::string at(const std::string& relative) const { return root + "/" + relative; }

  // Writes the word list; each entry gets the given line end.
  void writeWordList(const std::vector<std::string>& entries, const std::string& lineEnd = "\r\n");
  void writeFile(const std::string& relative, const std::string& content);
  std::string readFile(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  void remove(const std::string& relative);  // a file, or a folder with all it holds

 private:
  std::string root;
};

struct RunResult {
  int status = -1;    // exit status, or -1 when the process did not exit normally
  int signal = 0;     // the signal that ended it, if one did
  bool hung = false;  // it outlasted its time limit and was ended
  std::string out;
  std::string err;
};

// What a run may be given besides its arguments.
struct RunOptions {
  std::vector<std::string> environment;  // "NAME=value", added to the inherited ones
  long long fileSizeLimit = -1;          // the largest file it may write, as on a full disk
  long long memoryLimit = -1;            // its address space in bytes, as `ulimit -v`
  std::string standardInput;             // what it reads on standard input
  std::string inputPath;                 // else a file to read on standard input (a device, a FIFO)
  std::string outputPath;         // a file to write standard output to, instead of the pipe read
  bool errorsToTerminal = false;  // standard error is a terminal (a pseudo-terminal)
  std::string program;            // another copy of veriglyph to run instead
  std::vector<int> closedDescriptors;  // of 0, 1 and 2: closed when it starts
  std::vector<int> ignoredSignals;     // ignored when it starts, as a shell may leave them
  // Once standard output holds interruptAfter: the signal interruptWith is
  // sent, or with 0 the reading end of standard output is closed.
  std::string interruptAfter;
  int interruptWith = 0;
  // A run still going after this many seconds is ended (by SIGALRM) and
  // counts as hung; 0: never.
  unsigned timeLimit = 50;
};

// Runs the built veriglyph with the given arguments in folder, with no
// standard input.
RunResult runVeriglyph(const std::string& folder, const std::vector<std::string>& args,
                       const RunOptions& options = {});

// A run started and not waited for: its process, and the reading ends of its
// standard output and standard error.
struct Started {
  pid_t pid;
  int out, err;
};
Started startVeriglyph(const std::string& folder, const std::vector<std::string>& args,
                       const RunOptions& options = {});

extern const char* const kWordListRelative;
extern const char* const kVeriglyphBinary;  // the built program

// The whole content of a file, or a note that it is missing.
std::string readFileBytes(const std::string& path);
