// The page set over a word list from the input, in a private scratch tree:
// with one thread and with several, the console and every file written must
// be the same, whatever the letter folders that exist and the pages already
// there.
#include <cstdlib>
#include <filesystem>
#include <map>

#include "FuzzSupport.h"
#include "FuzzTree.h"
#include "match/PageSet.h"
#include "wordlist/Dictionary.h"

namespace {

std::map<std::string, std::string> filesIn(const std::string& folder) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(folder, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (!it->is_regular_file(ignored)) continue;
    std::ifstream in(it->path(), std::ios::binary);
    files[it->path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

}  // namespace

// Input: the word list, the texts whose page is already there (one a line),
// and a byte of settings; split at each 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  Dictionary dictionary;
  dictionary.appendFileBytes(piece(parts, 0), Dictionary::HashLines::entries);
  if (dictionary.size() > 300) return 0;  // every page lists from the whole list
  const std::string_view settings = piece(parts, 2);
  const unsigned flags = settings.empty() ? 0 : static_cast<unsigned char>(settings[0]);
  FuzzTree& scratch = FuzzTree::get();
  std::string first;
  std::map<std::string, std::string> files;
  for (unsigned jobs : {1u, 2u + flags % 4}) {
    const Tree& tree = scratch.fresh((flags & 1) == 0);
    Dictionary existing;
    existing.appendFileBytes(piece(parts, 1), Dictionary::HashLines::entries);
    for (size_t i = 0; i < existing.size(); ++i) {
      const std::string text(existing.text(i));
      if (text.find('/') != std::string::npos) continue;
      scratch.write(tree.reports.pages + "/" + text.substr(0, 1) + "/match_" + text + ".htm",
                    "earlier\n");
    }
    if (flags & 16) mkdir(tree.reports.tempFallback.c_str(), 0700);  // no fallback either
    std::string text;
    Console console(text, Palette((flags & 32) == 0));
    const bool done = writeHtmlSet(dictionary, jobs, tree.reports, console);
    text += done ? "done" : "failed";
    std::map<std::string, std::string> written = filesIn(tree.reports.pages);
    for (auto& [path, content] : filesIn(tree.reports.results)) written[path] = content;
    if (std::filesystem::is_regular_file(tree.reports.tempFallback)) {
      std::ifstream fallback(tree.reports.tempFallback, std::ios::binary);
      written["fallback"] = std::string(std::istreambuf_iterator<char>(fallback), {});
    }
    if (jobs == 1) {
      first = text;
      files = written;
    } else if (text != first || written != files) {
      abort();
    }
  }
  return 0;
}
