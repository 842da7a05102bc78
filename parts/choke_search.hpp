#pragma once

// The anode choke's turns for a set of bands: of the turns a winding can
// take, those that keep every band farthest from the choke's series
// resonances (where it shorts the anode), each with its resonances and the
// C1 it costs on the lowest band. SI units unless a name says otherwise.
//
// Admissible turns: on the lowest band the choke is inductive (the band
// below its first parallel resonance) with a reactance of at least
// x_min R_oe. A choke above its first parallel resonance on the lowest band
// is not admitted, however far its series resonances lie: builders want an
// inductive choke there, and its capacitive reactance would come from the
// distributed and stray capacitance the model knows least (the lambda/4 mode
// 13-14 % high against measured coils; the cabinet lowers every resonance),
// so neither its size nor the C1 it frees could be trusted. The admissible
// turns are then one interval, from the fewest that reach x_min R_oe (the
// reactance rises with the turns up to the first parallel resonance) to just
// below the turns whose first parallel resonance falls on the lowest band,
// or coil::kMaxTurns.
//
// Margin of a turns count: the least, over the bands, of
// |f_band - f_series| / f_band, f_series the series resonance nearest that
// band on either side. Every series resonance counts, above 60 MHz too,
// however far: the nearest one above the highest band always exists (the
// line's phase rises without bound), so the margin is a continuous function
// of the turns and chokes whose series resonances all lie above the bands
// are ranked by how far above.
//
// The search: the turns from the fewest admissible upward in steps of
// kScanStepTurns, each local maximum of the margin that could rank among
// the best refined by golden section, the best kBestCount returned, best
// first, each a distinct local maximum (fewer when the margin has fewer, as
// when it only falls with the turns). The margin's slope is at most
// (1 + margin) / N per turn, so a peak missed between two steps is above
// them by at most kScanStepTurns (1 + margin) / N.
//
// The search is uncalibrated (choke::Choke::length_scale = 1): a measured
// series resonance calibrates the one winding it was measured on, not the
// other turns counts. Wind the chosen choke, measure it, set its
// choke::length_scale and evaluate() it again.

#include <cstddef>
#include <optional>
#include <vector>

#include "parts/choke.hpp"
#include "parts/coil.hpp"

namespace choke_search {

// The floor for the choke's reactance on the lowest band, as a share of the
// anode load resistance there: K4FMX's smallest choke, about 1 kohm on
// 160 m for a 2000 ohm plate load.
constexpr double kDefaultXMin = 0.5;
// The scan's step, turns: a step moves the resonances of N turns by about
// 0.02 / N relative, far below the few percent that separate a safe band
// from a dangerous one.
constexpr double kScanStepTurns = 0.02;
// How many of the best turns counts are returned.
constexpr std::size_t kBestCount = 5;

struct Request {
  coil::Geometry g;              // the winding, metres (choke::Choke's)
  std::vector<double> bands_hz;  // working frequencies, Hz, each 1e5 <= f <= 6e7, any order
  double r_oe_ohm = 0.0;         // anode load resistance on the lowest band, ohm, > 0
  double x_min = kDefaultXMin;   // reactance floor on the lowest band over r_oe_ohm, >= 0
  double min_margin_pct = 0.0;   // a count is returned only when its margin exceeds this, %, >= 0
};

// Why no turns count was returned; none when some were.
enum class Reason {
  none,
  invalid_winding,          // coil::check finds a problem with the winding
  invalid_bands,            // no bands, or one outside 1e5..6e7 Hz (or not a number)
  invalid_limits,           // r_oe_ohm not > 0, x_min or min_margin_pct not >= 0
  reactance_below_minimum,  // no inductive count up to coil::kMaxTurns reaches x_min R_oe
  series_resonance_at_band  // every admissible count has a band within min_margin_pct of a series
                            // resonance
};

// One turns count of the winding against the bands.
struct Candidate {
  double turns = 0.0;                // fractional allowed
  double inductance_uh = 0.0;        // coil::inductance, uH
  std::vector<double> parallel_mhz;  // parallel resonances in 0.1..60 MHz, lowest first
  std::vector<double> series_mhz;    // series resonances in 0.1..60 MHz, lowest first
  double margin_pct = 0.0;  // the least distance of a band from its nearest series resonance, %
  double nearest_band_mhz = 0.0;    // the band at that least distance
  double nearest_series_mhz = 0.0;  // the series resonance nearest it (may lie above 60 MHz)
  double x_lowest_ohm = 0.0;        // the choke's reactance on the lowest band, ohm
  double c1_change_pf = 0.0;        // feed::c1_change_f on the lowest band, pF
  // Each band's own nearest series resonance (either side, above 60 MHz
  // too) and its distance, in the order of the bands given.
  std::vector<double> band_series_mhz;
  std::vector<double> band_distance_pct;  // |f_band - f_series| / f_band, %
};

struct Result {
  std::vector<Candidate> best;  // at most kBestCount, largest margin first; empty with a reason
  Reason reason = Reason::none;
  double min_turns = 0.0;  // the admissible interval scanned (0 when the request is invalid
  double max_turns = 0.0;  // or no count is admissible)
};

// The best turns counts of r.g for r.bands_hz (see the top of this file).
// r : the winding, bands and limits, each member's unit and range above
Result search(const Request& r);

// One choke, calibrated or not, against the bands; nullopt for an invalid
// choke (see choke::Choke) or bands (as Request::bands_hz).
// c : the choke;  bands_hz : working frequencies, Hz, each 1e5 <= f <= 6e7, at least one
std::optional<Candidate> evaluate(const choke::Choke& c, const std::vector<double>& bands_hz);

}  // namespace choke_search
