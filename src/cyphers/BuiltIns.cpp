#include "cyphers/BuiltIns.h"

namespace {

using C = MatchCondition;
using O = OtherBytes;

// Every built-in cypher, in Method order: the spell cyphers first (their totals
// are the dictionary's columns), then those that only the reports show.
// clang-format off
constexpr BuiltInRow kRows[] = {
  {Method::ordinal, "English Ordinal", Colour::none, "ordinal", "", 2, C::always, 1,
   "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26", nullptr, 27, O::zero,
   {"ord", "ordinal", "basic", "alphabetic"}},
  {Method::reduced, "English Reduced", Colour::cyan, "reduced", "", 1, C::always, 2,
   "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8", nullptr, 0, O::zero,
   {"red", "or", "reduced", "reduction"}},
  {Method::reverse, "English Reverse Ordinal", Colour::green, "reverse", "rev", 1, C::always, 3,
   "26 25 24 23 22 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1", nullptr, 27, O::zero,
   {"rev", "ro", "reverse", "rev-ord", "rev-ordinal", "reverse-ord", "reverse-ordinal"}},
  {Method::reverseReduced, "English Reverse-Reduced", Colour::cyan, "rev-red", "revred", 1,
   C::always, 4, "8 7 6 5 4 3 2 1 9 8 7 6 5 4 3 2 1 9 8 7 6 5 4 3 2 1", nullptr, 0, O::zero,
   {"rev-red", "rr", "revred", "reverse-reduced", "reverse-reduction"}},
  // English Reduced, but K and V keep their ordinal values; it only counts in
  // a match where K or V changed something.
  {Method::kvexception, "K/V Exception", Colour::magenta, "kv-except", "kv", 1, C::kvLetters, 0,
   "1 2 3 4 5 6 7 8 9 1 11 3 4 5 6 7 8 9 1 2 3 22 5 6 7 8", nullptr, 0, O::zero,
   {"kv", "kvexp", "kv-exp", "kvexcept", "kv-except", "kv-exception", "kvexception"}},
  // English Reduced, but S keeps the value 10.
  {Method::sexception, "S-exception", Colour::red, "s-except", "s", 1, C::sLetters, 0,
   "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 10 2 3 4 5 6 7 8", nullptr, 0, O::zero,
   {"s", "sex", "sexp", "s-exp", "s-exception", "sexception"}},
  {Method::sumerian, "Sumerian", Colour::yellow, "sumerian", "sumer", 1, C::always, 5,
   "6 12 18 24 30 36 42 48 54 60 66 72 78 84 90 96 102 108 114 120 126 132 138 144 150 156",
   nullptr, 27, O::zero, {"sumer", "sum", "sumerian"}},
  {Method::jewish, "Jewish", Colour::magenta, "agrippa", "j", 4, C::always, 7,
   "1 2 3 4 5 6 7 8 9 600 10 20 30 40 50 60 70 80 90 100 200 700 900 300 400 500", nullptr, 800,
   O::zero, {"j", "jew", "jewish", "agrippa", "latin", "latin-agrippa", "alva"}},
  {Method::jewishReduced, "Jewish Reduced", Colour::magenta, "jew-red", "jr", 1, C::always, 0,
   "1 2 3 4 5 6 7 8 9 6 1 2 3 4 5 6 7 8 9 1 2 7 9 3 4 5", nullptr, 8, O::zero,
   {"jr", "jewred", "jew-red", "jew-reduced", "jew-reduction", "jewish-reduced",
    "jewish-reduction", "agrippa-reduced", "jewish-red"}},
  // Case matters in the two Bacon cyphers. A total of Francis Bacon only
  // means something for a spell with capitals.
  {Method::bacon, "Francis Bacon", Colour::magenta, "bacon", "bacon", 1, C::capitals, 0,
   "27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52",
   "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26", 27, O::zero,
   {"bacon", "bcn", "fb", "francis-bacon", "francisbacon"}},
  {Method::baconis, "Franc Baconis", Colour::magenta, "baconis", "baconis", 1, C::always, 0,
   "1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 33 35 37 39 41 43 45 47 49 51",
   "2 4 6 8 10 12 14 16 18 20 22 24 26 28 30 32 34 36 38 40 42 44 46 48 50 52", 0, O::zero,
   {"baconis", "bcns", "francbaconis", "franc-baconis"}},
  // Only letters and digits take part in Satanic: a blank is no term.
  {Method::satanic, "Satanic", Colour::red, "satanic", "st", 1, C::always, 9,
   "36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61", nullptr, 0,
   O::skipped, {"satan", "st", "stn", "satanic"}},
  {Method::septenary, "Septenary", Colour::green, "septenary", "sept", 1, C::always, 0,
   "1 2 3 4 5 6 7 6 5 4 3 2 1 1 2 3 4 5 6 7 6 5 4 3 2 1", nullptr, 0, O::zero,
   {"sept", "spt", "septenary"}},
  {Method::primes, "Primes", Colour::yellow, "primes", "pri", 5, C::always, 10,
   "2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97 101", nullptr, 0,
   O::zero, {"pri", "prime", "primes"}},
  {Method::trigonal, "Trigonal", Colour::yellow, "trigonal", "tri", 3, C::always, 11,
   "1 3 6 10 15 21 28 36 45 55 66 78 91 105 120 136 153 171 190 210 231 253 276 300 325 351",
   nullptr, 0, O::zero, {"tri", "tr", "trigonal", "triangular"}},
  {Method::squares, "Squares", Colour::yellow, "squares", "sq", 3, C::always, 12,
   "1 4 9 16 25 36 49 64 81 100 121 144 169 196 225 256 289 324 361 400 441 484 529 576 625 676",
   nullptr, 0, O::zero, {"sq", "square", "squares"}},
  {Method::extended, "English-Extended", Colour::yellow, "eng-ext", "eng-ext", 3, C::always, 6,
   "1 2 3 4 5 6 7 8 9 10 20 30 40 50 60 70 80 90 100 200 300 400 500 600 700 800", nullptr, 900,
   O::zero, {"eng-ext", "ee", "ext", "engext", "englishext", "english-ext", "englishextended",
             "english-extended"}},
  // Stepping eleven letters on each time: A L W H S D O Z K V G R C N Y J U F Q
  // B M X I T E P are 1 to 26.
  {Method::alw, "ALW", Colour::red, "alw", "alw", 1, C::always, 0,
   "1 20 13 6 25 18 11 4 23 16 9 2 21 14 7 26 19 12 5 24 17 10 3 22 15 8", nullptr, 0, O::zero,
   {"alw", "alw-qabala", "alw-qabalah"}},
  // No rule: K F W R M D Y T A V Q H C X O J E L G B S N I Z U P are 1 to 26.
  {Method::kfw, "KFW", Colour::red, "kfw", "kfw", 1, C::always, 0,
   "9 20 13 6 17 2 19 12 23 16 1 18 5 22 15 26 11 4 21 8 25 10 3 14 7 24", nullptr, 0, O::zero,
   {"kfw", "kfw-qabala", "kfw-qabalah"}},
  // A 24-letter count: I and J share 9, U and V share 20.
  {Method::oldEnglish, "Old English", Colour::none, "old-eng", "", 1, C::always, 8,
   "1 2 3 4 5 6 7 8 9 9 10 11 12 13 14 15 16 17 18 19 20 20 21 22 23 24", nullptr, 0, O::zero,
   {"oe", "oeng", "old-eng", "old-english"}},
  // The first thirteen Fibonacci numbers, then back down.
  {Method::fibonacci, "Fibonacci", Colour::green, "fibonacci", "fib", 1, C::always, 13,
   "1 1 2 3 5 8 13 21 34 55 89 144 233 233 144 89 55 34 21 13 8 5 3 2 1 1", nullptr, 0, O::zero,
   {"fib", "fibonacci", "fibsym"}},
};
// clang-format on

constexpr bool inMethodOrder() {
  for (size_t i = 0; i < std::size(kRows); ++i) {
    if (index(kRows[i].id) != i) return false;
  }
  return std::size(kRows) == kBuiltInCyphers;
}
static_assert(inMethodOrder(), "one row per Method id, in Method order");

constexpr int spellCypherWeights() {
  int sum = 0;
  for (size_t i = 0; i < kSpellCyphers; ++i) sum += kRows[i].weight;
  return sum;
}
static_assert(spellCypherWeights() == kTopScore, "the top score is every spell cypher agreeing");

// The 26 values of a row's letter field.
std::array<int32_t, 26> letterValues(const char* field) {
  std::array<int32_t, 26> values{};
  const char* at = field;
  for (int32_t& value : values) {
    while (*at == ' ') ++at;
    for (; *at >= '0' && *at <= '9'; ++at) value = value * 10 + (*at - '0');
  }
  return values;
}

Cypher made(const BuiltInRow& row) {
  Cypher cypher;
  cypher.name = row.name;
  cypher.colour = row.colour;
  cypher.label = labelFor(row.labelWord);
  cypher.shortSuffix = row.shortSuffix;
  for (const char* tag : row.tags) {
    if (tag != nullptr) cypher.tags.emplace_back(tag);
  }
  cypher.defaultTag = cypher.tags.at(0);
  cypher.weight = row.weight;
  cypher.condition = row.condition;
  cypher.walk = Walk::bytes;
  cypher.byteValues.fill(row.others == OtherBytes::skipped ? kSkipped : 0);
  const auto capitals = letterValues(row.capitals);
  const auto smalls = row.smalls != nullptr ? letterValues(row.smalls) : capitals;
  for (int letter = 0; letter < 26; ++letter) {
    cypher.byteValues['A' + letter] = capitals[letter];
    cypher.byteValues['a' + letter] = smalls[letter];
  }
  for (int digit = 0; digit <= 9; ++digit) cypher.byteValues['0' + digit] = digit;
  if (row.others == OtherBytes::zero || row.ampersand != 0) cypher.byteValues['&'] = row.ampersand;
  return cypher;
}

}  // namespace

const std::vector<Cypher>& builtInCyphers() {
  static const std::vector<Cypher> cyphers = [] {
    std::vector<Cypher> built;
    for (const BuiltInRow& row : kRows) built.push_back(made(row));
    return built;
  }();
  return cyphers;
}

const Cypher& builtIn(Method method) { return builtInCyphers()[index(method)]; }

const BuiltInRow& builtInRow(Method method) { return kRows[index(method)]; }
