#include "archive/Archive.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "io/Console.h"
#include "io/Fd.h"

namespace {

// What the spellbook holds, as far as archiving cares.
struct Holding {
  bool spell = false;         // a line equal to the spell
  bool lastLineOpen = false;  // a hand-edited file may end without a line feed
};

// Reads the spellbook behind fd line by line, in constant memory. Lines are
// compared with their line feed, so a stored line ending in CR LF never
// equals; an unterminated last line equal to the spell holds it too. False
// when the file cannot be read.
bool scan(int fd, std::string_view spell, Holding& holding) {
  char buffer[1 << 16];
  size_t column = 0;        // bytes of the current line so far
  bool lineMatches = true;  // the current line is spell's prefix so far
  bool anyByte = false;
  char last = '\n';
  for (;;) {
    const ssize_t count = fd::readSome(fd, buffer, sizeof buffer);
    if (count < 0) return false;
    if (count == 0) break;
    anyByte = true;
    for (ssize_t i = 0; i < count && !holding.spell; ++i) {
      const char c = buffer[i];
      if (c == '\n') {
        holding.spell = lineMatches && column == spell.size();
        column = 0;
        lineMatches = true;
        continue;
      }
      lineMatches = lineMatches && column < spell.size() && spell[column] == c;
      ++column;
    }
    last = buffer[count - 1];
    if (holding.spell) return true;
  }
  holding.lastLineOpen = anyByte && last != '\n';
  holding.spell = holding.lastLineOpen && lineMatches && column == spell.size();
  return true;
}

// Appends record in one write, so that runs at the same time cannot tear it;
// a write cut short is taken back.
bool appendRecord(int fd, const std::string& record) {
  struct stat before;
  if (fstat(fd, &before) != 0) return false;
  const ssize_t written = fd::writeOnce(fd, record);
  if (written == static_cast<ssize_t>(record.size())) return true;
  if (written > 0 && ftruncate(fd, before.st_size) != 0) return false;
  return false;
}

// Opens the spellbook; only a regular file counts (a FIFO could hold the run
// up for ever, a device could never end). O_NONBLOCK keeps the open itself
// from waiting on a FIFO; it changes nothing for a regular file.
UniqueFd openSpellbook(const std::string& path, int flags) {
  UniqueFd fd(open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
  struct stat info;
  if (fd && (fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))) fd.reset();
  return fd;
}

}  // namespace

Archived archiveSpell(std::string_view spell, const std::string& path, Console& console) {
  // A line break would split the spell over two lines, or leave a line that
  // never compares equal again.
  if (spell.find_first_of("\r\n") != std::string_view::npos) {
    console.line("WARNING - spell not archived in the user spellbook: it holds a line break.");
    return Archived::refused;
  }
  console.write("Archiving <");
  console.write(spell);
  console.write("> in user spellbook...");

  // The check and the append are one step under an exclusive lock, so that
  // runs at the same time store a spell once.
  UniqueFd reader = openSpellbook(path, O_RDONLY);
  Holding holding;
  const bool readable =
      reader.get() >= 0 && flock(reader.get(), LOCK_EX) == 0 && scan(reader.get(), spell, holding);
  if (!readable) {
    reader.reset();  // and its lock: the writer takes one of its own
    console.line(
        "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
        "against\n ... previous entries");
  } else if (holding.spell) {
    console.line("...already exists, no need to add it.");
    return Archived::alreadyThere;
  }

  const UniqueFd writer = openSpellbook(path, O_WRONLY | O_APPEND | O_CREAT);
  if (writer.get() < 0) {
    console.line(
        "\nERROR - failed to open spellbook/user_entries.txt in order to save your spell for "
        "future comparisons");
    return Archived::failed;
  }
  if (!readable) {
    // Compare now, under the lock, with whatever another run may have stored.
    flock(writer.get(), LOCK_EX);
    const UniqueFd again = openSpellbook(path, O_RDONLY);
    if (again.get() >= 0 && scan(again.get(), spell, holding) && holding.spell) {
      console.line("...already exists, no need to add it.");
      return Archived::alreadyThere;
    }
  }
  std::string record;
  if (holding.lastLineOpen) record += '\n';
  record.append(spell);
  record += '\n';
  if (!appendRecord(writer.get(), record)) {
    console.line("\nERROR - failed to save your spell in spellbook/user_entries.txt");
    return Archived::failed;
  }
  console.line("Done");
  return Archived::added;
}
