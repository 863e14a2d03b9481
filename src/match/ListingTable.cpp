#include "match/ListingTable.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <numeric>

#include "text/Text.h"
#include "wordlist/Dictionary.h"

void appendLink(std::string& out, std::string_view text) {
  out += "match_";
  appendHrefEscaped(out, text);
  out += ".htm\">";
  appendHtmlEscaped(out, text);
}

void appendFolderLink(std::string& out, std::string_view text) {
  out += "../";
  appendHrefEscaped(out, text.substr(0, 1));
  out += '/';
}

namespace {

std::vector<uint32_t> firstEntriesWithText(const Dictionary& dictionary) {
  std::vector<uint32_t> order(dictionary.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&dictionary](uint32_t a, uint32_t b) {
    return dictionary.text(a) < dictionary.text(b);
  });
  std::vector<uint32_t> first(dictionary.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const bool repeat = i > 0 && dictionary.text(order[i]) == dictionary.text(order[i - 1]);
    first[order[i]] = repeat ? first[order[i - 1]] : order[i];
  }
  return first;
}

}  // namespace

ListingTable::ListingTable(const Dictionary& dictionary)
    : firstColumn(firstEntriesWithText(dictionary)) {
  static_assert(sizeof(Slot) == 16 &&
                    2 * sizeof(Slot) + sizeof(Slot) - offsetof(Slot, text) >= kReadablePastText,
                "two slots more than entries hold a read past the last one's text");
  slots.reserve(dictionary.size() + 2);
  offsets.reserve(dictionary.size());
  std::string folder, link, asItIs;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    const std::string_view text = dictionary.text(entry);
    folder.clear();
    appendFolderLink(folder, text);
    link.clear();
    appendLink(link, text);
    asItIs.assign("match_").append(text).append(".htm\">").append(text);
    const bool plain =
        !text.empty() && link == asItIs && folder == "../" + std::string(text.substr(0, 1)) + "/";
    Slot slot{kNotHeld, ownMarks(text, dictionary.totals(entry)), plain, {}};
    if (plain && text.size() <= sizeof slot.text) {
      slot.heldLength = static_cast<uint8_t>(text.size());
      std::copy(text.begin(), text.end(), slot.text);
    }
    slots.push_back(slot);
    if (plain) {
      offsets.push_back(0);
      continue;
    }
    offsets.push_back(static_cast<uint32_t>(records.size() / kAlign));
    const Record record{static_cast<uint32_t>(folder.size()), static_cast<uint32_t>(link.size())};
    records.append(reinterpret_cast<const char*>(&record), sizeof record);
    records.append(folder);
    records.append(link);
    records.resize((records.size() + kAlign - 1) / kAlign * kAlign);
  }
  slots.resize(slots.size() + 2, Slot{kNotHeld, 0, false, {}});
}
