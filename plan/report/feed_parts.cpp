#include "plan/report/feed_parts.hpp"

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "parts/feed.hpp"

namespace plan {

namespace {

constexpr double kHzPerMhz = 1e6;
constexpr double kPfPerF = 1e12;
constexpr double kAPerMa = 1e-3;
constexpr double kPercent = 100.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// How far above a measured series resonance the model's own first one is
// looked for: far beyond the 13-14 % the model errs by against measured coils.
constexpr double kModelSeriesReach = 4.0;

double d(float x) {
  return static_cast<double>(x);
}

}  // namespace

std::optional<ChokeSummary> choke_summary(const PartsOptions& options,
                                          const std::vector<float>& f_mhz) {
  if (!options.choke || f_mhz.empty()) return std::nullopt;
  const ChokeOptions& o = *options.choke;
  ChokeSummary s;
  s.choke = {geometry(o.winding), d(o.turns), 1.0};
  if (o.series_mhz) {
    const double measured_hz = d(*o.series_mhz) * kHzPerMhz;
    const choke::Resonances own =
        choke::resonances(s.choke, choke::kLowestHz, kModelSeriesReach * measured_hz);
    s.model_series_mhz = own.series_hz.empty() ? kNaN : own.series_hz.front() / kHzPerMhz;
    s.choke.length_scale = choke::length_scale(s.choke, measured_hz);
    s.calibrated = true;
  }
  std::vector<double> bands_hz;
  bands_hz.reserve(f_mhz.size());
  for (const float f : f_mhz) bands_hz.push_back(d(f) * kHzPerMhz);
  const std::optional<choke_search::Candidate> at = choke_search::evaluate(s.choke, bands_hz);
  if (!at) return std::nullopt;
  s.at_bands = *at;
  s.r_dc_ohm = choke::dc_resistance(s.choke);
  return s;
}

FeedDrive pi_feed_drive(const Design& design) {
  const stage::StageResults& r = design.record.results;
  FeedDrive v;
  v.f_hz = d(design.f_mhz) * kHzPerMhz;
  v.u_anode_rms = d(r.u_in_rms);
  v.i_anode_rms = d(r.p_h1) / d(r.u_in_rms);
  v.i_dc_a = d(r.i_dc_ma) * kAPerMa;
  v.r_oe_ohm = d(r.r_oe);
  v.p_out_w = d(design.record.inputs.p_out);
  v.c1_total_pf = d(r.c1_total_pf);
  return v;
}

FeedDrive pi_l_feed_drive(const Design& design) {
  const design::PiLResults& r = design.pi_l->design.results;
  FeedDrive v;
  v.f_hz = d(design.f_mhz) * kHzPerMhz;
  v.u_anode_rms = d(r.u_c1_rms);
  v.i_anode_rms = d(r.p_h1) / d(r.u_c1_rms);
  v.i_dc_a = d(r.p_supply) / d(design.record.inputs.e_supply);
  v.r_oe_ohm = d(r.r_oe);
  v.p_out_w = d(design.record.inputs.p_out);
  v.c1_total_pf = d(r.c1_total_pf);
  return v;
}

ChokeAt choke_at(const ChokeSummary& s, std::size_t k, const FeedDrive& drive,
                 const TypedInputs& typed, const PartsOptions& options) {
  const std::complex<double> z = choke::impedance(s.choke, drive.f_hz);
  ChokeAt c;
  c.x_ohm = z.imag();
  c.r_ohm = z.real();
  c.z_ohm = std::abs(z);
  c.i_rf_a = drive.u_anode_rms / c.z_ohm;
  c.loss_w = c.i_rf_a * c.i_rf_a * c.r_ohm;
  c.delta_c1_pf = feed::c1_change_f(drive.f_hz, c.x_ohm) * kPfPerF;
  if (options.capacitors) {
    // The variable supplies C1 less the tube's, and now the choke's share too.
    const double need = drive.c1_total_pf + c.delta_c1_pf - d(typed.c_tube);
    c.c1 = tuning::setting(need, d(typed.c_var_min), d(options.capacitors->c1_max_pf));
  }
  c.nearest_series_mhz = s.at_bands.band_series_mhz.at(k);
  c.nearest_series_pct = s.at_bands.band_distance_pct.at(k);
  c.i_dc_a = drive.i_dc_a;
  c.dc_drop_v = s.r_dc_ohm * drive.i_dc_a;
  c.j_a_mm2 = feed::current_density_a_per_mm2(std::hypot(drive.i_dc_a, c.i_rf_a), s.choke.g.wire_m);
  return c;
}

BlockingAt blocking_at(double c_min_pf, double c_pf, const FeedDrive& drive) {
  BlockingAt b;
  b.c_min_pf = c_min_pf;
  b.c_pf = c_pf;
  const double x_ohm = 1.0 / (2.0 * std::numbers::pi * drive.f_hz * c_pf / kPfPerF);
  b.x_pct = x_ohm / drive.r_oe_ohm * kPercent;
  b.i_rf_a = drive.i_anode_rms;
  b.q_var = b.i_rf_a * b.i_rf_a * x_ohm;
  return b;
}

void add_feed(const std::vector<Design>& designs, std::vector<std::optional<Parts>>& parts,
              const TypedInputs& typed, const PartsOptions& options,
              const std::optional<ChokeSummary>& choke, FeedDrive (*drive)(const Design&)) {
  if (options.feed != ratings::Feed::shunt) return;
  std::optional<std::size_t> lowest;
  for (std::size_t k = 0; k < designs.size() && k < parts.size(); ++k) {
    if (parts[k] && (!lowest || designs[k].f_mhz < designs[*lowest].f_mhz)) lowest = k;
  }
  if (!lowest) return;
  const FeedDrive low = drive(designs[*lowest]);
  const double c_min_pf = feed::blocking_capacitance_f(low.f_hz, low.r_oe_ohm) * kPfPerF;
  const double c_pf = options.blocking_pf ? d(*options.blocking_pf) : c_min_pf;
  for (std::size_t k = 0; k < designs.size() && k < parts.size(); ++k) {
    if (!parts[k]) continue;
    const FeedDrive at = drive(designs[k]);
    parts[k]->blocking = blocking_at(c_min_pf, c_pf, at);
    if (choke) parts[k]->choke = choke_at(*choke, k, at, typed, options);
  }
}

}  // namespace plan
