#pragma once

#include <string>
#include <string_view>

class Console;

// One result file, open for writing. Each write goes out whole (callers hand
// over what they built); close() tells whether every byte reached the file.
class ResultFile {
 public:
  enum class Mode {
    // Create, or truncate the file that is there: the same question gives the
    // same file. Never through a symbolic link.
    overwrite,
    // Create a file that is not there yet; anything at the path (a file, a
    // link, even a dangling one) is left alone and the open fails.
    createNew,
    // A folder that others write to: never through a link, never another
    // user's file, and readable by us only.
    privateFile,
  };

  ResultFile() = default;
  ResultFile(const std::string& path, Mode mode);
  // The file name in folder. A name that holds "/" would lead elsewhere, so
  // it cannot be opened where it belongs.
  ResultFile(const std::string& folder, std::string_view name, Mode mode);
  ResultFile(ResultFile&& other) noexcept;
  ResultFile& operator=(ResultFile&& other) noexcept;
  ~ResultFile();

  bool isOpen() const { return fd >= 0; }
  // Why the open failed: an errno value.
  int openError() const { return error; }
  const std::string& path() const { return filePath; }
  void write(std::string_view text);
  // Closes the file; false when anything failed to reach it (a full disk).
  bool close();

 private:
  int fd = -1;
  int error = 0;
  bool failed = false;
  std::string filePath;
};

// Closes a result file; on failure says so on the console. A file cut short is
// a failure, not a result.
bool finishResultFile(ResultFile& file, Console& console);
