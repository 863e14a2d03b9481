#include "cyphers/Squares.h"

#include "cyphers/Cyphers.h"

int32_t SquaresRule::value(unsigned char c) {
  return squaresCypher[upper(c)];
}
