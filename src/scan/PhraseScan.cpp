#include "scan/PhraseScan.h"

#include <charconv>
#include <string>

#include "cyphers/Cypher.h"
#include "io/Console.h"
#include "scan/PhrasePlan.h"
#include "wordlist/LineReader.h"

namespace {

constexpr size_t kRing = 64;  // more than kMaxWords + 1, a power of two
static_assert(kRing > PhraseScanner::kMaxWords && (kRing & (kRing - 1)) == 0);
constexpr size_t kOutputChunk = size_t{1} << 16;

inline bool isBlank(unsigned char c) { return c == ' ' || c == '\t'; }

}  // namespace

// The part of the scanner that does not depend on the number of lanes: the
// line count, the output and the words of the open phrases.
class PhraseScanner::Engine {
 public:
  Engine(const PhrasePlan& plan, size_t maxWords, Console& out)
      : plan(plan), maxWords(maxWords), out(out) {
    output.reserve(2 * kOutputChunk);
  }
  virtual ~Engine() = default;
  virtual void line(std::string_view text) = 0;

  void flush() {
    if (!output.empty()) out.write(output);
    output.clear();
  }

  const PhrasePlan& plan;
  const size_t maxWords;
  uint64_t lineNumber = 0;

 protected:
  // Writes the phrase of count words from word first (counted from 0).
  void emit(const char* text, size_t first, size_t count) {
    char digits[24];
    output.append(digits, std::to_chars(digits, digits + sizeof digits, lineNumber).ptr);
    output += ':';
    output.append(digits, std::to_chars(digits, digits + sizeof digits, first + 1).ptr);
    output += '\t';
    for (size_t word = first; word < first + count; ++word) {
      if (word > first) output += ' ';
      output.append(text + starts[word % kRing], ends[word % kRing] - starts[word % kRing]);
    }
    output += '\n';
    if (output.size() >= kOutputChunk) flush();
  }

  size_t starts[kRing] = {}, ends[kRing] = {};  // word w lies at [starts, ends) of its line

 private:
  Console& out;
  std::string output;
};

namespace {

// The scanner for plans of P vectors per row.
template <size_t P>
class LaneScan final : public PhraseScanner::Engine {
 public:
  using Engine::Engine;

  void line(std::string_view text) override {
    ++lineNumber;
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    const Lanes4* const rows = plan.rows.data();
    const bool walked = !plan.walkedLanes.empty();
    const bool rising = text.size() <= plan.risingLineBytes;
    size_t words = 0;
    for (size_t part = 0; part < P; ++part) prefix[0][part] = Lanes4{};
    const unsigned char* at = begin;
    for (;;) {
      while (at < end && isBlank(*at)) ++at;
      if (at == end) break;
      const unsigned char* const wordStart = at;
      Lanes4 sum[P] = {};  // a local array, so that it stays in registers
      do {
        const Lanes4* row = rows + size_t{*at} * P;
        for (size_t part = 0; part < P; ++part) sum[part] += row[part];
      } while (++at < end && !isBlank(*at));
      if (walked) {
        const std::string_view word(reinterpret_cast<const char*>(wordStart),
                                    static_cast<size_t>(at - wordStart));
        for (const auto& [lane, cypher] : plan.walkedLanes) {
          sum[lane / 4][lane % 4] = static_cast<uint32_t>(totalOf(*cypher, word));
        }
      }
      const size_t slot = words % kRing;
      starts[slot] = static_cast<size_t>(wordStart - begin);
      ends[slot] = static_cast<size_t>(at - begin);
      for (size_t part = 0; part < P; ++part) {
        prefix[(words + 1) % kRing][part] = prefix[slot][part] + sum[part];
      }
      ++words;
      // The phrases from the word maxWords back are all known now.
      if (words >= maxWords) phrasesFrom(text.data(), words - maxWords, maxWords, rising);
    }
    const size_t open = words >= maxWords ? words - maxWords + 1 : 0;
    for (size_t first = open; first < words; ++first) {
      phrasesFrom(text.data(), first, words - first, rising);
    }
  }

 private:
  using Signed4 = int32_t __attribute__((vector_size(16)));
  using Halves = uint64_t __attribute__((vector_size(16)));

  static bool anySet(Lanes4 lanes) {
    const Halves halves = reinterpret_cast<Halves>(lanes);
    return (halves[0] | halves[1]) != 0;
  }

  // The phrases of 1 to longest words from word first, shortest first. When
  // totals are rising, a phrase over a target in some lane ends them.
  void phrasesFrom(const char* text, size_t first, size_t longest, bool rising) {
    constexpr Lanes4 kBias = {0x80000000u, 0x80000000u, 0x80000000u, 0x80000000u};
    const Lanes4* const base = prefix[first % kRing];
    const Lanes4* joins = plan.joins.data();
    const Lanes4* const target = plan.target.data();
    const Lanes4* const care = plan.care.data();
    for (size_t count = 1; count <= longest; ++count, joins += P) {
      const Lanes4* const sum = prefix[(first + count) % kRing];
      Lanes4 differs{}, over{};
      for (size_t part = 0; part < P; ++part) {
        const Lanes4 total = sum[part] - base[part] + joins[part];
        differs |= (total ^ target[part]) & care[part];
        // Unsigned "greater than" as a signed one, both sides biased.
        over |= reinterpret_cast<Lanes4>(reinterpret_cast<Signed4>(total ^ kBias) >
                                         reinterpret_cast<Signed4>(target[part] ^ kBias)) &
                care[part];
      }
      if (anySet(differs)) {
        if (rising && anySet(over)) return;
        continue;
      }
      if (!plan.needsCapital || laneOf(sum, plan.capitalLane) != laneOf(base, plan.capitalLane)) {
        emit(text, first, count);
      }
    }
  }

  static uint32_t laneOf(const Lanes4* vectors, size_t lane) { return vectors[lane / 4][lane % 4]; }

  // prefix[w % kRing]: the sum of the lanes of the line's words before word w.
  Lanes4 prefix[kRing][P];
};

std::unique_ptr<PhraseScanner::Engine> engineFor(const PhrasePlan& plan, size_t maxWords,
                                                 Console& out) {
  switch (plan.parts) {
    case 1:
      return std::make_unique<LaneScan<1>>(plan, maxWords, out);
    case 2:
      return std::make_unique<LaneScan<2>>(plan, maxWords, out);
    case 4:
      return std::make_unique<LaneScan<4>>(plan, maxWords, out);
    default:
      return std::make_unique<LaneScan<8>>(plan, maxWords, out);
  }
}

}  // namespace

PhraseScanner::PhraseScanner(const PhrasePlan& plan, size_t maxWords, Console& out)
    : engine(engineFor(plan, maxWords, out)) {}

PhraseScanner::~PhraseScanner() = default;

void PhraseScanner::line(std::string_view text) { engine->line(text); }

uint64_t PhraseScanner::lines() const { return engine->lineNumber; }

void PhraseScanner::flush() { engine->flush(); }

ScanStatus scanStream(int fd, const PhrasePlan& plan, size_t maxWords, Console& out,
                      uint64_t& lines) {
  PhraseScanner scanner(plan, maxWords, out);
  LineReader reader(fd);
  const LineReader::Status status =
      reader.forEachLine([&scanner](std::string_view text) { scanner.line(text); });
  scanner.flush();
  lines = scanner.lines();
  switch (status) {
    case LineReader::Status::end:
      return ScanStatus::done;
    case LineReader::Status::readError:
      return ScanStatus::readError;
    default:
      return ScanStatus::lineTooLong;
  }
}
