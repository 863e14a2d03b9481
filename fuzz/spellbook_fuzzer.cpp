// Archiving a spell into a spellbook from the input: the spellbook only grows,
// a spell without a line break is held as a line afterwards, a second
// archiving changes nothing, and the spellbook then loads with the spell among
// its entries.
#include <cstdlib>
#include <fstream>

#include "FuzzSupport.h"
#include "FuzzTree.h"
#include "archive/Archive.h"
#include "wordlist/Dictionary.h"

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// Input: the spellbook, then the spell; split at 0xFF. No spellbook at all
// when the input has no 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  const Tree& tree = FuzzTree::get().fresh();
  const bool given = parts.size() > 1;
  if (given) FuzzTree::get().write(tree.userSpellbook, parts[0]);
  const std::string before = given ? std::string(parts[0]) : "";
  std::string spell(parts.back());
  spell = spell.substr(0, spell.find('\0'));  // as an argument would carry it
  Console& console = nullConsole();
  const Archived first = archiveSpell(spell, tree.userSpellbook, console);
  const bool stored = first == Archived::added || first == Archived::alreadyThere;
  const std::string after = readAll(tree.userSpellbook);
  if (after.compare(0, before.size(), before) != 0) abort();  // it only grows
  const bool lineBreak = spell.find_first_of("\r\n") != std::string::npos;
  if (stored == lineBreak) abort();
  if (lineBreak) {
    if (after != before) abort();
    return 0;
  }
  if (("\n" + after).find("\n" + spell + "\n") == std::string::npos &&
      !(after.size() >= spell.size() &&
        after.compare(after.size() - spell.size(), spell.size(), spell) == 0)) {
    abort();
  }
  if (archiveSpell(spell, tree.userSpellbook, console) != Archived::alreadyThere ||
      readAll(tree.userSpellbook) != after) {
    abort();
  }
  Dictionary dictionary;
  if (!loadSpellbook(dictionary, tree.userSpellbook, console)) abort();
  return 0;
}
