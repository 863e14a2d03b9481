#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "cyphers/CypherSet.h"
#include "match/ListingTable.h"
#include "match/MatchIndex.h"
#include "wordlist/Dictionary.h"

// The user spellbook as read at one moment, and with the word list before it
// (what --all-spells matches against), made when first asked for.
class SpellbookView {
 public:
  SpellbookView(Dictionary spells, const Dictionary& words);
  const Dictionary& spells() const { return spellsOnly; }
  const Dictionary& withWords() const;

 private:
  Dictionary spellsOnly;
  const Dictionary& words;
  mutable std::once_flag made;
  mutable Dictionary both;
};

// What the server answers from: the word list, its index and listing records,
// the cyphers, all read once at start and never changed (so that any number of
// threads read them at once), and the path of the spellbook, the one file it
// reads again, when it has changed.
class ServeState {
 public:
  ServeState(Dictionary words, CypherSet cyphers, std::string spellbookPath);
  ServeState(const ServeState&) = delete;
  ServeState& operator=(const ServeState&) = delete;

  const Dictionary& words() const { return wordList; }
  const ListingTable& listing() const { return listingTable; }
  const MatchIndex& index() const { return matchIndex; }
  const CypherSet& cyphers() const { return cypherSet; }
  const std::string& spellbookPath() const { return spellbook; }
  // A tag by which the value search finds the cypher of that place in the
  // set, or nothing (see searchTagsOf).
  std::string_view searchTag(size_t cypher) const { return searchTags[cypher]; }
  // The spellbook as it is now; read again only when the file has changed.
  std::shared_ptr<const SpellbookView> spellbookNow() const;

 private:
  // What tells a changed file from the one read last.
  struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{}, changed{};
    bool operator==(const FileKey& other) const;
  };

  Dictionary wordList;
  ListingTable listingTable;
  MatchIndex matchIndex;
  CypherSet cypherSet;
  std::string spellbook;
  std::vector<std::string> searchTags;

  mutable std::mutex spellbookMutex;
  mutable FileKey spellbookKey;
  mutable std::shared_ptr<const SpellbookView> spellbookView;
};
