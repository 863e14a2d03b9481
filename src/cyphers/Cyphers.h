#pragma once

#include <array>
#include <cstdint>

#include "cyphers/ALW.h"
#include "cyphers/EnglishExtended.h"
#include "cyphers/EnglishOrdinal.h"
#include "cyphers/EnglishReduced.h"
#include "cyphers/EnglishReverseReduced.h"
#include "cyphers/Fibonacci.h"
#include "cyphers/FrancBaconis.h"
#include "cyphers/FrancisBacon.h"
#include "cyphers/Jewish.h"
#include "cyphers/JewishReduced.h"
#include "cyphers/KFW.h"
#include "cyphers/KVException.h"
#include "cyphers/OldEnglish.h"
#include "cyphers/Primes.h"
#include "cyphers/ReverseOrdinal.h"
#include "cyphers/Satanic.h"
#include "cyphers/Septenary.h"
#include "cyphers/Sexception.h"
#include "cyphers/Squares.h"
#include "cyphers/Sumerian.h"
#include "cyphers/Trigonal.h"

// Numbers that name a cypher where a choice between cyphers is remembered.
enum Method {
  MethodEnglishOrdinal = 0,
  MethodEnglishReduced = 1,
  MethodReverseOrdinal = 2,
  MethodReverseReduced = 3,
  MethodKVException = 4,
  MethodSexception = 5,
  MethodSumerian = 6,
  MethodJewish = 7,
  MethodJewishReduced = 8,
  MethodFrancisBacon = 9,
  MethodFrancBaconis = 10,
  MethodSatanic = 11,
  MethodSeptenary = 12,
  MethodPrimes = 13,
  MethodTrigonal = 14,
  MethodSquares = 15,
  MethodEnglishExtended = 16,
  MethodALW = 17,
  MethodKFW = 18,
  MethodOldEnglish = 19,
  MethodFibonacci = 20,
};

// Letter-value tables, indexed by byte. Letter keys are upper case (the
// calculators upper-case first), except in the case-sensitive baconisCypher.
// Every byte a table does not list counts 0.
using LetterTable = std::array<int32_t, 256>;
extern LetterTable ordinalCypher, reducedCypher, reverseReducedCypher, sexceptionCypher,
    engExtCypher, jewishCypher, jewishReducedCypher, oldEnglishCypher, baconisCypher, alwCypher,
    kfwCypher, septenaryCypher, primesCypher, trigonalCypher, squaresCypher, fibonacciCypher;

// Fills the tables; must run before any calculation. Running it again
// changes nothing.
void initCyphers();

// Digital root: repeated digit sum down to one digit; 0 gives 0 and a
// negative number gives the root of its magnitude.
int reductionValue(int n);

extern EnglishOrdinal ordinal;
extern EnglishReduced reduced;
extern EnglishReverseReduced reverseReduced;
extern EnglishExtended extended;
extern OldEnglish oldEnglish;
extern KVException kvexception;
extern Sumerian sumerian;
extern Jewish jewish;
extern JewishReduced jewishReduced;
extern Sexception sexception;
extern ReverseOrdinal reverse;
extern FrancisBacon bacon;
extern FrancBaconis baconis;
extern Satanic satanic;
extern Septenary septenary;
extern Primes primes;
extern Trigonal trigonal;
extern Squares squares;
extern ALW alw;
extern KFW kfw;
extern Fibonacci fibonacci;
