#pragma once
// Shared by the harnesses that write files: a private scratch folder made once
// per process and removed when the process ends, holding a spellbook tree
// that is emptied of files before every input. The harness never changes its
// working folder; the tree's paths lead into the scratch folder, and the
// fallback that would go to /tmp stays in it too. Folders are made once: a
// folder is slow to make, a file quick to remove.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "modes/Tree.h"

class FuzzTree {
 public:
  // The one tree of this process.
  static FuzzTree& get() {
    static FuzzTree tree;
    return tree;
  }

  // Removes every file the last input left and gives the tree: with a letter
  // folder for each ASCII letter and digit, or with none at all.
  const Tree& fresh(bool letterFolders = true) {
    for (const std::string& folder : folders) clear(folder);
    unlink(tree.reports.tempFallback.c_str());
    rmdir(tree.reports.tempFallback.c_str());
    tree.reports.pages = root + (letterFolders ? "/spellbook/ResultsHTML" : "/spellbook/NoLetters");
    return tree;
  }

  std::string at(std::string_view relative) const { return root + "/" + std::string(relative); }
  void write(const std::string& path, std::string_view bytes) const {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  FuzzTree() {
    // Below $TMPDIR when set (fuzz/run.sh sets its own, which it removes even
    // after a crash), else /tmp.
    const char* tmp = getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") + "/veriglyph-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) abort();
    root = pattern;
    tree = Tree::below(root + "/");
    tree.reports.tempFallback = root + "/fallback.txt";
    std::error_code ignored;
    const std::string dictionaryFolder = tree.wordList.substr(0, tree.wordList.rfind('/'));
    for (const std::string& folder : {tree.reports.results, tree.cyphers, tree.details,
                                      dictionaryFolder, root + "/spellbook/NoLetters"}) {
      std::filesystem::create_directories(folder, ignored);
    }
    folders = {
        root,         root + "/spellbook", tree.reports.results,          tree.cyphers,
        tree.details, dictionaryFolder,    root + "/spellbook/NoLetters", tree.reports.pages};
    for (const char* letters :
         {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789"}) {
      for (const char* letter = letters; *letter != '\0'; ++letter) {
        folders.push_back(tree.reports.pages + "/" + *letter);
        mkdir(folders.back().c_str(), 0755);
      }
    }
    static std::string removed;
    removed = root;
    atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removed, ignored);
    });
  }

  // Removes the files and links in folder, and any folder an input made.
  static void clear(const std::string& folder) {
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr) return;
    while (const dirent* entry = readdir(entries)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      if (entry->d_type != DT_DIR) {
        unlinkat(dirfd(entries), name.c_str(), 0);
      }
    }
    closedir(entries);
  }

  std::string root;
  Tree tree;
  std::vector<std::string> folders;  // made once, emptied before each input
};
