#pragma once

#include <memory>

#include "match/MatchIndex.h"
#include "match/Scoring.h"
#include "text/TextBuffer.h"

// The working memory of one answer: a scoring's scratch, its groups and the
// page. Lent out for one answer at a time, the one given back last first, so
// that the few in use at once stay in the processors' caches however many
// workers there are (a worker's own would be pushed out by the others').
struct Workspace {
  MatchIndex::Scratch scratch;
  MatchGroups groups;
  TextBuffer page;
};

class WorkspaceLoan {
 public:
  WorkspaceLoan();
  ~WorkspaceLoan();
  WorkspaceLoan(const WorkspaceLoan&) = delete;
  WorkspaceLoan& operator=(const WorkspaceLoan&) = delete;

  Workspace* operator->() const { return lent.get(); }
  Workspace& operator*() const { return *lent; }

 private:
  std::unique_ptr<Workspace> lent;
};
