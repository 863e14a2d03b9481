#include "e2e/Scratch.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

const char* const kVeriglyphBinary = VERIGLYPH_BINARY;
const char* const kWordListRelative =
    "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";

Scratch::Scratch() {
  std::string pattern = (fs::temp_directory_path() / "veriglyph-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root = pattern;
  fs::create_directories(root + "/spellbook/Results");
  for (char c = 'A'; c <= 'Z'; ++c) {
    for (char letter : {c, static_cast<char>(c - 'A' + 'a')})
      fs::create_directories(root + "/spellbook/ResultsHTML/" + letter);
  }
}

Scratch::~Scratch() {
  std::error_code ignored;
  // Folders a test made unwritable must be opened up again to be removed.
  for (auto it = fs::recursive_directory_iterator(root, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(root, ignored);
}

void Scratch::writeWordList(const std::vector<std::string>& entries, const std::string& lineEnd) {
  std::string content;
  for (const std::string& entry : entries) content += entry + lineEnd;
  writeFile(kWordListRelative, content);
}

void Scratch::writeFile(const std::string& relative, const std::string& content) {
  const fs::path file = at(relative);
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing file " + path + ">";
}

std::string Scratch::readFile(const std::string& relative) const {
  return readFileBytes(at(relative));
}

bool Scratch::exists(const std::string& relative) const {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(at(relative), ignored));
}

void Scratch::remove(const std::string& relative) { fs::remove_all(at(relative)); }

namespace {

// The child's side between fork and exec: plain system calls only.
[[noreturn]] void becomeVeriglyph(const std::string& folder, const RunOptions& options, int input,
                                  int output, int errors, const char* program, char** argv,
                                  char** envp) {
  // No run outlives its test: should the test process die (a sanitizer's
  // report ends it at once), a server it started is not left serving.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  dup2(input, 0);
  dup2(output, 1);
  dup2(errors, 2);
  for (int fd : options.closedDescriptors) close(fd);
  for (int ignored : options.ignoredSignals) signal(ignored, SIG_IGN);
  if (chdir(folder.c_str()) != 0) _exit(126);
  for (const auto& [resource, value] :
       {std::pair{RLIMIT_FSIZE, options.fileSizeLimit}, {RLIMIT_AS, options.memoryLimit}}) {
    const struct rlimit limit = {static_cast<rlim_t>(value), static_cast<rlim_t>(value)};
    if (value >= 0) setrlimit(resource, &limit);
  }
  alarm(options.timeLimit);  // a hang ends in SIGALRM, which the program leaves alone
  execve(program, argv, envp);
  _exit(127);
}

// Reads a stream of the child to its end. Once either stream holds the
// interrupting text, the signal is sent, or standard output is no longer
// read (its reading end is closed).
class StreamReader {
 public:
  StreamReader(pid_t child, const RunOptions& options) : child(child), options(options) {
    interrupted = options.interruptAfter.empty();
  }
  std::string read(int fd, bool isOutput) {
    std::string data;
    char buffer[65536];
    ssize_t count;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0) {
      data.append(buffer, count);
      if (interrupted || data.find(options.interruptAfter) == std::string::npos) continue;
      if (options.interruptWith != 0) {
        if (!interrupted.exchange(true)) kill(child, options.interruptWith);
      } else if (isOutput) {
        interrupted = true;
        break;
      }
    }
    close(fd);
    return data;
  }

 private:
  pid_t child;
  const RunOptions& options;
  std::atomic<bool> interrupted;
};

}  // namespace

Started startVeriglyph(const std::string& folder, const std::vector<std::string>& args,
                       const RunOptions& options) {
  // Everything the child needs is made before the fork: between fork and
  // exec, a child of a threaded process may only make plain system calls.
  std::string program = options.program.empty() ? VERIGLYPH_BINARY : options.program;
  std::vector<std::string> copies(args);
  std::vector<char*> argv{program.data()};
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::vector<std::string> settings(options.environment);
  std::vector<char*> envp;
  const auto overridden = [&settings](const char* inherited) {
    for (const std::string& setting : settings) {
      const size_t name = setting.find('=') + 1;  // the name with its "="
      if (strncmp(inherited, setting.c_str(), name) == 0) return true;
    }
    return false;
  };
  for (char** setting = environ; *setting != nullptr; ++setting) {
    if (!overridden(*setting)) envp.push_back(*setting);
  }
  for (std::string& setting : settings) envp.push_back(setting.data());
  envp.push_back(nullptr);

  int outPipe[2], errPipe[2];
  if (pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (options.errorsToTerminal) {
    if (openpty(&errPipe[0], &errPipe[1], nullptr, nullptr, nullptr) != 0) {
      throw std::runtime_error("openpty failed");
    }
    fcntl(errPipe[0], F_SETFD, FD_CLOEXEC);
    fcntl(errPipe[1], F_SETFD, FD_CLOEXEC);
  } else if (pipe2(errPipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  // Standard input: a nameless file holding what the run may read, or the
  // file named (a FIFO's writer must be on its way).
  int input;
  if (!options.inputPath.empty()) {
    input = open(options.inputPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0) throw std::runtime_error("cannot open " + options.inputPath);
  } else {
    char inputName[] = "/tmp/veriglyph-e2e-input-XXXXXX";
    input = mkostemp(inputName, O_CLOEXEC);
    if (input < 0) throw std::runtime_error("mkostemp failed");
    unlink(inputName);
    if (write(input, options.standardInput.data(), options.standardInput.size()) !=
            static_cast<ssize_t>(options.standardInput.size()) ||
        lseek(input, 0, SEEK_SET) != 0) {
      throw std::runtime_error("cannot write standard input");
    }
  }
  int output = outPipe[1];
  if (!options.outputPath.empty()) {
    output = open(options.outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (output < 0) throw std::runtime_error("cannot open " + options.outputPath);
  }
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    becomeVeriglyph(folder, options, input, output, errPipe[1], program.c_str(), argv.data(),
                    envp.data());
  }
  close(input);
  if (output != outPipe[1]) close(output);
  close(outPipe[1]);
  close(errPipe[1]);
  return {child, outPipe[0], errPipe[0]};
}

RunResult runVeriglyph(const std::string& folder, const std::vector<std::string>& args,
                       const RunOptions& options) {
  const Started started = startVeriglyph(folder, args, options);
  RunResult result;
  StreamReader reader(started.pid, options);
  std::thread errReader([&] { result.err = reader.read(started.err, false); });
  result.out = reader.read(started.out, true);
  errReader.join();
  int status = 0;
  waitpid(started.pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  result.hung = result.signal == SIGALRM;
  return result;
}
