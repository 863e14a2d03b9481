#include "modes/Tree.h"

Tree Tree::below(std::string_view rootView) {
  const std::string root(rootView);
  Tree tree;
  tree.root = root;
  tree.wordList = root + "spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt";
  tree.userSpellbook = root + "spellbook/user_entries.txt";
  tree.cyphers = root + "spellbook/Cyphers";
  tree.details = root + "input/123";
  tree.reports.results = root + "spellbook/Results";
  // HTML pages go one folder further down, named by the spell's first character.
  tree.reports.pages = root + "spellbook/ResultsHTML";
  tree.reports.tempReport = root + "spellbook/Results/temp_match.txt";
  // Outside the tree, for a report that cannot be written in it.
  tree.reports.tempFallback = "/tmp/veriglyph_temp_match.txt";
  return tree;
}
