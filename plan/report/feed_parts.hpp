#pragma once

// The shunt feed's parts in the designs: the anode choke of the choke
// options and the blocking capacitor before C1, at each band of each
// network. The choke's line and resonances are parts/choke.hpp, its
// resonances against the bands parts/choke_search.hpp, the feed's rules
// parts/feed.hpp; here is what a design's anode asks of them.
//
// The choke sits on the anode in parallel with the tank's input: its RF
// current is the anode's RMS voltage over |Z|, its loss I^2 R, and C1 makes
// up for its susceptance by 1 / (omega X). Its wire carries the stage's DC
// current and that RF current; the current density is of their RMS sum,
// sqrt(I_dc^2 + I_rf^2). The blocking capacitor carries the anode's RF
// current into the tank, the RMS of the first harmonic, P_h1 / U_anode.

#include <optional>
#include <vector>

#include "parts/choke.hpp"
#include "parts/choke_search.hpp"
#include "plan/report/parts.hpp"
#include "plan/report/stage_design.hpp"

namespace plan {

// The choke's loss is warned of above this share of the output power: the
// 1 % of the rule that a choke of 100 times the tank coil's inductance
// draws about 1 % of the tank's current.
inline constexpr double kChokeLossShare = 0.01;
// The choke wire's current density is warned of above this, A/mm^2: the
// usual limit for a winding in still air.
inline constexpr double kChokeDensityLimit = 4.0;

// The choke of the options over the run's bands: its model (calibrated when
// a series resonance was measured), its resonances in 0.1-60 MHz and each
// band's nearest series resonance.
struct ChokeSummary {
  choke::Choke choke;
  choke_search::Candidate at_bands;  // its bands in the order of the designs
  double r_dc_ohm = 0.0;             // the wire's resistance to direct current
  bool calibrated = false;
  // Calibrated: the first series resonance the model itself gives, MHz (NaN
  // when it lies above four times the measured one).
  double model_series_mhz = 0.0;
};

// nullopt without the choke options.
// options : the run's parts options, within parts_range;  f_mhz : the bands, MHz, 0.1..60
std::optional<ChokeSummary> choke_summary(const PartsOptions& options,
                                          const std::vector<float>& f_mhz);

// What a network's completed design drives the feed with at its band.
struct FeedDrive {
  double f_hz = 0.0;
  double u_anode_rms = 0.0;  // V, across C1
  double i_anode_rms = 0.0;  // A, the first harmonic into the tank: P_h1 / U
  double i_dc_a = 0.0;       // the stage's DC anode current, P_supply / E
  double r_oe_ohm = 0.0;     // the anode load resistance
  double p_out_w = 0.0;      // the required output power
  double c1_total_pf = 0.0;  // C1 with the tube's capacitance
};

// The plain Pi's and the Pi-L's drive of a completed design (the Pi-L's: of
// a design whose Pi-L completed).
FeedDrive pi_feed_drive(const Design& design);
FeedDrive pi_l_feed_drive(const Design& design);

// The choke at band k of the summary, driven by d; C1's variable with the
// compensation when the options have the capacitors.
// s : the run's choke;  k : the band's place in the designs;  d : the network's drive there
// typed : the starting values (C_tube, Cvar,min, pF);  options : the run's parts options
ChokeAt choke_at(const ChokeSummary& s, std::size_t k, const FeedDrive& d, const TypedInputs& typed,
                 const PartsOptions& options);

// The blocking capacitor c_pf at a band driven by d.
// c_min_pf : the smallest of the run, pF, > 0;  c_pf : the one checked, pF, > 0
BlockingAt blocking_at(double c_min_pf, double c_pf, const FeedDrive& d);

// Fills choke and blocking of each band's parts of a network (nothing with
// series feed): the blocking capacitor's smallest capacitance from the
// network's lowest band with parts.
// designs : the run's;  parts : the network's, one per design
// typed, options : the run's;  choke : choke_summary of the run
// drive : the network's (pi_feed_drive, pi_l_feed_drive)
void add_feed(const std::vector<Design>& designs, std::vector<std::optional<Parts>>& parts,
              const TypedInputs& typed, const PartsOptions& options,
              const std::optional<ChokeSummary>& choke, FeedDrive (*drive)(const Design&));

}  // namespace plan
