// The progress line's text for any counts and time, and the line itself drawn
// and cleared on a terminal that goes nowhere.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "io/ProgressLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  size_t done = 0, total = 0;
  double seconds = 0;
  if (size < sizeof done + sizeof total + sizeof seconds) return 0;
  memcpy(&done, data, sizeof done);
  memcpy(&total, data + sizeof done, sizeof total);
  memcpy(&seconds, data + sizeof done + sizeof total, sizeof seconds);
  const std::string text = progressText("pages", done, total, seconds);
  if (text.rfind("veriglyph: ", 0) != 0 || text.size() > 160) abort();
  static const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
  ProgressLine line("pages", total, nowhere);
  line.update(done);
  line.update(total);  // the last is always drawn
  return 0;
}
