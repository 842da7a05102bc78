// The variable capacitors' settings and padders against values worked by hand.

#include "parts/tuning.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Tuning, SettingPadderOrReasonForEachNeed) {
  using tuning::Reason;
  struct Case {
    double need, min, max;
    Reason reason;
    double setting, padder;
  };
  // 10..250 pF: a tenth of the range is 24 pF, so a padded setting lies in 34..226 pF.
  const std::vector<Case> cases = {
      {120.0, 10.0, 250.0, Reason::inside, 120.0, 0.0},
      {10.0, 10.0, 250.0, Reason::inside, 10.0, 0.0},
      {250.0, 10.0, 250.0, Reason::inside, 250.0, 0.0},
      {250.5, 10.0, 250.0, Reason::padded, 226.5 - 1.0, 25.0},  // 24.5 rounds up to 25
      {300.0, 10.0, 250.0, Reason::padded, 226.0, 74.0},        // exactly whole
      {1000.7, 10.0, 250.0, Reason::padded, 226.7 - 1.0, 775.0},
      {9.9, 10.0, 250.0, Reason::below_minimum, 0.0, 0.0},
      {-3.0, 10.0, 250.0, Reason::below_minimum, 0.0, 0.0},
      // 20..21 pF: the spare leaves 20.1..20.9, and 21.5 - 1 = 20.5 fits it...
      {21.5, 20.0, 21.0, Reason::padded, 20.5, 1.0},
      // ...but 21.05 - 1 = 20.05 does not, and 21.05 - 0 is above 20.9.
      {21.05, 20.0, 21.0, Reason::range_too_narrow, 0.0, 0.0},
      {100.0, 50.0, 50.0, Reason::invalid_range, 0.0, 0.0},
      {100.0, -1.0, 50.0, Reason::invalid_range, 0.0, 0.0},
      {100.0, kNaN, 50.0, Reason::invalid_range, 0.0, 0.0},
      {kNaN, 10.0, 250.0, Reason::need_not_finite, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.need);
    const tuning::Setting s = tuning::setting(c.need, c.min, c.max);
    EXPECT_EQ(s.reason, c.reason);
    const bool reachable = c.reason == Reason::inside || c.reason == Reason::padded;
    EXPECT_EQ(s.reachable, reachable);
    if (!reachable) continue;
    EXPECT_NEAR(s.setting_pf, c.setting, 1e-9);
    EXPECT_EQ(s.padder_pf, c.padder);
    EXPECT_NEAR(s.setting_pf + s.padder_pf, c.need, 1e-9);
  }
}

// One padder for a band's range of loads: 10..250 pF leaves 34..226 pF padded.
TEST(Tuning, OnePadderCoversARangeOrSaysWhyNot) {
  using tuning::Reason;
  struct Case {
    double low, high;
    bool covers;
    double padder;
    Reason reason;
  };
  const std::vector<Case> cases = {
      {20.0, 240.0, true, 0.0, Reason::inside},
      {10.0, 240.0, true, 0.0, Reason::inside},              // from the variable's minimum exactly
      {150.0, 300.0, true, 74.0, Reason::padded},            // 300 - 74 = 226, 150 - 74 = 76
      {108.0, 300.0, true, 74.0, Reason::padded},            // 108 - 74 = 34: the spare exactly
      {100.0, 300.0, false, 0.0, Reason::range_too_narrow},  // 100 - 74 = 26 < 34
      {9.0, 200.0, false, 0.0, Reason::below_minimum},
      {kNaN, 200.0, false, 0.0, Reason::need_not_finite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.low);
    const tuning::Cover v = tuning::cover(c.low, c.high, 10.0, 250.0);
    EXPECT_EQ(v.covers, c.covers);
    EXPECT_EQ(v.padder_pf, c.padder);
    EXPECT_EQ(v.reason, c.reason);
    if (!v.covers) continue;
    for (const double need : {c.low, c.high})
      EXPECT_TRUE(tuning::reaches(need, v.padder_pf, 10.0, 250.0));
  }
}

}  // namespace
