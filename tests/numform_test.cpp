// The fixed-point number fields of both reports.

#include "printer/numform.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace {

using numform::fixed;

TEST(NumberField, RightAlignsWithExactDecimals) {
  EXPECT_EQ(fixed(100.0f, 11, 3), "    100.000");
  EXPECT_EQ(fixed(14.2f, 9, 2), "    14.20");
  EXPECT_EQ(fixed(0.5f, 11, 3), "      0.500");
  EXPECT_EQ(fixed(-0.25f, 12, 3), "      -0.250");
  EXPECT_EQ(fixed(0.0f, 9, 2), "     0.00");
}

TEST(NumberField, FillsWithAsterisksWhenTooWide) {
  EXPECT_EQ(fixed(9999999.0f, 11, 3), "9999999.000");
  EXPECT_EQ(fixed(10000000.0f, 11, 3), "***********");
  EXPECT_EQ(fixed(-999999.875f, 11, 3), "-999999.875");
  EXPECT_EQ(fixed(-1000000.0f, 11, 3), "***********");
  EXPECT_EQ(fixed(999999.99f, 9, 2), "*********");
  EXPECT_EQ(fixed(99999.99f, 12, 3), "   99999.992");
  EXPECT_EQ(fixed(std::numeric_limits<float>::max(), 12, 3), "************");
}

TEST(NumberField, RoundsTheExactBinaryValueWithTiesToEven) {
  EXPECT_EQ(fixed(0.0625f, 11, 3), "      0.062");
  EXPECT_EQ(fixed(0.1875f, 11, 3), "      0.188");
  EXPECT_EQ(fixed(12.125f, 9, 2), "    12.12");
  EXPECT_EQ(fixed(12.375f, 9, 2), "    12.38");
  // 0.005 as a float lies below the decimal tie, so it rounds down.
  EXPECT_EQ(fixed(0.005f, 9, 2), "     0.00");
  EXPECT_EQ(fixed(2.675f, 9, 2), "     2.67");
}

TEST(NumberField, KeepsTheMinusSignOfAValueThatRoundsToZero) {
  EXPECT_EQ(fixed(-0.0001f, 11, 3), "     -0.000");
  EXPECT_EQ(fixed(-0.004f, 9, 2), "    -0.00");
}

TEST(NumberField, WritesNotANumberAndInfinityAsWords) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(fixed(nan, 11, 3), "        NaN");
  EXPECT_EQ(fixed(-nan, 9, 2), "      NaN");
  EXPECT_EQ(fixed(nan, 12, 3), "         NaN");
  EXPECT_EQ(fixed(inf, 11, 3), "   Infinity");
  EXPECT_EQ(fixed(-inf, 11, 3), "  -Infinity");
  EXPECT_EQ(fixed(inf, 9, 2), " Infinity");
  EXPECT_EQ(fixed(-inf, 9, 2), "-Infinity");
  EXPECT_EQ(fixed(-inf, 12, 3), "   -Infinity");
}

}  // namespace
