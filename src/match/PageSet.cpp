#include "match/PageSet.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <numeric>
#include <string>
#include <vector>

#include "io/Console.h"
#include "io/ProgressLine.h"
#include "io/WorkerThread.h"
#include "match/ListingTable.h"
#include "match/MatchIndex.h"
#include "match/MatchReport.h"
#include "match/ReportWriter.h"
#include "match/Scoring.h"
#include "wordlist/Dictionary.h"

namespace {

// One page on its way: made by a worker, then shown and finished in order.
struct Page {
  size_t entry = 0;
  bool ready = false;      // made, waiting to be finished
  bool dropped = false;    // given up by a worker that ran out of memory
  TextBuffer text, shown;  // the page, and its console rendering
  // Whether the page is the first of its text, and so was offered to its own
  // file; then how that went.
  bool first = false;
  WrittenReport own;
};

// What one thread works with while it makes a page.
struct PageWork {
  MatchGroups groups;
  MatchIndex::Scratch scratch;
};

class PageSet {
 public:
  PageSet(const Dictionary& dictionary, const ReportPlaces& places, const Console& console)
      : dictionary(dictionary),
        listing(dictionary),
        index(dictionary),
        places(places),
        palette(console.palette()),
        shown(!console.unseen()) {
    openFolders();
  }
  ~PageSet() {
    for (const int fd : folderFds) {
      if (fd >= 0) close(fd);
    }
  }

  bool write(unsigned jobs, Console& console) {
    jobs = std::clamp(jobs, 1u, kMostJobs);
    // Enough pages in the ring that no worker waits for the slowest of them.
    // A worker takes a batch of entries at a time, so that threads hand
    // pages over, and sleep and wake, once a batch rather than once a page.
    batch = std::max(1u, kBatchedPages / jobs);
    pages.resize(2 * jobs * batch + 2);
    Crew crew(*this);
    crew.start(jobs);
    ProgressLine progress("pages", dictionary.size());
    PageWork here;  // for the pages the calling thread makes itself
    bool everyPage = true;
    for (size_t entry = 0; entry < dictionary.size(); ++entry) {
      Page& page = pages[entry % pages.size()];
      if (!awaitMade(entry, page)) makeHere(entry, page, here, crew);
      everyPage = finish(page, console) && everyPage;
      {
        std::lock_guard<std::mutex> lock(mutex);
        page.ready = page.dropped = false;
        finished = entry + 1;
      }
      room.notify_all();
      progress.update(entry + 1);
    }
    return everyPage;
  }

 private:
  // The workers: as many as could be started, down to none. The calling
  // thread makes each page no worker made (none started, or the one that
  // took it ran out of memory), so the pages come out the same for any
  // number. They are stopped and joined however the set ends.
  struct Crew {
    explicit Crew(PageSet& set) : set(set) {}
    ~Crew() { stop(); }
    void start(unsigned jobs) {
      workers = std::make_unique<WorkerThread[]>(jobs);
      for (; started < jobs; ++started) {
        set.setWorking(+1);
        if (!workers[started].start([this] { set.work(); })) {
          set.setWorking(-1);  // no room for another thread
          break;
        }
      }
    }
    void stop() {
      {
        std::lock_guard<std::mutex> lock(set.mutex);
        set.stopping = true;
      }
      set.room.notify_all();
      for (unsigned w = 0; w < started; ++w) workers[w].join();
      started = 0;
    }
    PageSet& set;
    std::unique_ptr<WorkerThread[]> workers;
    unsigned started = 0;
  };

  void setWorking(int change) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      working += change;
    }
    made.notify_all();
  }

  // Waits until a worker made the page of entry: true. False when the
  // calling thread is to make it: no worker is left to take it, or the one
  // that took it gave it up.
  bool awaitMade(size_t entry, Page& page) {
    std::unique_lock<std::mutex> lock(mutex);
    made.wait(lock, [&] {
      return (page.entry == entry && (page.ready || page.dropped)) ||
             (working == 0 && next <= entry);
    });
    if (page.entry == entry && page.ready) return true;
    next = std::max(next, entry + 1);  // taken here; no worker is left to take it
    page.entry = entry;
    return false;
  }

  // Makes a page in the calling thread. When memory runs out while workers
  // are left, they are stopped, which gives their memory back, and the
  // calling thread goes on alone.
  void makeHere(size_t entry, Page& page, PageWork& space, Crew& crew) {
    try {
      make(entry, page, space);
    } catch (const std::bad_alloc&) {
      if (crew.started == 0) throw;
      crew.stop();
      make(entry, page, space);
    }
  }

  // Takes the next batch of entries as soon as their places in the ring of
  // pages are free, so that only a few pages are held at any time. A worker
  // that runs out of memory gives the rest of its batch up to the calling
  // thread and stops.
  void work() {
    PageWork space;
    for (bool madeAll = true; madeAll;) {
      size_t first, count;
      {
        std::unique_lock<std::mutex> lock(mutex);
        room.wait(lock, [&] {
          const size_t wanted =
              std::min<size_t>(batch, dictionary.size() - std::min(next, dictionary.size()));
          return stopping || next >= dictionary.size() || next + wanted <= finished + pages.size();
        });
        if (stopping || next >= dictionary.size()) break;
        first = next;
        count = std::min<size_t>(batch, dictionary.size() - next);
        next += count;
      }
      size_t madeCount = 0;
      try {
        for (; madeCount < count; ++madeCount) {
          make(first + madeCount, pages[(first + madeCount) % pages.size()], space);
        }
      } catch (...) {
        madeAll = false;
      }
      {
        std::lock_guard<std::mutex> lock(mutex);
        for (size_t i = 0; i < count; ++i) {
          Page& page = pages[(first + i) % pages.size()];
          page.entry = first + i;
          page.ready = i < madeCount;
          page.dropped = i >= madeCount;
        }
      }
      made.notify_all();
    }
    setWorking(-1);
  }

  // Scores and renders the page, and writes it when it is the first of its
  // text and nothing is at its place yet.
  void make(size_t entry, Page& page, PageWork& space) {
    const std::string_view phrase = dictionary.text(entry);
    const SpellTotals totals = dictionary.totals(entry);
    // Only the entries that share a total with the phrase can score; what
    // nobody sees is not worked out.
    index.score(totals, space.groups, space.scratch,
                shown ? MatchIndex::Agreements::all : MatchIndex::Agreements::page);
    page.text.clear();
    page.shown.clear();
    const ReportInput input{dictionary,         space.groups, phrase,  totals,
                            ReportFormat::html, palette,      &listing};
    if (shown) {
      appendMatchReport(page.text, page.shown, input);
    } else {
      appendMatchPage(page.text, input);
    }
    // Only the first entry of a text creates its page; a later one meets the
    // page the first one wrote, as in a run that takes them one by one.
    page.first = listing.firstWithText(static_cast<uint32_t>(entry)) == entry;
    if (page.first) {
      const unsigned char folder = static_cast<unsigned char>(phrase[0]);
      page.own = writeOwnReport(reportPlace(places, phrase, ReportFormat::html), folderFds[folder],
                                folderErrors[folder], page.text.view());
    }
  }

  // Shows the page's console text and sends it where it belongs when its own
  // file took it not: the detours are made here, in order, so that
  // temp_match.txt and the fallback in /tmp end as one thread leaves them.
  bool finish(Page& page, Console& console) {
    const std::string_view phrase = dictionary.text(page.entry);
    console.write("Dictionary Match for <");
    console.write(phrase);
    console.write(">\nPerforming dictionary match against <");
    console.write(phrase);
    console.write(">\n");
    const WrittenReport report =
        !page.first       ? writeReport(places, reportPlace(places, phrase, ReportFormat::html),
                                        page.text.view(), console)
        : page.own.opened ? page.own
                          : writeReportDetour(page.own, page.text.view(), places, console);
    const bool done = report.opened && showMatchEnd(page.shown.view(), report, console);
    page.text.release(kKeptCapacity);
    page.shown.release(kKeptCapacity);
    // A page its own folder could not take fails the set, even when the
    // fallback in /tmp took it: that file holds one page at most.
    return done && !report.fellBack;
  }

  // The letter folder of every first byte an entry has, opened once: a
  // page's own file is made in it, never through a link.
  void openFolders() {
    folderFds.fill(-1);
    folderErrors.fill(0);
    std::array<bool, 256> wanted{};
    for (size_t entry = 0; entry < dictionary.size(); ++entry) {
      wanted[static_cast<unsigned char>(dictionary.text(entry)[0])] = true;
    }
    for (size_t byte = 0; byte < 256; ++byte) {
      if (!wanted[byte]) continue;
      const std::string folder = places.pages + "/" + std::string(1, static_cast<char>(byte));
      folderFds[byte] = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      folderErrors[byte] = folderFds[byte] < 0 ? errno : 0;
    }
  }

  // Beyond that, more threads only wait for memory, and each holds pages.
  static constexpr unsigned kMostJobs = 16;
  // Pages taken at a time by all workers together.
  static constexpr unsigned kBatchedPages = 16;
  static constexpr size_t kKeptCapacity = size_t{1} << 20;  // a rare huge page is not kept

  const Dictionary& dictionary;
  const ListingTable listing;
  const MatchIndex index;
  const ReportPlaces& places;
  const Palette& palette;
  const bool shown;  // whether the console's rendering is seen at all
  std::array<int, 256> folderFds{}, folderErrors{};  // by first byte
  std::vector<Page> pages;                           // a ring: entry e uses pages[e % size]
  std::mutex mutex;
  std::condition_variable made, room;
  unsigned batch = 1;   // entries a worker takes at a time
  size_t next = 0;      // the next entry a worker takes
  size_t finished = 0;  // entries finished, in order
  int working = 0;      // workers started and not stopped
  bool stopping = false;
};

}  // namespace

bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, const ReportPlaces& places,
                  Console& console) {
  PageSet set(dictionary, places, console);
  return set.write(jobs, console);
}
