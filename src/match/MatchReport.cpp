#include "match/MatchReport.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "match/ListingTable.h"
#include "match/MatchScreen.h"
#include "text/Colour.h"
#include "text/Text.h"
#include "wordlist/Dictionary.h"

namespace {

std::string_view firstCharacterOf(std::string_view text) { return text.substr(0, 1); }

// One list line: a plain item, or an emphasised one. A page's items link to
// the spell's own page, which lies in the folder of its first character: link
// is the item's end (see appendLink), elsewhere the same with the way to that
// folder before it, for a phrase in another.
void appendListLine(TextBuffer& page, std::string_view text, std::string_view link,
                    std::string_view elsewhere, std::string_view phrase, bool emphasised,
                    const ReportForm& form) {
  char* at = page.room(text.size() + elsewhere.size() + 48);
  at = TextBuffer::put(at, emphasised ? form.emphasisedItemOpen : form.itemOpen);
  if (!form.links) {
    at = TextBuffer::put(at, text);
  } else {
    at = TextBuffer::put(at, firstCharacterOf(text) == firstCharacterOf(phrase) ? link : elsewhere);
  }
  page.end(TextBuffer::put(at, emphasised ? form.emphasisedItemClose : form.itemClose));
}

// Most texts of the phrase's length differ from it in the first byte.
bool isPhrase(std::string_view text, std::string_view phrase) {
  return text.size() == phrase.size() && (text.empty() || text[0] == phrase[0]) && text == phrase;
}

// A piece of at most kPiece bytes, kept with room to be copied whole.
constexpr size_t kPiece = 32;
static_assert(Dictionary::kReadablePastText >= kPiece && ListingTable::kReadablePastText >= kPiece,
              "a text of the dictionary or a slot may be copied by kPiece bytes");
struct Piece {
  char bytes[kPiece] = {};
  size_t size = 0;
  explicit Piece(std::string_view text) : size(text.size()) {
    if (size > kPiece) throw std::logic_error("a piece of a list item is too long");
    std::copy(text.begin(), text.end(), bytes);
  }
};

// Copies a text of the dictionary or of a listing's slot to at, which has
// room for kPiece bytes more than the text: a short one by a copy of fixed
// size, which is inlined.
char* putText(char* at, std::string_view text) {
  if (text.size() > kPiece) return TextBuffer::put(at, text);
  memcpy(at, text.data(), kPiece);
  return at + text.size();
}

char* putPiece(char* at, const Piece& piece) {
  memcpy(at, piece.bytes, kPiece);
  return at + piece.size;
}

// The pieces of a page's list items around their texts.
struct ItemPieces {
  Piece open, emphasisedOpen, close, emphasisedClose;
  explicit ItemPieces(const ReportForm& form)
      : open(form.itemOpen),
        emphasisedOpen(form.emphasisedItemOpen),
        close(form.itemClose),
        emphasisedClose(form.emphasisedItemClose) {}
};

// The same line for a text that needs no escaping anywhere, made from the
// text itself: the link's target and what it shows are the text.
void appendPlainListLine(TextBuffer& page, std::string_view text, std::string_view phrase,
                         bool emphasised, const ItemPieces& pieces) {
  char* at = page.room(2 * text.size() + 8 * kPiece);
  at = putPiece(at, emphasised ? pieces.emphasisedOpen : pieces.open);
  if (phrase.empty() || text[0] != phrase[0]) {
    memcpy(at, "../", 3);
    at[3] = text[0];
    at[4] = '/';
    at += 5;
  }
  memcpy(at, "match_", 6);
  at = putText(at + 6, text);
  memcpy(at, ".htm\">", 6);
  at = putText(at + 6, text);
  page.end(putPiece(at, emphasised ? pieces.emphasisedClose : pieces.close));
}

void appendBanner(TextBuffer& shown, std::string_view heading, std::string_view phrase,
                  const Palette& palette) {
  static const std::string rule(71, '-');
  static const std::string blank(71, ' ');
  char* at = shown.room(4 * 72 + 32 + heading.size() + phrase.size());
  at = TextBuffer::put(at, rule);
  *at++ = '\n';
  at = TextBuffer::put(at, blank);
  at = TextBuffer::put(at, "\n     ");
  at = palette.paint(at, Colour::yellow, heading);
  at = TextBuffer::put(at, " : '");
  at = TextBuffer::put(at, phrase);
  at = TextBuffer::put(at, "'\n");
  at = TextBuffer::put(at, blank);
  *at++ = '\n';
  at = TextBuffer::put(at, rule);
  *at++ = '\n';
  shown.end(at);
}

// shown is null when only the report file's text is wanted.
void appendGroup(TextBuffer& page, TextBuffer* shown, std::string_view heading,
                 const std::vector<Listed>& group, const ReportInput& input) {
  if (group.empty()) return;
  const ReportForm& form = reportForm(input.format);
  page.append(form.groupOpen);
  page.append(heading);
  page.append(form.listOpen);
  if (shown != nullptr) appendBanner(*shown, heading, input.phrase, input.palette);

  const bool phraseHasCapitals = input.phraseTotals.holds(kHoldsCapital);
  const ListingTable* listing = input.listing;
  const ItemPieces pieces(form);
  std::string link, elsewhere;
  bool first = true;
  for (size_t i = 0; i < group.size(); ++i) {
    const uint32_t entry = group[i].entry;
    const Agreement agreement = group[i].agreement;
    // The listed entries lie anywhere in the list: ask for a slot (or a
    // text) a few entries ahead, so that it has arrived when its turn comes.
    if (i + 8 < group.size()) {
      const uint32_t ahead = group[i + 8].entry;
      if (listing != nullptr) {
        listing->prefetch(ahead);
      } else {
        __builtin_prefetch(input.dictionary.text(ahead).data());
      }
    }
    const ListingTable::Slot* slot = listing != nullptr ? &listing->slot(entry) : nullptr;
    const std::string_view text = slot != nullptr && slot->heldLength != ListingTable::kNotHeld
                                      ? slot->heldText()
                                      : input.dictionary.text(entry);
    if (isPhrase(text, input.phrase)) {
      // The phrase is named on the console, not listed.
      if (shown != nullptr) {
        shown->append("[[SEARCHPHRASE:");
        shown->append(input.phrase);
        shown->append("]]\n");
      }
      continue;
    }
    const bool capitalisationMismatch = phraseHasCapitals != spellHolds(agreement, kHoldsCapital);
    if (slot != nullptr && slot->plain && form.links) {
      appendPlainListLine(page, text, input.phrase, capitalisationMismatch, pieces);
    } else if (listing != nullptr && form.links) {
      const ListingTable::Record& record = listing->record(entry);
      appendListLine(page, text, record.link(), record.linkFromElsewhere(), input.phrase,
                     capitalisationMismatch, form);
    } else {
      if (form.links) {
        link.clear();
        appendLink(link, text);
        elsewhere.clear();
        appendFolderLink(elsewhere, text);
        elsewhere += link;
      }
      appendListLine(page, text, link, elsewhere, input.phrase, capitalisationMismatch, form);
    }
    if (shown != nullptr) {
      const OwnMarks marks =
          slot != nullptr ? slot->marks : ownMarks(text, input.dictionary.totals(entry));
      appendListedSpell(*shown, text, agreement, marks, phraseHasCapitals, first, input.palette);
    }
    first = false;
  }
  page.append(form.listClose);
  if (shown != nullptr) shown->append('\n');
}

void appendReport(TextBuffer& page, TextBuffer* shown, const ReportInput& input) {
  const ReportForm& form = reportForm(input.format);
  std::string phrase;
  if (form.escapesPhrase) {
    appendHtmlEscaped(phrase, input.phrase);
  } else {
    phrase = input.phrase;
  }
  for (const char c : form.head) {
    if (c == '@') {
      page.append(phrase);
    } else {
      page.append(c);
    }
  }
  std::string heading;
  for (int score = kTopScore; score >= 2; --score) {
    heading.assign(form.headingOpen).append(std::to_string(score)).append(" matches");
    heading.append(form.headingClose);
    appendGroup(page, shown, heading, input.groups.byScore[score], input);
  }
  heading.assign(form.headingOpen).append("All prime matches").append(form.headingClose);
  appendGroup(page, shown, heading, input.groups.prime, input);
  page.append(form.tail);
}

}  // namespace

void appendMatchReport(TextBuffer& page, TextBuffer& shown, const ReportInput& input) {
  appendReport(page, &shown, input);
}

void appendMatchPage(TextBuffer& page, const ReportInput& input) {
  appendReport(page, nullptr, input);
}
