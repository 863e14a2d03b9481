#pragma once

#include <string>
#include <string_view>

class Console;

// One result file, open for writing. Writes are collected and go out in large
// pieces; close() tells whether every byte reached the file.
class ResultFile {
 public:
  enum class Mode {
    overwrite,    // create, or truncate what is there: the same question gives the same file
    privateFile,  // a shared folder: never through a link, never another's file, readable by us
                  // only
  };

  ResultFile() = default;
  ResultFile(const std::string& path, Mode mode);
  ResultFile(ResultFile&& other) noexcept;
  ResultFile& operator=(ResultFile&& other) noexcept;
  ~ResultFile();

  bool isOpen() const { return fd >= 0; }
  const std::string& path() const { return filePath; }
  void write(std::string_view text);
  // Closes the file; false when anything failed to reach it (a full disk).
  bool close();

 private:
  void flush();

  int fd = -1;
  bool failed = false;
  std::string filePath;
  std::string pending;
};

// Closes a result file; on failure says so on the console. A file cut short is
// a failure, not a result.
bool finishResultFile(ResultFile& file, Console& console);
