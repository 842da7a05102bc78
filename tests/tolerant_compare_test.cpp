// The comparison that lets a transcript from another platform pass: only
// numbers may differ, and only within four significant digits.

#include "tolerant_compare.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Case {
  const char* expected;
  const char* actual;
  bool exact;
  bool agrees;
  double largest;  // largest relative difference, to 1e-6
};

TEST(TolerantCompare, OnlyNumbersWithinFourDigitsMayDiffer) {
  const Case cases[] = {
      {"a = 1.5\r\n", "a = 1.5\r\n", true, true, 0.0},
      {" 12. Ф, дБ =     165.430\r\n", " 12. Ф, дБ =     165.425\r\n", false, true, 3.02e-5},
      {"x 1.000E-03 y", "x 1.0004E-03 y", false, true, 4.0e-4},
      {"x 1.000E-03 y", "x 1.001E-03 y", false, false, 9.99e-4},  // the fourth digit
      {"-2.5 and 7", "-2.5 and 7.001", false, true, 1.43e-4},
      {"-2.5", "2.5", false, false, 2.0},                 // the sign counts
      {"v = 3.14\r\n", "v = 3.14\n", false, false, 0.0},  // line ends are text
      {"v =  3.14", "v = 13.14", false, false, 0.0},      // so are blanks
      {"Дата: 1", "Дота: 1", false, false, 0.0},          // and letters
      {"1 2 3", "1 2", false, false, 0.0},                // a number missing
      {"S11 = 0.100", "S11 = 0.1000", false, true, 0.0},  // same value, other form
      {"2-й", "2-й", true, true, 0.0},
  };
  for (const Case& c : cases) {
    const tolerant::Comparison got = tolerant::compare(c.expected, c.actual);
    EXPECT_EQ(got.exact, c.exact) << c.expected << " | " << c.actual;
    EXPECT_EQ(got.agrees, c.agrees) << c.expected << " | " << c.actual;
    EXPECT_NEAR(got.largest_relative, c.largest, 1e-6) << c.expected << " | " << c.actual;
    EXPECT_EQ(got.first_difference.empty(), c.agrees) << got.first_difference;
  }
}

TEST(TolerantCompare, SaysTheLineOfTheFirstDifference) {
  const tolerant::Comparison c =
      tolerant::compare("one\r\ntwo 2\r\nthree\r\n", "one\r\ntwo 2\r\nfree\r\n");
  EXPECT_EQ(c.first_difference, "line 3: expected \"three\", got \"free\"");
}

TEST(TolerantCompare, NoiseAgreesOnlyAgainstItsScale) {
  // The second harmonic of a 180-degree pulse on two platforms.
  const double linux_a2 = 7.3484670792822726e-08;
  const double windows_a2 = 7.3531538191673462e-08;
  EXPECT_FALSE(tolerant::agrees(linux_a2, windows_a2));
  EXPECT_TRUE(tolerant::agrees(linux_a2, windows_a2, 0.5));
  EXPECT_FALSE(tolerant::agrees(1.0, 1.1, 0.5));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(tolerant::agrees(nan, nan));
  EXPECT_FALSE(tolerant::agrees(nan, 1.0, 1e9));
}

}  // namespace
