#include "cyphers/Cyphers.h"

#include <cstdlib>

LetterTable ordinalCypher{}, reducedCypher{}, reverseReducedCypher{}, sexceptionCypher{},
    engExtCypher{}, jewishCypher{}, jewishReducedCypher{}, oldEnglishCypher{}, baconisCypher{},
    alwCypher{}, kfwCypher{}, septenaryCypher{}, primesCypher{}, trigonalCypher{}, squaresCypher{},
    fibonacciCypher{};

EnglishOrdinal ordinal;
EnglishReduced reduced;
EnglishReverseReduced reverseReduced;
EnglishExtended extended;
OldEnglish oldEnglish;
KVException kvexception;
Sumerian sumerian;
Jewish jewish;
JewishReduced jewishReduced;
Sexception sexception;
ReverseOrdinal reverse;
FrancisBacon bacon;
FrancBaconis baconis;
Satanic satanic;
Septenary septenary;
Primes primes;
Trigonal trigonal;
Squares squares;
ALW alw;
KFW kfw;
Fibonacci fibonacci;

namespace {

using Alphabet = std::array<int32_t, 26>;

// Sets "A" to "Z" from the given values, the digits to their face value and,
// when the table lists it, "&".
void fill(LetterTable& table, const Alphabet& letters, int32_t ampersand = 0) {
  for (int i = 0; i < 26; ++i) table['A' + i] = letters[i];
  for (int d = 0; d <= 9; ++d) table['0' + d] = d;
  table['&'] = ampersand;
}

}  // namespace

void initCyphers() {
  fill(ordinalCypher, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                       14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
       27);
  fill(reducedCypher,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8});
  fill(reverseReducedCypher,
       {8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  fill(engExtCypher, {1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  20,  30,  40,
                      50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800},
       900);
  fill(oldEnglishCypher, {1,  2,  3,  4,  5,  6,  7,  8,  9,  9,  10, 11, 12,
                          13, 14, 15, 16, 17, 18, 19, 20, 20, 21, 22, 23, 24});
  fill(sexceptionCypher,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 2, 3, 4, 5, 6, 7, 8});
  fill(jewishCypher, {1,  2,  3,  4,  5,  6,  7,   8,   9,   600, 10,  20,  30,
                      40, 50, 60, 70, 80, 90, 100, 200, 700, 900, 300, 400, 500},
       800);
  fill(jewishReducedCypher,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 7, 9, 3, 4, 5}, 8);
  for (int i = 0; i < 26; ++i) {
    baconisCypher['A' + i] = 2 * (i + 1) - 1;
    baconisCypher['a' + i] = 2 * (i + 1);
  }
  for (int d = 0; d <= 9; ++d) baconisCypher['0' + d] = d;
  fill(alwCypher, {1,  20, 13, 6,  25, 18, 11, 4,  23, 16, 9,  2,  21,
                   14, 7,  26, 19, 12, 5,  24, 17, 10, 3,  22, 15, 8});
  fill(kfwCypher, {9,  20, 13, 6,  17, 2,  19, 12, 23, 16, 1,  18, 5,
                   22, 15, 26, 11, 4,  21, 8,  25, 10, 3,  14, 7,  24});
  fill(septenaryCypher,
       {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1});
  fill(primesCypher, {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                      43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101});
  fill(trigonalCypher, {1,   3,   6,   10,  15,  21,  28,  36,  45,  55,  66,  78,  91,
                        105, 120, 136, 153, 171, 190, 210, 231, 253, 276, 300, 325, 351});
  fill(squaresCypher, {1,   4,   9,   16,  25,  36,  49,  64,  81,  100, 121, 144, 169,
                       196, 225, 256, 289, 324, 361, 400, 441, 484, 529, 576, 625, 676});
  fill(fibonacciCypher, {1,   1,   2,  3,  5,  8,  13, 21, 34, 55, 89, 144, 233,
                         233, 144, 89, 55, 34, 21, 13, 8,  5,  3,  2,  1,   1});

  // Each calculator tabulates its own rule over the filled tables.
  EnglishOrdinal::prepare();
  EnglishReduced::prepare();
  EnglishReverseReduced::prepare();
  EnglishExtended::prepare();
  OldEnglish::prepare();
  KVException::prepare();
  Sumerian::prepare();
  Jewish::prepare();
  JewishReduced::prepare();
  Sexception::prepare();
  ReverseOrdinal::prepare();
  FrancisBacon::prepare();
  FrancBaconis::prepare();
  Satanic::prepare();
  Septenary::prepare();
  Primes::prepare();
  Trigonal::prepare();
  Squares::prepare();
  ALW::prepare();
  KFW::prepare();
  Fibonacci::prepare();
}

int reductionValue(int n) {
  long long magnitude = std::llabs(static_cast<long long>(n));
  if (magnitude == 0) return 0;
  return static_cast<int>(1 + (magnitude - 1) % 9);
}
