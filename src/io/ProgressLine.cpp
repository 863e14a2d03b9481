#include "io/ProgressLine.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "io/Fd.h"

namespace {

// The width of the line on the terminal now, for a signal that ends the run.
std::atomic<size_t> shownWidth{0};
static_assert(std::atomic<size_t>::is_always_lock_free, "a signal handler reads it");

// A line that could not be drawn is no loss: the run goes on.
void writeError(const std::string& text) { fd::writeAll(STDERR_FILENO, text); }

std::string duration(double seconds) {
  const long whole = static_cast<long>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) {
    snprintf(text, sizeof text, "%ldh %02ldm", whole / 3600, whole / 60 % 60);
  } else if (whole >= 60) {
    snprintf(text, sizeof text, "%ldm %02lds", whole / 60, whole % 60);
  } else {
    snprintf(text, sizeof text, "%lds", whole);
  }
  return text;
}

}  // namespace

ProgressLine::ProgressLine(const char* unit, size_t total)
    : unit(unit),
      total(total),
      active(!isatty(STDOUT_FILENO) && isatty(STDERR_FILENO)),
      start(std::chrono::steady_clock::now()),
      lastDrawn(start) {}

ProgressLine::~ProgressLine() {
  if (active && width > 0) {
    shownWidth = 0;
    writeError("\r" + std::string(width, ' ') + "\r");
  }
}

void ProgressLine::update(size_t done) {
  if (!active) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastDrawn < std::chrono::milliseconds(100) && done < total) return;
  lastDrawn = now;
  draw(done);
}

void ProgressLine::draw(size_t done) {
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double rate = elapsed > 0 ? static_cast<double>(done) / elapsed : 0;
  char text[160];
  int length = snprintf(text, sizeof text, "veriglyph: %zu of %zu %s, %.0f %s/s", done, total, unit,
                        rate, unit);
  if (rate > 0 && done < total) {
    length += snprintf(text + length, sizeof text - static_cast<size_t>(length), ", %s left",
                       duration(static_cast<double>(total - done) / rate).c_str());
  }
  std::string line = "\r";
  line.append(text, static_cast<size_t>(length));
  // Blanks over whatever the longer line before left behind.
  if (width > static_cast<size_t>(length)) line.append(width - static_cast<size_t>(length), ' ');
  width = static_cast<size_t>(length);
  writeError(line);
  shownWidth = width;
}

void clearProgressLineForSignal() {
  static const char blanks[] = "                                                                ";
  size_t left = shownWidth.exchange(0);
  if (left == 0) return;
  fd::writeAll(STDERR_FILENO, "\r");
  while (left > 0) {
    const size_t part = left < sizeof blanks - 1 ? left : sizeof blanks - 1;
    fd::writeAll(STDERR_FILENO, std::string_view(blanks, part));
    left -= part;
  }
  fd::writeAll(STDERR_FILENO, "\r");
}
