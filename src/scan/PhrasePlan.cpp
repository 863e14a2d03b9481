#include "scan/PhrasePlan.h"

#include <algorithm>

#include "cyphers/Cypher.h"
#include "search/ValueSearch.h"
#include "text/Ascii.h"

namespace {

void setLane(std::vector<Lanes4>& vectors, size_t at, size_t lane, uint32_t value) {
  vectors[at + lane / 4][lane % 4] = value;
}

// The most any byte of a text can add to the cypher's total (a character of
// several bytes adds its value once); -1 when some value is negative.
int64_t mostPerByte(const Cypher& cypher) {
  int64_t most = 0;
  for (int32_t value : cypher.byteValues) {
    if (value != kSkipped) most = std::max<int64_t>(most, value < 0 ? INT64_MAX : value);
  }
  for (const auto& [character, value] : cypher.characterValues) {
    most = std::max<int64_t>(most, value < 0 ? INT64_MAX : value);
  }
  return most == INT64_MAX ? -1 : most;
}

}  // namespace

bool planPhrases(const std::vector<SearchTerm>& terms, size_t maxWords, PhrasePlan& plan,
                 std::string& error) {
  // One lane per cypher: a cypher named twice asks for one value twice.
  std::vector<std::pair<const Cypher*, int32_t>> lanes;
  for (const SearchTerm& term : terms) {
    const std::pair<const Cypher*, int32_t> lane(term.cypher, term.value);
    if (std::find(lanes.begin(), lanes.end(), lane) == lanes.end()) lanes.push_back(lane);
  }
  if (lanes.size() > PhrasePlan::kMaxCyphers) {
    error = "ERROR: a scan takes the totals of at most " + std::to_string(PhrasePlan::kMaxCyphers) +
            " cyphers";
    return false;
  }
  plan = PhrasePlan{};
  while (plan.parts * 4 < lanes.size() + 1) plan.parts *= 2;
  plan.capitalLane = lanes.size();
  plan.rows.assign(256 * plan.parts, Lanes4{});
  plan.joins.assign(maxWords * plan.parts, Lanes4{});
  plan.target.assign(plan.parts, Lanes4{});
  plan.care.assign(plan.parts, Lanes4{});
  plan.risingLineBytes = SIZE_MAX;
  for (size_t lane = 0; lane < lanes.size(); ++lane) {
    const Cypher& cypher = *lanes[lane].first;
    if (cypher.walk == Walk::bytes) {
      for (size_t byte = 0; byte < 256; ++byte) {
        const int32_t value = cypher.byteValues[byte];
        // A byte that takes no part adds nothing to the total.
        setLane(plan.rows, byte * plan.parts, lane,
                value == kSkipped ? 0 : static_cast<uint32_t>(value));
      }
    } else {
      plan.walkedLanes.emplace_back(lane, &cypher);
    }
    // Words are joined by one blank, which counts as it does in any text.
    const auto join = static_cast<uint32_t>(totalOf(cypher, " "));
    for (size_t words = 1; words <= maxWords; ++words) {
      setLane(plan.joins, (words - 1) * plan.parts, lane, static_cast<uint32_t>(words - 1) * join);
    }
    setLane(plan.target, 0, lane, static_cast<uint32_t>(lanes[lane].second));
    setLane(plan.care, 0, lane, UINT32_MAX);
    // A phrase of a line's bytes and its joins stays below 2^32 up to this
    // size, with room for a walk that makes several characters of one.
    const int64_t most = mostPerByte(cypher) * (cypher.walk == Walk::bytes ? 1 : 32);
    const size_t bound = most <= 0 ? 0 : static_cast<size_t>(UINT32_MAX / most);
    const size_t rising = most < 0    ? 0
                          : most == 0 ? SIZE_MAX
                                      : (bound > maxWords ? bound - maxWords : 0);
    plan.risingLineBytes = std::min(plan.risingLineBytes, rising);
    if (cypher.condition == MatchCondition::capitals) plan.needsCapital = true;
  }
  for (size_t byte = 0; byte < 256; ++byte) {
    setLane(plan.rows, byte * plan.parts, plan.capitalLane,
            isUpper(static_cast<unsigned char>(byte)));
  }
  return true;
}
