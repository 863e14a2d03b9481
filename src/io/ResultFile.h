#pragma once

#include <string>
#include <string_view>

#include "io/Fd.h"
#include "io/WholeFile.h"

class Console;

// One result file, open for writing. Each write goes out whole (callers hand
// over what they built); close() tells whether every byte reached the file.
class ResultFile {
 public:
  enum class Mode {
    // Replace the file that is there, or create one: the same question gives
    // the same file. It is written aside and renamed into place, so that a
    // reader sees one whole file even while other runs write it; never
    // through a symbolic link, and never over anything but a regular file.
    overwrite,
    // Create a file that is not there yet; anything at the path (a file, a
    // link, even a dangling one) is left alone and the open fails. The file
    // appears only when every byte was written, or not at all.
    createNew,
    // A folder that others write to: never through a link, never another
    // user's file, and readable by us only.
    privateFile,
  };
  // Whether the folder itself may be a symbolic link (then it is followed).
  enum class FolderLink { followed, refused };

  ResultFile() = default;
  ResultFile(const std::string& path, Mode mode);
  // The file name in folder. A name that holds "/" would lead elsewhere, so
  // it cannot be opened where it belongs.
  ResultFile(const std::string& folder, std::string_view name, Mode mode,
             FolderLink folderLink = FolderLink::followed);
  // The same in a folder opened already (folderFd, borrowed), or that could
  // not be opened (folderFd -1, folderError why): for many files in a few
  // folders.
  ResultFile(const std::string& folder, int folderFd, int folderError, std::string_view name,
             Mode mode);
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;
  // A file not closed is given up: a created or replaced one never appears.
  ~ResultFile() = default;

  bool isOpen() const { return whole.isOpen() || plain; }
  // Why the open failed, or (EEXIST) why a created file could not be put in
  // place after all: an errno value.
  int openError() const { return error; }
  const std::string& path() const { return filePath; }
  void write(std::string_view text);
  // Closes the file and puts it in place; false when anything failed to reach
  // it (a full disk). A replacing file is put in place as far as it got.
  bool close();

 private:
  void openIn(const std::string& folder, FolderLink folderLink);
  void openIn(UniqueFd folderFd);

  Mode mode = Mode::overwrite;
  WholeFile whole;  // overwrite and createNew
  UniqueFd plain;   // privateFile
  int error = 0;
  bool failed = false;
  std::string filePath, name;
};

// Closes a result file; on failure says so on the console. A file cut short is
// a failure, not a result.
bool finishResultFile(ResultFile& file, Console& console);
