#pragma once

#include <string>
#include <string_view>

class Console;

// The user spellbook: every spell a user analysed, one per line, each stored
// once. It only grows.

// What became of a spell given to the spellbook.
enum class Archived { added, alreadyThere, refused, failed };

// Appends spell unless the spellbook already holds it, saying so on the
// console. A spell holding a line break is refused; failed means the
// spellbook could not be written. Every mode archives last, after everything
// that can fail; a spell that could not be stored is told on the console but
// does not fail the run, whose answer was already given.
Archived archiveSpell(std::string_view spell, const std::string& path, Console& console);
