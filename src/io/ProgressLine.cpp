#include "io/ProgressLine.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

#include "io/Fd.h"

namespace {

// The width of the line on the terminal now, for a signal that ends the run.
std::atomic<size_t> shownWidth{0};
static_assert(std::atomic<size_t>::is_always_lock_free, "a signal handler reads it");

// A time left, in whole seconds, minutes or hours; beyond a year it is
// no use to anyone.
std::string duration(double seconds) {
  if (!(seconds < 366 * 24 * 3600.0)) return "more than a year";
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

std::string progressText(const char* unit, size_t done, size_t total, double seconds) {
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  char numbers[96];
  snprintf(numbers, sizeof numbers, "%zu of %zu ", done, total);
  std::string text = "veriglyph: ";
  text.append(numbers).append(unit);
  snprintf(numbers, sizeof numbers, ", %.0f ", rate < 1e15 ? rate : 1e15);
  text.append(numbers).append(unit).append("/s");
  if (rate > 0 && done < total) {
    text.append(", ").append(duration(static_cast<double>(total - done) / rate)).append(" left");
  }
  return text;
}

ProgressLine::ProgressLine(const char* unit, size_t total)
    : ProgressLine(unit, total, STDERR_FILENO) {
  active = !isatty(STDOUT_FILENO) && isatty(STDERR_FILENO);
}

ProgressLine::ProgressLine(const char* unit, size_t total, int fd)
    : unit(unit),
      total(total),
      terminal(fd),
      active(true),
      start(std::chrono::steady_clock::now()),
      lastDrawn(start) {}

ProgressLine::~ProgressLine() {
  if (active && width > 0) {
    if (terminal == STDERR_FILENO) shownWidth = 0;
    // A line that could not be drawn or cleared is no loss.
    fd::writeAll(terminal, "\r" + std::string(width, ' ') + "\r");
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
  const std::string text = progressText(unit, done, total, elapsed);
  std::string line = "\r" + text;
  // Blanks over whatever the longer line before left behind.
  if (width > text.size()) line.append(width - text.size(), ' ');
  // A signal may come before, during or after the write: it clears the
  // wider of the two lines.
  if (terminal == STDERR_FILENO) shownWidth = std::max(width, text.size());
  width = text.size();
  fd::writeAll(terminal, line);
  if (terminal == STDERR_FILENO) shownWidth = width;
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
