// Every mode as a user runs it, in-process: the arguments, word list,
// spellbook, own cypher file, details file and table input come from the
// input; the mode runs on a private scratch tree with a console in memory.
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "FuzzTree.h"
#include "cyphers/CypherSet.h"
#include "modes/Modes.h"
#include "modes/Switches.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The table modes write their table on standard output.
  if (freopen("/dev/null", "w", stdout) == nullptr) abort();
  return 0;
}

// Input: arguments (split at each 0xFE), then word list, spellbook, own
// cypher file, details file, table input and two bytes of settings, all split
// at each 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  std::vector<std::string> args;
  {
    const std::string_view all = piece(parts, 0);
    size_t start = 0;
    for (size_t i = 0; i <= all.size() && args.size() < 4; ++i) {
      if (i == all.size() || all[i] == '\xFE') {
        const std::string_view arg = all.substr(start, i - start);
        args.emplace_back(arg.substr(0, arg.find('\0')));  // as an argument carries it
        start = i + 1;
      }
    }
    if (all.empty()) args.clear();
  }
  const std::string_view list = piece(parts, 1), settings = piece(parts, 6);
  // Two bytes of settings: what is missing or in the way, and the threads.
  const unsigned flags = settings.empty() ? 0 : static_cast<unsigned char>(settings[0]);
  const unsigned more = settings.size() < 2 ? 0 : static_cast<unsigned char>(settings[1]);
  FuzzTree& scratch = FuzzTree::get();
  Tree tree = scratch.fresh((flags & 1) == 0);
  // A folder where a file belongs (made in a folder the next input empties of files only;
  // a path of its own for each, so that it never stays in the way).
  if (more & 1) tree.userSpellbook = scratch.at("spellbook/NoLetters");
  if (more & 2) tree.wordList = scratch.at("spellbook/NoLetters");
  if (more & 4) tree.reports.results = scratch.at("no-results");
  if (!(flags & 2)) scratch.write(tree.wordList, list);
  if (!(flags & 4)) scratch.write(tree.userSpellbook, piece(parts, 2));
  scratch.write(tree.cyphers + "/own.txt", piece(parts, 3));
  // A report or page already there sends the new one on a detour.
  if ((flags & 8) && args.size() > 1 && args[1].find('/') == std::string::npos) {
    scratch.write(tree.reports.results + "/match_" + args[1] + ".txt", "earlier\n");
    scratch.write(tree.reports.pages + "/" + args[1].substr(0, 1) + "/match_" + args[1] + ".htm",
                  "earlier\n");
  }
  if (flags & 16) symlink("nowhere", tree.reports.tempReport.c_str());

  std::vector<std::string_view> views(args.begin(), args.end());
  const Switch* usage = nullptr;
  const Mode mode = selectMode(views, &usage);
  if (mode == nullptr) return 0;
  if (mode == exportTsv || mode == exportCsv) {
    // The table reads the input's own text, never a path of the input's.
    args[1] = scratch.at((more & 8) ? "spellbook" : (more & 16) ? "none.txt" : "table-input.txt");
    scratch.write(scratch.at("table-input.txt"), piece(parts, 5));
    views[1] = args[1];
  }
  if (mode == querySingleCypher && args.size() > 1 && !(more & 32)) {
    CypherSet cyphers;
    std::string error;
    cyphers.readOwn(tree.cyphers, error);
    if (const Cypher* cypher = cyphers.findByTag(args[1])) {
      const int32_t total = totalOf(*cypher, args[0]);
      scratch.write(tree.details + "/" + std::to_string(static_cast<unsigned>(total)) + ".txt",
                    piece(parts, 4));
    }
  }
  std::string text;
  Console console(text, Palette((flags & 32) == 0));
  const int status = mode({views, tree, 1 + flags / 64, console});
  if (status != kSuccess && status != kFailure) abort();
  return 0;
}
