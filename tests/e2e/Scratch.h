#pragma once

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
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// What a run may be given besides its arguments.
struct RunOptions {
  std::vector<std::string> environment;  // "NAME=value", added to the inherited ones
  long long fileSizeLimit = -1;          // the largest file it may write, as on a full disk
  std::string standardInput;             // what it reads on standard input
  bool errorsToTerminal = false;         // standard error is a terminal (a pseudo-terminal)
  std::string program;                   // another copy of veriglyph to run instead
};

// Runs the built veriglyph with the given arguments in folder, with no
// standard input.
RunResult runVeriglyph(const std::string& folder, const std::vector<std::string>& args,
                       const RunOptions& options = {});

extern const char* const kWordListRelative;
extern const char* const kVeriglyphBinary;  // the built program

// The whole content of a file, or a note that it is missing.
std::string readFileBytes(const std::string& path);
