#include "spellbook/Spellbook.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "Layout.h"
#include "io/Console.h"
#include "io/ResultFile.h"
#include "spells/Dictionary.h"

namespace {

// What the spellbook holds, as far as archiving cares.
struct Holding {
  bool spell = false;         // a line equal to the spell
  bool lastLineOpen = false;  // a hand-edited file may end without a line feed
};

// Reads the spellbook line by line; false when it cannot be opened.
bool scanSpellbook(std::string_view spell, Holding& holding) {
  FILE* stored = fopen(kUserSpellbookPath, "r");
  if (stored == nullptr) return false;
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t length;
  while (!holding.spell && (length = getline(&line, &capacity, stored)) > 0) {
    const size_t size = static_cast<size_t>(length);
    // Compared with its line feed: a stored line ending in CR LF never equals.
    holding.spell = size == spell.size() + 1 && line[size - 1] == '\n' &&
                    memcmp(line, spell.data(), spell.size()) == 0;
    holding.lastLineOpen = line[size - 1] != '\n';
  }
  free(line);
  fclose(stored);
  return true;
}

}  // namespace

bool archiveSpell(std::string_view spell, Console& console) {
  // A line break would split the spell over two lines, or leave a line that
  // never compares equal again.
  if (spell.find_first_of("\r\n") != std::string_view::npos) {
    console.line("WARNING - spell not archived in the user spellbook: it holds a line break.");
    return false;
  }
  console.write("Archiving <");
  console.write(spell);
  console.write("> in user spellbook...");

  Holding holding;
  if (!scanSpellbook(spell, holding)) {
    console.line(
        "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
        "against\n ... previous entries");
  } else if (holding.spell) {
    console.line("...already exists, no need to add it.");
    return true;
  }

  FILE* book = fopen(kUserSpellbookPath, "a");
  if (book == nullptr) {
    console.line(
        "\nERROR - failed to open spellbook/user_entries.txt in order to save your spell for "
        "future comparisons");
    return false;
  }
  std::string record;
  if (holding.lastLineOpen) record += '\n';
  record.append(spell);
  record += '\n';
  const bool written = fwrite(record.data(), 1, record.size(), book) == record.size();
  if ((fclose(book) != 0) || !written) {
    console.line("\nERROR - failed to save your spell in spellbook/user_entries.txt");
    return false;
  }
  console.line("Done");
  return true;
}

bool loadSpellbook(Dictionary& dictionary, Console& console) {
  return loadWithProgress(dictionary, kUserSpellbookPath, Dictionary::HashLines::comments, console);
}
