#pragma once

#include <chrono>
#include <cstddef>

// A line on standard error that tells how far a long run has come: done of
// total, the rate, and the time left. Shown only where it helps and harms
// nothing: when standard output goes elsewhere (a file, a pipe) and standard
// error is a terminal. Redrawn at most ten times a second, cleared at the end.
class ProgressLine {
 public:
  ProgressLine(const char* unit, size_t total);
  ~ProgressLine();

  // Whether the line is shown at all.
  bool shown() const { return active; }
  void update(size_t done);

 private:
  void draw(size_t done);

  const char* unit;
  size_t total;
  bool active;
  size_t width = 0;  // of the line last drawn, to clear it
  std::chrono::steady_clock::time_point start, lastDrawn;
};

// Clears the line shown, if any, from a signal handler: async-signal-safe.
void clearProgressLineForSignal();
