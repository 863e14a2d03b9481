#pragma once

#include <string_view>

#include "io/Fd.h"

// A file that appears whole or not at all. It is written with no name
// (O_TMPFILE), or where the system cannot do that under a temporary name of its
// own in the folder it belongs in, and only then put in place. A file never
// put in place leaves nothing behind, and a signal that ends the run removes
// the temporary names in flight.
class WholeFile {
 public:
  // Whether the file must have a name while it is written: a file put in
  // place over another one needs it.
  enum class Naming { any, named };
  // How it is put in place.
  enum class Placing {
    create,   // only where nothing is, not even a link
    replace,  // over whatever file is there (the name is replaced, never followed)
  };

  WholeFile() = default;
  // A new file in the folder, which it keeps open.
  WholeFile(UniqueFd folder, Naming naming);
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(WholeFile&& other) noexcept;
  ~WholeFile() { discard(); }

  bool isOpen() const { return fd >= 0; }
  int openError() const { return error; }
  int folder() const { return folderFd.get(); }
  // Each write goes out whole; a failure is kept for failed().
  void write(std::string_view text);
  bool failed() const { return writeFailed; }
  // Puts the file in place as name, in its folder: 0, or the errno of what
  // stopped it (EEXIST when something is there and placing is create).
  int place(const char* name, Placing placing);
  // Removes it, unless it was put in place.
  void discard();

 private:
  bool openNamed();

  UniqueFd folderFd;
  int fd = -1;
  int error = 0;
  bool writeFailed = false;
  int slot = -1;           // in the table of files in flight, for a named one
  char tempName[64] = {};  // empty for a file with no name
};
