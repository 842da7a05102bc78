// Capacitor ratings against values worked by hand.

#include "parts/ratings.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Ratings, PeaksAndRatingsForBothFeeds) {
  struct Case {
    double u_in_rms, u_c2_rms, e_supply;
    ratings::Feed feed;
    double margin;
    double c1_peak, c2_peak, blocking_peak;  // blocking_peak < 0: no blocking capacitor
  };
  // sqrt(2) * 1000 = 1414.2136, sqrt(2) * 158.1139 = 223.6068 (500 W into 50 ohm).
  const std::vector<Case> cases = {
      {1000.0, 158.1139, 2500.0, ratings::Feed::shunt, 2.0, 1414.2136, 223.6068, 3914.2136},
      {1000.0, 158.1139, 2500.0, ratings::Feed::series, 2.0, 3914.2136, 223.6068, -1.0},
      {1000.0, 158.1139, 2500.0, ratings::Feed::series, 1.0, 3914.2136, 223.6068, -1.0},
      {0.0, 0.0, 800.0, ratings::Feed::shunt, 5.0, 0.0, 0.0, 800.0},
  };
  for (const Case& c : cases) {
    const ratings::Ratings r = ratings::rate(c.u_in_rms, c.u_c2_rms, c.e_supply, c.feed, c.margin);
    EXPECT_NEAR(r.c1_peak_v, c.c1_peak, 1e-3);
    EXPECT_NEAR(r.c1_rating_v, c.c1_peak * c.margin, 1e-3);
    EXPECT_NEAR(r.c2_peak_v, c.c2_peak, 1e-3);
    EXPECT_NEAR(r.c2_rating_v, c.c2_peak * c.margin, 1e-3);
    ASSERT_EQ(r.blocking_peak_v.has_value(), c.blocking_peak >= 0.0);
    ASSERT_EQ(r.blocking_rating_v.has_value(), c.blocking_peak >= 0.0);
    if (r.blocking_peak_v) {
      EXPECT_NEAR(*r.blocking_peak_v, c.blocking_peak, 1e-3);
      EXPECT_NEAR(*r.blocking_rating_v, c.blocking_peak * c.margin, 1e-3);
    }
  }
}

}  // namespace
