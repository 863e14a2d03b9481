#pragma once

#include <sys/types.h>

#include <string>
#include <thread>
#include <vector>

// veriglyph --serve running in a folder, as a user starts it: its port read
// from its start line on standard error.
class ServerProcess {
 public:
  // Starts veriglyph with args in folder and waits (at most 30 s) for the
  // start line, or for the program to end.
  ServerProcess(const std::string& folder, const std::vector<std::string>& args);
  ~ServerProcess();  // stops it, if it still runs
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  bool serving() const { return port != 0; }
  int port = 0;
  std::string startLine;  // the first line on standard error, with its line feed
  pid_t pid = -1;

  // Sends signal and waits for the end: the exit status (-1 when the program
  // did not exit by itself), with everything it wrote.
  int stop(int signal);
  std::string out, err;
  double stopSeconds = 0;  // from the signal to the end

 private:
  int outPipe = -1, errPipe = -1;
  std::thread outReader, errReader;
  int status = -1;
  bool ended = false;
};
