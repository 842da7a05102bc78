#pragma once

// The voltage ratings of the tank's capacitors: the peak RF voltage each one
// holds in the design, the anode supply where the feed puts it across the
// capacitor, and a margin for what the design does not see (a mismatched
// load, amplitude modulation peaks, arcs).

#include <optional>

namespace ratings {

// How the anode gets its supply: through an RF choke beside the tank, with a
// blocking capacitor before C1 (shunt), or through the tank coil itself, so
// that C1 holds the supply (series).
enum class Feed { shunt, series };

// The rating is the peak times a margin in this range: 1 buys a capacitor
// that just holds the design's peak, 5 is beyond any use.
constexpr double kMarginMin = 1.0;
constexpr double kMarginMax = 5.0;
// A capacitor rated twice the peak survives a load with an SWR of about 3,
// or full amplitude modulation.
constexpr double kMarginDefault = 2.0;

struct Ratings {
  double c1_peak_v = 0.0;    // peak voltage across C1, V
  double c1_rating_v = 0.0;  // C1's rating: c1_peak_v * margin, V
  double c2_peak_v = 0.0;    // peak voltage across C2, V
  double c2_rating_v = 0.0;  // C2's rating, V
  // Shunt feed only: the blocking capacitor holds the supply and the RF peak.
  std::optional<double> blocking_peak_v;
  std::optional<double> blocking_rating_v;
};

// u_in_rms : RMS RF voltage across C1 (at the anode), V, >= 0
// u_c2_rms : RMS RF voltage across C2 (the load's, or the Pi-L's at Rm), V, >= 0
// e_supply : anode supply voltage, V, >= 0
// feed     : shunt or series
// margin   : kMarginMin <= margin <= kMarginMax
Ratings rate(double u_in_rms, double u_c2_rms, double e_supply, Feed feed, double margin);

}  // namespace ratings
