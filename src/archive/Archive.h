#pragma once

#include <string>
#include <string_view>

class Console;

// The user spellbook: every spell a user analysed, one per line, each stored
// once. It only grows.

// Appends spell unless the spellbook already holds it, saying so on the
// console. False when the spell could not be stored. Every mode archives last,
// after everything that can fail; a spell that could not be stored is told on
// the console but does not fail the run, whose answer was already given.
bool archiveSpell(std::string_view spell, const std::string& path, Console& console);
