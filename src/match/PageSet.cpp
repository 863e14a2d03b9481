#include "match/PageSet.h"

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "io/Console.h"
#include "io/ProgressLine.h"
#include "wordlist/Dictionary.h"
#include "match/ListingTable.h"
#include "match/Scoring.h"
#include "match/MatchReport.h"
#include "match/ReportWriter.h"

namespace {

// One page on its way: made by a worker, then shown and finished in order.
struct Page {
  enum class Outcome { written, cutShort, refused, repeat };

  size_t entry = 0;
  bool ready = false;
  TextBuffer text, shown;  // the page, and its console rendering
  Outcome outcome = Outcome::repeat;
  ResultFile file;  // the page's own file, written, or as it was refused
};

class PageSet {
 public:
  PageSet(const Dictionary& dictionary, const Palette& palette)
      : dictionary(dictionary), listing(dictionary), palette(palette) {}

  bool write(unsigned jobs, Console& console) {
    jobs = std::clamp(jobs, 1u, kMostJobs);
    // Enough pages in the ring that no worker waits for the slowest of them.
    pages.resize(2 * jobs + 2);
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < jobs; ++j) workers.emplace_back([this] { work(); });
    ProgressLine progress("pages", dictionary.size());
    bool everyPage = true;
    for (size_t entry = 0; entry < dictionary.size(); ++entry) {
      Page& page = pages[entry % pages.size()];
      {
        std::unique_lock<std::mutex> lock(mutex);
        made.wait(lock, [&] { return page.ready && page.entry == entry; });
      }
      everyPage = finish(page, console) && everyPage;
      {
        std::lock_guard<std::mutex> lock(mutex);
        page.ready = false;
        finished = entry + 1;
      }
      room.notify_all();
      progress.update(entry + 1);
    }
    for (std::thread& worker : workers) worker.join();
    return everyPage;
  }

 private:
  // Takes the next entry as soon as its place in the ring of pages is free,
  // so that only a few pages are held at any time.
  void work() {
    MatchGroups groups;
    for (;;) {
      size_t entry;
      {
        std::unique_lock<std::mutex> lock(mutex);
        room.wait(lock,
                  [&] { return next >= dictionary.size() || next < finished + pages.size(); });
        if (next >= dictionary.size()) return;
        entry = next++;
      }
      Page& page = pages[entry % pages.size()];
      make(entry, page, groups);
      {
        std::lock_guard<std::mutex> lock(mutex);
        page.entry = entry;
        page.ready = true;
      }
      made.notify_all();
    }
  }

  // Scores and renders the page, and writes it when it is the first of its
  // text and nothing is at its place yet.
  void make(size_t entry, Page& page, MatchGroups& groups) {
    const std::string_view phrase = dictionary.text(entry);
    const SpellTotals totals = dictionary.totals(entry);
    scoreEntries(dictionary, totals, groups);
    page.text.clear();
    page.shown.clear();
    const uint32_t phraseEntry = static_cast<uint32_t>(entry);
    appendMatchReport(
        page.text, page.shown,
        {dictionary, groups, phrase, totals, ReportFormat::html, palette, &listing, phraseEntry});
    page.outcome = Page::Outcome::repeat;
    page.file = ResultFile();
    // Only the first entry of a text creates its page; a later one meets the
    // page the first one wrote, as in a run that takes them one by one.
    if (listing.record(phraseEntry).firstWithText != phraseEntry) return;
    const ReportPlace place = matchReportPlace(phrase, ReportFormat::html);
    page.file = ResultFile(place.folder, place.name, ResultFile::Mode::createNew);
    if (!page.file.isOpen()) {
      page.outcome = Page::Outcome::refused;
      return;
    }
    page.file.write(page.text.view());
    page.outcome = page.file.close() ? Page::Outcome::written : Page::Outcome::cutShort;
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
    switch (page.outcome) {
      case Page::Outcome::written:
      case Page::Outcome::cutShort:
        break;
      case Page::Outcome::repeat:
        page.file = openMatchReport(matchReportPlace(phrase, ReportFormat::html), console);
        if (!written(page)) return false;
        break;
      case Page::Outcome::refused:
        page.file = reportDetour(page.file, console);
        if (!written(page)) return false;
        break;
    }
    const bool done =
        showMatchEnd(page.shown.view(), page.file, page.outcome == Page::Outcome::written, console);
    page.text.release(kKeptCapacity);
    page.shown.release(kKeptCapacity);
    return done;
  }

  // Writes the page into the file a detour opened; false when none opened.
  static bool written(Page& page) {
    if (!page.file.isOpen()) return false;
    page.file.write(page.text.view());
    page.outcome = page.file.close() ? Page::Outcome::written : Page::Outcome::cutShort;
    return true;
  }

  // Beyond that, more threads only wait for memory, and each holds pages.
  static constexpr unsigned kMostJobs = 16;
  static constexpr size_t kKeptCapacity = size_t{1} << 20;  // a rare huge page is not kept

  const Dictionary& dictionary;
  const ListingTable listing;
  const Palette& palette;
  std::vector<Page> pages;  // a ring: entry e uses pages[e % size]
  std::mutex mutex;
  std::condition_variable made, room;
  size_t next = 0;      // the next entry a worker takes
  size_t finished = 0;  // entries finished, in order
};

}  // namespace

bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, Console& console) {
  PageSet set(dictionary, console.palette());
  return set.write(jobs, console);
}

unsigned pageSetJobs() {
  if (const char* setting = getenv("VERIGLYPH_JOBS")) {
    char* end = nullptr;
    const unsigned long jobs = strtoul(setting, &end, 10);
    if (end != setting && *end == '\0' && jobs > 0 && jobs <= 1024) {
      return static_cast<unsigned>(jobs);
    }
  }
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<unsigned>(online) : 1;
}
