#include "serve/Workspace.h"

#include <mutex>
#include <vector>

namespace {

std::mutex mutex;
std::vector<std::unique_ptr<Workspace>> idle;  // the last given back on top

// A page longer than this gives its memory back: a rare huge page is not kept.
constexpr size_t kKeptPage = size_t{1} << 20;

}  // namespace

WorkspaceLoan::WorkspaceLoan() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!idle.empty()) {
      lent = std::move(idle.back());
      idle.pop_back();
    }
  }
  if (lent == nullptr) lent = std::make_unique<Workspace>();
}

WorkspaceLoan::~WorkspaceLoan() {
  lent->page.release(kKeptPage);
  std::lock_guard<std::mutex> lock(mutex);
  idle.push_back(std::move(lent));
}
