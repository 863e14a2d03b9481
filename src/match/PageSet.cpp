#include "match/PageSet.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "io/Console.h"
#include "io/ProgressLine.h"
#include "match/ListingTable.h"
#include "match/MatchReport.h"
#include "match/ReportWriter.h"
#include "match/Scoring.h"
#include "wordlist/Dictionary.h"

namespace {

// One page on its way: made by a worker, then shown and finished in order.
struct Page {
  size_t entry = 0;
  bool ready = false;
  TextBuffer text, shown;  // the page, and its console rendering
  // Whether the page is the first of its text, and so was offered to its own
  // file; then how that went.
  bool first = false;
  WrittenReport own;
};

class PageSet {
 public:
  PageSet(const Dictionary& dictionary, const ReportPlaces& places, const Palette& palette)
      : dictionary(dictionary), listing(dictionary), places(places), palette(palette) {}

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
    // Only the first entry of a text creates its page; a later one meets the
    // page the first one wrote, as in a run that takes them one by one.
    page.first = listing.record(phraseEntry).firstWithText == phraseEntry;
    if (page.first)
      page.own = writeOwnReport(reportPlace(places, phrase, ReportFormat::html), page.text.view());
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
    return done;
  }

  // Beyond that, more threads only wait for memory, and each holds pages.
  static constexpr unsigned kMostJobs = 16;
  static constexpr size_t kKeptCapacity = size_t{1} << 20;  // a rare huge page is not kept

  const Dictionary& dictionary;
  const ListingTable listing;
  const ReportPlaces& places;
  const Palette& palette;
  std::vector<Page> pages;  // a ring: entry e uses pages[e % size]
  std::mutex mutex;
  std::condition_variable made, room;
  size_t next = 0;      // the next entry a worker takes
  size_t finished = 0;  // entries finished, in order
};

}  // namespace

bool writeHtmlSet(const Dictionary& dictionary, unsigned jobs, const ReportPlaces& places,
                  Console& console) {
  PageSet set(dictionary, places, console.palette());
  return set.write(jobs, console);
}
