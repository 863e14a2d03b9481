#pragma once

#include <chrono>
#include <cstddef>
#include <string>

// A line on standard error that tells how far a long run has come: done of
// total, the rate, and the time left. Shown only where it helps and harms
// nothing: when standard output goes elsewhere (a file, a pipe) and standard
// error is a terminal. Redrawn at most ten times a second, cleared at the end.
class ProgressLine {
 public:
  ProgressLine(const char* unit, size_t total);
  // Always shown, on the terminal behind fd.
  ProgressLine(const char* unit, size_t total, int fd);
  ~ProgressLine();

  // Whether the line is shown at all.
  bool shown() const { return active; }
  void update(size_t done);

 private:
  void draw(size_t done);

  const char* unit;
  size_t total;
  int terminal;
  bool active;
  size_t width = 0;  // of the line last drawn, to clear it
  std::chrono::steady_clock::time_point start, lastDrawn;
};

// The line's text for done of total after seconds: "veriglyph: DONE of TOTAL
// UNIT, RATE UNIT/s", and while some are left ", TIME left".
std::string progressText(const char* unit, size_t done, size_t total, double seconds);

// Clears the line shown on standard error, if any, from a signal handler:
// async-signal-safe.
void clearProgressLineForSignal();
