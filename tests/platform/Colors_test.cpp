#include "platform/Colors.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Colors, MulDivRoundsHalfAwayFromZero) {
  struct TCase {
    int Number, Numerator, Denominator, Expected;
  };
  const TCase cases[] = {
      {10, 3, 4, 8},      // 7.5 -> 8
      {-10, 3, 4, -8},    // -7.5 -> -8
      {10, -3, 4, -8},    {10, 3, -4, -8}, {-10, -3, -4, -8}, {-10, 3, -4, 8},
      {7, 1, 3, 2},       // 2.33 -> 2
      {8, 1, 3, 3},       // 2.67 -> 3
      {-8, 1, 3, -3},     {1, 1, 2, 1},   {-1, 1, 2, -1},     {0, 5, 7, 0},
      {80, 96, 96, 80},   {125, 120, 96, 156},  // 156.25
      // The product needs 64 bits.
      {2000000000, 2000000000, 2000000000, 2000000000},
      {INT_MIN, 1, 1, INT_MIN},
      // A quotient outside 32 bits, and a zero divisor, give -1.
      {INT_MAX, 2, 1, -1},  {INT_MIN, -1, 1, -1},  {5, 5, 0, -1},  {0, 0, 0, -1}};
  for (const TCase& c : cases)
    EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected)
        << c.Number << " * " << c.Numerator << " / " << c.Denominator;
}

TEST(Colors, ValuesAreStoredBlueGreenRed) {
  constexpr TColor c = RGBColor(0x12, 0x34, 0x56);
  static_assert(c == 0x00563412);
  EXPECT_EQ(GetRValue(c), 0x12);
  EXPECT_EQ(GetGValue(c), 0x34);
  EXPECT_EQ(GetBValue(c), 0x56);
  EXPECT_EQ(ToQColor(c), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), c);
  EXPECT_EQ(RGBColor(256 + 1, -1, 0), 0x0000FF01u);  // each part is one byte
}

}  // namespace
