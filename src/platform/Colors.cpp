#include "platform/Colors.h"

#include <cstdlib>

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long d = denominator;
  const bool negative = (product < 0) != (d < 0);
  const long long a = std::llabs(product);
  const long long b = std::llabs(d);
  long long q = (a + b / 2) / b;
  if (negative) q = -q;
  if (q > 0x7FFFFFFFLL || q < -0x80000000LL) return -1;
  return static_cast<int>(q);
}
