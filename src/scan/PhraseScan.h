#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class Console;
struct PhrasePlan;

// Finds, line by line, every phrase (1 to maxWords consecutive words of one
// line, joined by one blank) that matches the plan, and writes one line for
// each on the console: "LINE:WORD<TAB>PHRASE", in order of line, first word
// and length. Words are the runs of bytes other than blank and TAB. Nothing is
// allocated per line or per word; what it holds is the words of the phrases
// still open and a buffer of output.
class PhraseScanner {
 public:
  // maxWords from 1 to kMaxWords; the plan must be made for at least as many.
  PhraseScanner(const PhrasePlan& plan, size_t maxWords, Console& out);
  ~PhraseScanner();
  static constexpr size_t kMaxWords = 32;

  // The text of the next line, numbered one past the last.
  void line(std::string_view text);
  uint64_t lines() const;
  // Writes the buffered output to the console.
  void flush();

  class Engine;

 private:
  std::unique_ptr<Engine> engine;
};

enum class ScanStatus { done, readError, lineTooLong };

// Scans every line of the stream with the word list's line rules, each line
// counted, an empty one too. On a fault, what was found before the faulty line
// has been written, and lines tells how many lines came before it.
ScanStatus scanStream(int fd, const PhrasePlan& plan, size_t maxWords, Console& out,
                      uint64_t& lines);
