#include "serve/ServeState.h"

#include <sys/stat.h>

#include "serve/Answers.h"

SpellbookView::SpellbookView(Dictionary spells, const Dictionary& words)
    : spellsOnly(std::move(spells)), words(words) {}

const Dictionary& SpellbookView::withWords() const {
  std::call_once(made, [this] {
    for (size_t entry = 0; entry < words.size(); ++entry) {
      both.add(words.text(entry), words.totals(entry));
    }
    for (size_t entry = 0; entry < spellsOnly.size(); ++entry) {
      both.add(spellsOnly.text(entry), spellsOnly.totals(entry));
    }
  });
  return both;
}

bool ServeState::FileKey::operator==(const FileKey& other) const {
  return device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
         changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
}

ServeState::ServeState(Dictionary words, CypherSet cyphers, std::string spellbookPath)
    : wordList(std::move(words)),
      listingTable(wordList),
      matchIndex(wordList),
      cypherSet(std::move(cyphers)),
      spellbook(std::move(spellbookPath)),
      searchTags(searchTagsOf(cypherSet)) {}

std::shared_ptr<const SpellbookView> ServeState::spellbookNow() const {
  FileKey key;
  struct stat status;
  if (stat(spellbook.c_str(), &status) == 0) {
    key = {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
  }
  std::lock_guard<std::mutex> lock(spellbookMutex);
  if (spellbookView == nullptr || !(key == spellbookKey)) {
    // A spellbook that cannot be read is an empty one, as for --spells (a
    // failed load adds nothing).
    Dictionary spells;
    spells.load(spellbook, Dictionary::HashLines::comments);
    spellbookView = std::make_shared<const SpellbookView>(std::move(spells), wordList);
    spellbookKey = key;
  }
  return spellbookView;
}
