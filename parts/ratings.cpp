#include "parts/ratings.hpp"

#include <numbers>

namespace ratings {

Ratings rate(double u_in_rms, double u_c2_rms, double e_supply, Feed feed, double margin) {
  const double u1_peak = std::numbers::sqrt2 * u_in_rms;
  const double u2_peak = std::numbers::sqrt2 * u_c2_rms;
  Ratings r;
  r.c1_peak_v = feed == Feed::series ? e_supply + u1_peak : u1_peak;
  r.c1_rating_v = r.c1_peak_v * margin;
  r.c2_peak_v = u2_peak;
  r.c2_rating_v = u2_peak * margin;
  if (feed == Feed::shunt) {
    r.blocking_peak_v = e_supply + u1_peak;
    r.blocking_rating_v = *r.blocking_peak_v * margin;
  }
  return r;
}

}  // namespace ratings
