#pragma once

// The tank re-tuned for a load other than the one it was designed for: the
// coil (and its tap) stays as designed, the anode keeps its resistance R_oe,
// and only C1 and C2 move. Both networks are one topology here: C1 at the
// anode, the coil L (the Pi-L's L1) with its series loss omega L / Q0, C2,
// then the load — for the Pi-L through the series coil L2 with its own loss,
// for the plain Pi directly (L2 = 0). The capacitors are lossless. Double
// precision, SI units.
//
// Also the inverse: for a pair of settings of C1 and C2 the one load that
// presents R_oe at the anode, and the border of the loads a rectangle of
// settings can match (the region on a Smith chart).

#include <complex>
#include <optional>
#include <vector>

#include "main/pi_l_design.hpp"
#include "main/stage_record.hpp"

namespace retune {

using Complex = std::complex<double>;

// The loads on an SWR circle: 72 points 5 degrees apart in the reflection
// coefficient's angle, the first one the resistive load S R0.
inline constexpr int kLoadCount = 72;
inline constexpr double kLoadStepDeg = 5.0;

// The SWR a circle may have: above 1 (S = 1 is the design's load alone) and
// up to 10 (a reflection of 0.82: beyond that no tank of a fixed coil holds
// a useful share of the loads).
inline constexpr double kSwrAbove = 1.0;
inline constexpr double kSwrMax = 10.0;

// The Smith region's border: points on each of the four edges of the
// rectangle of settings, the first corner included, the next excluded.
inline constexpr int kBorderPointsPerEdge = 48;

// The search for the inductance that would match a load: from the design's
// L outwards, both ways at once, over kLSearchLow ... kLSearchHigh times it,
// in steps of 1/kLScanStepsPerDecade decade, then bisection of the first
// bracket to a relative width of kLTolerance. A matched stretch of L
// narrower than one scan step (6 %) may be passed over.
inline constexpr double kLSearchLow = 0.01;
inline constexpr double kLSearchHigh = 100.0;
inline constexpr int kLScanStepsPerDecade = 40;
inline constexpr double kLTolerance = 1e-9;

// True for an SWR the circle can be drawn for, kSwrAbove < s <= kSwrMax.
// s : standing-wave ratio
bool swr_in_range(double s);

// The kLoadCount loads on the circle of SWR s around r0, ohm.
// r0 : the design's load resistance, ohm, > 0;  s : SWR, kSwrAbove < s <= kSwrMax
std::vector<Complex> circle_loads(double r0, double s);

// The tank with its coil(s) fixed.
struct Tank {
  double f_hz = 0.0;      // working frequency, Hz, > 0
  double r_oe = 0.0;      // anode resistance to present, ohm, > 0
  double l_h = 0.0;       // the coil behind C1 (Pi: L, Pi-L: L1), H, > 0
  double l2_h = 0.0;      // the series coil to the load (Pi-L), H; 0 for the plain Pi
  double q0 = 0.0;        // unloaded Q of the coils, > 0 (infinity: lossless)
  double c_tube_f = 0.0;  // tube output plus wiring capacitance, F, >= 0
};

// Why a load is not matched.
enum class Reason {
  matched,
  invalid_load,       // the load is not a finite impedance with a positive resistance
  no_c2_solution,     // no C2 of any value gives the anode the conductance 1 / R_oe
  c2_negative,        // the conductance is reached only with C2 below 0
  c1_not_above_tube,  // C1 would be at or below the tube's capacitance
};

// The capacitor settings of a re-tuned tank.
struct Settings {
  double c1_total_f = 0.0;  // C1 with the tube's capacitance, F
  double c_hot_f = 0.0;     // C1 less the tube's (the variable's share), F
  double c2_f = 0.0;        // F
};

struct Match {
  Reason reason = Reason::matched;
  Settings settings;  // when matched
};

// C2 the largest capacitance >= 0 that gives the network behind C1 the
// conductance 1 / R_oe, C1 cancelling its susceptance.
// t : the tank;  z_load : the load, ohm, Re > 0
Match match(const Tank& t, Complex z_load);

// The inductance (Pi: L, Pi-L: L1; its loss omega L / Q0 with it) nearest the
// tank's, by ratio, at which match() would match z_load; none in the search
// range gives nullopt.
// t : the tank;  z_load : the load, ohm, Re > 0
std::optional<double> l_needed_h(const Tank& t, Complex z_load);

// The stage behind the tank: what it drives the anode with and the design's
// own settings at R0.
struct Stage {
  Tank tank;
  double p_h1_w = 0.0;       // first-harmonic power into the network, W, > 0
  double r0 = 0.0;           // the design's load resistance (also the load at 2f), ohm, > 0
  stage::PulseCoeffs pulse;  // a1, a2 of the anode current pulse, > 0
  Settings design;           // the design's C1 total and C2 at R0 (c_hot_f: C1 less the tube's)
};

// The tank working at a matched load, the anode driven as the design's:
// U = sqrt(P_h1 R_oe) RMS.
struct Operation {
  double p_out_w = 0.0;        // into the load, W
  double efficiency = 0.0;     // p_out / P_h1 (P_h1 less the coil losses)
  double i_l_a = 0.0;          // RMS current of L (L1), A
  double i_l2_a = 0.0;         // RMS current of L2, A (0 for the plain Pi)
  double i_c1_a = 0.0;         // RMS current of C1 total, A
  double i_c2_a = 0.0;         // RMS current of C2, A
  double u_c2_peak_v = 0.0;    // peak voltage across C2 (the Pi-L's middle node), V
  double u_load_peak_v = 0.0;  // peak voltage across the load, V
  double h2_db = 0.0;          // 10 lg(P_load(f) / P_R0(2f)), generator behind 10 R_oe, dB
  double filter_db = 0.0;      // the stage's suppression from h2_db as the engine forms it, dB
};

// One load of the circle.
struct Point {
  Complex z_load;
  Reason reason = Reason::matched;
  Settings settings;                 // when matched
  Operation operation;               // when matched
  std::optional<double> l_needed_h;  // when not matched: the inductance that would match, H

  bool matched() const { return reason == Reason::matched; }
};

// s : the stage;  z_load : the load, ohm, Re > 0
Point retune_at(const Stage& s, Complex z_load);

// retune_at for every load of circle_loads(s.r0, swr).
// s : the stage;  swr : kSwrAbove < swr <= kSwrMax
std::vector<Point> retune_circle(const Stage& s, double swr);

// 10 lg of the power into z_load at f over the power into r0 at 2f, with the
// settings given, driven by a generator behind 10 R_oe at the anode; for
// z_load = r0 the network's discrimination between f and 2f, dB.
// t : the tank;  c1_total_f, c2_f : F, > 0;  z_load : ohm, Re > 0;  r0 : ohm, > 0
double h2_db(const Tank& t, double c1_total_f, double c2_f, Complex z_load, double r0);

// --- The Smith region.

// The load that presents R_oe at the anode with these settings, ohm; it may
// lie outside the chart (Re < 0) where no passive load is matched.
// t : the tank;  c1_total_f : C1 with the tube's, F, > 0;  c2_f : F, >= 0
Complex load_for_settings(const Tank& t, double c1_total_f, double c2_f);

// The rectangle of settings, C1 total with the tube's (and the padders).
struct SettingsRange {
  double c1_min_f = 0.0, c1_max_f = 0.0;  // F, 0 < min < max
  double c2_min_f = 0.0, c2_max_f = 0.0;  // F, 0 <= min < max
};

// The settings, none, one or two, with which the tank presents R_oe to the
// anode for this load: one per root of the node's susceptance, C2 of
// either sign, C1 total with the tube's.
// t : the tank;  z_load : the load, ohm, Re > 0 (any other: none)
std::vector<Settings> settings_for_load(const Tank& t, Complex z_load);

// True when some setting of the rectangle (C1 and C2 each within its range,
// ends included) presents R_oe with this load: the load lies in the region.
// t : the tank;  r : the rectangle;  z_load : the load, ohm
bool in_region(const Tank& t, const SettingsRange& r, Complex z_load);

// The loads of the rectangle's border, edge by edge (C1 rising at C2 min, C2
// rising at C1 max, C1 falling at C2 max, C2 falling at C1 min), a closed
// polygon of 4 kBorderPointsPerEdge points, ohm.
// t : the tank;  r : the rectangle
std::vector<Complex> region_border(const Tank& t, const SettingsRange& r);

// --- The stages of the designs.

// A completed plain-Pi calculation (outcome completed).
// record : its record, final_elements set
Stage from_pi_record(const stage::StageRecord& record);

// A completed Pi-L design.
// d : the design;  in : its starting values, SI units
Stage from_pi_l_design(const design::PiLDesign& d, const stage::StageInputs& in);

}  // namespace retune
