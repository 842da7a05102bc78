#include "main/design.hpp"

#include <array>
#include <cmath>
#include <cstdint>

#include "main/starting_values.hpp"
#include "main/warnings.hpp"
#include "matching/polosa_s11.hpp"
#include "matching/s11s22f.hpp"
#include "network/calculations.hpp"
#include "pulse/ishsignal.hpp"
#include "pulse/nml1.hpp"

namespace design {

namespace {

// The anode current pulse: 2048 samples over one period of 2 pi rad.
constexpr int kLastSample = 2047;
constexpr int kTransformLength = 2048;
constexpr float kPeriodRad = 6.283185f;
constexpr float kSqrt2 = 1.4142135f;

// The power is raised by 0.1 % to step off a near-singular element solution.
constexpr float kPowerNudge = 1.001f;

// The sweeps: from 1000 Hz (pass-band) or 0.7 f (S11) up to 1.3 f.
constexpr float kSweepStartHz = 1000.0f;
constexpr float kSweepLowFactor = 0.7f;
constexpr float kSweepHighFactor = 1.3f;

// The working values of one calculation, SI units.
struct Working {
  float p_out = 0.0f;
  float u_in_rms = 0.0f;
  float q_loaded = 0.0f;
  float eff_network = 0.0f;
  float p_h1 = 0.0f;
  float r_oe = 0.0f;
  float r_ratio = 0.0f;
  calculations::Elements elements;
  spectrum::Filtering filtering;
};

// The four assignments that follow every change of the loaded Q or the power.
void recompute_load(Working& w, const stage::StageInputs& in) {
  w.eff_network = 1.0f - w.q_loaded / in.q_unloaded;
  w.p_h1 = w.p_out / w.eff_network;
  w.r_oe = w.u_in_rms * w.u_in_rms / w.p_h1;
  w.r_ratio = w.r_oe / in.r_load;
}

// The loaded Q, the load and the elements of a pass prepared in `from`.
void take_load_and_elements(Working& w, const Working& from) {
  w.q_loaded = from.q_loaded;
  w.eff_network = from.eff_network;
  w.p_h1 = from.p_h1;
  w.r_oe = from.r_oe;
  w.r_ratio = from.r_ratio;
  w.elements = from.elements;
}

void compute_elements(Working& w, const stage::StageInputs& in) {
  w.elements =
      calculations::element(w.r_oe, in.r_load, w.eff_network, w.r_ratio, w.q_loaded, in.f_hz);
}

bool past_limits(const Working& w, const stage::StageInputs& in) {
  return design::past_limits(w.eff_network, w.q_loaded, in.q_unloaded);
}

// The element currents and reactive powers of the network in w, as
// garmonica2 gives them; the suppression stays the one of garmonica1.
void take_element_quantities(Working& w, const stage::StageInputs& in) {
  const float network_h2_db = w.filtering.network_h2_db;
  const calculations::Elements& e = w.elements;
  w.filtering = spectrum::garmonica2(w.u_in_rms, e.c1, e.c2, e.l_coil, w.r_oe, in.r_load, in.f_hz,
                                     in.q_unloaded);
  w.filtering.network_h2_db = network_h2_db;
}

// garmonica1 and garmonica2 for the network in w; returns the stage's
// suppression, dB.
float filter_network(Working& w, const stage::StageInputs& in, float h2_ratio_db) {
  const calculations::Elements& e = w.elements;
  w.filtering.network_h2_db = spectrum::garmonica1(w.u_in_rms, e.c1, e.c2, e.l_coil, w.r_oe,
                                                   in.r_load, in.f_hz, in.q_unloaded)
                                  .network_h2_db;
  take_element_quantities(w, in);
  return stage_suppression_db(w.filtering.network_h2_db, h2_ratio_db);
}

// The exact suppression of a search pass matters only when it may end the
// search. While |V_out(f) / V_out(2f)| lies clearly below the level that
// meets filter_db, the pass continues the search whatever the exact value,
// so the search skips forming it. "Clearly" is 0.05 dB on the wide squares of
// the two voltages; the single-precision suppression, summed and corrected
// in float with all terms below 1000 dB, is within 1e-3 dB of the exact one.
class SuppressionGoal {
 public:
  // filter_db   : required suppression, dB
  // h2_ratio_db : suppression the pulse itself gives, dB
  SuppressionGoal(float filter_db, float h2_ratio_db) {
    const double goal_db = static_cast<double>(filter_db) - static_cast<double>(h2_ratio_db) +
                           static_cast<double>(kSuppressionCorrectionDb);
    usable_ = std::fabs(filter_db) < 1000.0f && std::fabs(h2_ratio_db) < 1000.0f &&
              std::fabs(goal_db) < 200.0;
    ratio_wide_ = usable_ ? std::pow(10.0, (goal_db - 0.05) / 10.0) : 0.0;
  }

  // True when the network's suppression certainly stays below the goal.
  bool certainly_missed(const spectrum::HarmonicVoltages& v) const {
    if (!usable_) return false;
    const double at_f = cplx::squared_modulus_wide(v.at_f);
    const double at_2f = cplx::squared_modulus_wide(v.at_2f);
    return at_2f >= 1e-60 && at_2f <= 1e60 && at_f < ratio_wide_ * at_2f;
  }

 private:
  bool usable_ = false;
  double ratio_wide_ = 0.0;
};

// Critical Q: the first load at the starting loaded Q, raised to the
// critical-Q margin when that lies higher. Gives the critical Q.
float first_load(Working& w, const stage::StageInputs& in) {
  w.p_out = in.p_out;
  w.u_in_rms = first_harmonic_u_rms(in);
  w.q_loaded = kStartingLoadedQ;
  recompute_load(w, in);
  const float q_critical = calculations::qkritich(w.r_oe, in.r_load, w.eff_network);
  if (below_critical_margin(w.q_loaded, q_critical)) {
    w.q_loaded = kCriticalQMargin * q_critical;
    recompute_load(w, in);
  }
  return q_critical;
}

// kHarmonicLanes passes of the loaded-Q search, each kQStep above the one
// before, starting from the loaded Q in w: load, elements and the load
// voltages at f and 2f.
constexpr std::size_t kLanes = spectrum::kHarmonicLanes;
struct Passes {
  std::array<Working, kLanes> pass;
  std::array<spectrum::HarmonicVoltages, kLanes> voltages;
};

Passes prepare_passes(const Working& w, const stage::StageInputs& in) {
  Passes p;
  std::array<float, kLanes> q_loaded, eff_network, r_oe, r_ratio;
  float q = w.q_loaded;
  for (std::size_t k = 0; k < kLanes; ++k) {
    q = q + kQStep;
    q_loaded[k] = q;
  }
  for (std::size_t k = 0; k < kLanes; ++k) {  // recompute_load, lane by lane
    Working& pass = p.pass[k];
    pass.q_loaded = q_loaded[k];
    eff_network[k] = 1.0f - q_loaded[k] / in.q_unloaded;
    pass.eff_network = eff_network[k];
    pass.p_h1 = w.p_out / eff_network[k];
    r_oe[k] = w.u_in_rms * w.u_in_rms / pass.p_h1;
    pass.r_oe = r_oe[k];
    r_ratio[k] = r_oe[k] / in.r_load;
    pass.r_ratio = r_ratio[k];
  }
  const std::array<calculations::Elements, kLanes> elements =
      calculations::element_lanes(r_oe, in.r_load, eff_network, r_ratio, q_loaded, in.f_hz);
  for (std::size_t k = 0; k < kLanes; ++k) p.pass[k].elements = elements[k];
  p.voltages =
      spectrum::harmonic_voltages(w.u_in_rms, elements, r_oe, in.r_load, in.f_hz, in.q_unloaded);
  return p;
}

struct SearchEnd {
  float filter_achieved_db = 0.0f;  // dB
  bool power_nudged = false;        // p_out in w was raised by kPowerNudge at least once
};

// Loaded-Q search: raises the loaded Q in w until the second harmonic is
// suppressed by in.filter_db, or a limit stops it; w ends with the network of
// the last pass. Only a pass that may end the search needs the exact
// suppression (see SuppressionGoal), and only the last its element
// quantities. Passes after the one that ends the search or fails are dropped.
// h2_ratio_db : suppression the pulse itself gives, dB
SearchEnd search_loaded_q(Working& w, const stage::StageInputs& in, float h2_ratio_db) {
  const SuppressionGoal goal(in.filter_db, h2_ratio_db);
  SearchEnd end;
  bool searched = false;
  bool searching = in.filter_db > end.filter_achieved_db;
  while (searching) {
    const Passes p = prepare_passes(w, in);
    for (std::size_t k = 0; k < kLanes; ++k) {
      take_load_and_elements(w, p.pass[k]);
      if (w.elements.failed != 0) {
        // Near-singular: try the same loaded Q again with a little more power.
        end.power_nudged = true;
        w.q_loaded = w.q_loaded - kQStep;
        w.p_out = kPowerNudge * w.p_out;
        break;
      }
      searched = true;
      const bool at_limit = past_limits(w, in);
      // A skipped pass leaves filter_achieved_db at a value that already kept
      // the search going, so the search goes on as the exact value would.
      if (!at_limit && goal.certainly_missed(p.voltages[k])) continue;
      w.filtering.network_h2_db = spectrum::network_h2_db(p.voltages[k]);
      end.filter_achieved_db = stage_suppression_db(w.filtering.network_h2_db, h2_ratio_db);
      if (at_limit || !(in.filter_db > end.filter_achieved_db)) {
        searching = false;
        break;
      }
    }
  }
  if (searched) take_element_quantities(w, in);
  return end;
}

// Hot capacitance: when C1 leaves the variable capacitor less than its
// minimum, asks whether to raise the loaded Q, and raises it on yes until it
// does (or a limit stops it). Gives hot_cap_warning: 1 when the raise was
// declined. filter_achieved_db (dB) is formed again for a raised network.
std::int32_t settle_hot_capacitance(Working& w, const stage::StageInputs& in, float h2_ratio_db,
                                    DesignConsole& console, float& filter_achieved_db) {
  const float c1_needed = in.c_tube + in.c_var_min;
  if (!(c1_needed > w.elements.c1)) return 0;
  const HotCapText text =
      (in.c_tube > w.elements.c1) ? HotCapText::below_tube : HotCapText::below_var_min;
  if (!console.ask_raise_loaded_q(text)) return 1;
  while (true) {
    if (w.elements.c1 >= in.c_tube + in.c_var_min) break;
    w.q_loaded = w.q_loaded + kQStep;
    recompute_load(w, in);
    compute_elements(w, in);
    if (past_limits(w, in)) break;
  }
  filter_achieved_db = filter_network(w, in, h2_ratio_db);
  return 0;
}

// Sweeps: the pass-band and the reflections of the final network.
struct Sweeps {
  float passband_hz = 0.0f;   // Hz
  float s11_band_khz = 0.0f;  // kHz
  s11s22f::Reflections reflections;
};

Sweeps sweep_final_network(const Working& w, const stage::StageInputs& in) {
  const calculations::Elements& e = w.elements;
  const SweepPlan s = sweep_plan(in.f_hz);
  Sweeps out;
  out.passband_hz = spectrum::afr2(e.c1, e.c2, e.l_coil, w.u_in_rms, w.r_oe, in.r_load,
                                   in.q_unloaded, s.start_hz, s.step_hz, s.count);
  out.s11_band_khz = polosa_s11::s11polosa(in.q_unloaded, e.c1, e.c2, e.l_coil, s.f_low_hz,
                                           s.step_hz, s.s11_points, w.r_oe, in.r_load);
  out.reflections = s11s22f::fs11(in.f_hz, in.q_unloaded, w.r_oe, in.r_load, e.c1, e.c2, e.l_coil);
  return out;
}

// What the result assembly takes besides the working values.
struct Found {
  stage::PulseCoeffs a;
  float q_critical = 0.0f;
  float c1_optimum = 0.0f;          // F, C1 of the search, before any raise
  float filter_achieved_db = 0.0f;  // dB
  // W: the working p_out divided once by kPowerNudge when the search nudged
  // it, however many times it did (the console programs' own arithmetic,
  // kept for their results), else the working p_out itself.
  float p_output = 0.0f;
  Sweeps sweeps;
};

// Results: the 34 results in report units.
stage::StageResults assemble_results(const Working& w, const stage::StageInputs& in,
                                     const Found& f) {
  const calculations::Elements& e = w.elements;
  const spectrum::Filtering& h = w.filtering;
  const AnodeCircuit anode = anode_circuit(w.p_h1, w.u_in_rms, f.a, in.e_supply);
  const float i_h1 = anode.i_h1_a;
  const float i_peak = anode.i_peak_a;
  const float i_dc = anode.i_dc_a;
  const float p_supply = anode.p_supply_w;
  const float eff_anode = anode.eff_anode;
  const float c_hot_pf = (e.c1 - in.c_tube) * 1e12f;
  return {
      f.p_output,
      w.p_h1,
      p_supply,
      w.p_h1 - w.p_out,
      p_supply - w.p_h1,
      w.eff_network * 100.0f,
      eff_anode * 100.0f,
      w.eff_network * eff_anode * 100.0f,
      i_peak * 1000.0f,
      i_h1 * 1000.0f,
      i_dc * 1000.0f,
      (in.e_supply - in.u_min) / in.e_supply,
      f.filter_achieved_db,
      0.001f * f.sweeps.passband_hz,
      w.q_loaded,
      f.q_critical,
      w.r_oe,
      f.c1_optimum * 1e12f,
      e.c1 * 1e12f,
      c_hot_pf < 0.0f ? 0.0f : c_hot_pf,
      e.l_coil * 1e6f,
      e.c2 * 1e12f,
      h.q_c1_var,
      h.q_c2_var,
      h.q_l_var,
      h.i_coil_a,
      h.i_c1_a,
      h.i_c2_a,
      w.u_in_rms,
      std::sqrt(in.r_load * in.p_out),
      second_harmonic_power_mw(w.p_h1, f.filter_achieved_db),
      f.sweeps.reflections.s11,
      f.sweeps.reflections.s22,
      f.sweeps.s11_band_khz,
  };
}

// Takes the starting values into the record and clears what the last
// calculation left.
void begin(stage::StageRecord& record) {
  record.f_mhz_shown = starting_values::hertz_to_mhz(record.start.f_hz);
  record.inputs = record.start;
  record.hot_cap_warning = 0;
  record.results = {};
  record.pulse_coeffs = {};
  record.final_elements = {};
  record.warnings.clear();
}

}  // namespace

stage::PulseCoeffs pulse_coefficients(const stage::StageInputs& in) {
  std::array<float, kTransformLength> samples{};
  ishsignal::signal(0.0f, kPeriodRad, kLastSample, samples, in.cutoff_deg, in.tube_exponent);
  const std::array<cplx::Complex, 3> terms = nml1::dft1(kTransformLength, samples);
  return {cplx::modulus(terms[0]), cplx::modulus(terms[1]), cplx::modulus(terms[2])};
}

float pulse_h2_ratio_db(const stage::PulseCoeffs& a) {
  return 20.0f * std::log10(a.a1 / a.a2);
}

float first_harmonic_u_rms(const stage::StageInputs& in) {
  return (in.e_supply - in.u_min) / kSqrt2;
}

bool below_critical_margin(float q_loaded, float q_critical) {
  return kCriticalQMargin * q_critical > q_loaded;
}

bool past_limits(float eff_network, float q_loaded, float q_unloaded) {
  return eff_network < kLowestNetworkEfficiency || q_loaded > kHighestLoadedQShareOfQ0 * q_unloaded;
}

float stage_suppression_db(float network_h2_db, float h2_ratio_db) {
  return network_h2_db + h2_ratio_db - kSuppressionCorrectionDb;
}

AnodeCircuit anode_circuit(float p_h1, float u_in_rms, const stage::PulseCoeffs& a,
                           float e_supply) {
  AnodeCircuit c;
  c.i_h1_a = kSqrt2 * p_h1 / u_in_rms;
  c.i_peak_a = c.i_h1_a / a.a1;
  c.i_dc_a = a.a0 * c.i_peak_a;
  c.p_supply_w = e_supply * c.i_dc_a;
  c.eff_anode = p_h1 / c.p_supply_w;
  return c;
}

bool refused_by_critical_q(float q_critical, float q_unloaded) {
  return q_critical > kCriticalQShareOfQ0 * q_unloaded;
}

float second_harmonic_power_mw(float p_h1, float filter_achieved_db) {
  return 1000.0f * p_h1 / std::pow(10.0f, 0.1f * filter_achieved_db);
}

SweepPlan sweep_plan(float f_hz) {
  SweepPlan s;
  s.start_hz = kSweepStartHz;
  const float f_high = kSweepHighFactor * f_hz;
  s.f_low_hz = kSweepLowFactor * f_hz;
  const calculations::SweepStep step = calculations::delta(f_hz, s.start_hz, f_high);
  s.step_hz = step.step;
  s.count = step.count;
  s.s11_points =
      step.count -
      static_cast<std::int32_t>(std::lround(s.f_low_hz * static_cast<float>(step.count) / f_high));
  return s;
}

spectrum::Network final_network(const stage::StageRecord& record) {
  const stage::FinalElements& e = record.final_elements;
  return {e.c1, e.c2, e.l_coil, record.inputs.r_load, record.inputs.q_unloaded};
}

response::PiTank pi_tank(const stage::StageRecord& record) {
  response::PiTank n;
  n.net = final_network(record);
  n.r_oe = record.results.r_oe;
  n.u_in_rms = record.results.u_in_rms;
  n.f_hz = record.inputs.f_hz;
  return n;
}

Discrimination plain_pi_discrimination(const stage::StageRecord& record) {
  const spectrum::Network n = final_network(record);
  const stage::StageResults& r = record.results;
  const float f = record.inputs.f_hz;
  Discrimination d;
  d.h2_db =
      spectrum::garmonica1(r.u_in_rms, n.c1, n.c2, n.l_coil, r.r_oe, n.r_load, f, n.q_unloaded)
          .network_h2_db;
  // garmonica1's generator: twice the anode voltage behind ten times R_oe.
  const float e_g = 2.0f * r.u_in_rms;
  const float r_g = 10.0f * r.r_oe;
  const cplx::Complex at_f = spectrum::solve(n, f, e_g, r_g).v_out;
  const cplx::Complex at_3f = spectrum::solve(n, 3.0f * f, e_g, r_g).v_out;
  d.h3_db = 20.0f * std::log10(cplx::modulus(at_f / at_3f));
  return d;
}

Outcome run_design(stage::StageRecord& record, DesignConsole& console) {
  console.announce_calculation();
  begin(record);
  const stage::StageInputs& in = record.inputs;
  Found f;
  f.a = pulse_coefficients(in);
  Working w;
  f.q_critical = first_load(w, in);
  if (refused_by_critical_q(f.q_critical, in.q_unloaded)) return Outcome::refused_critical_q;
  const float h2_ratio_db = pulse_h2_ratio_db(f.a);
  const SearchEnd search = search_loaded_q(w, in, h2_ratio_db);
  f.filter_achieved_db = search.filter_achieved_db;
  f.c1_optimum = w.elements.c1;
  record.hot_cap_warning =
      settle_hot_capacitance(w, in, h2_ratio_db, console, f.filter_achieved_db);
  f.sweeps = sweep_final_network(w, in);
  f.p_output = search.power_nudged ? w.p_out / kPowerNudge : w.p_out;
  record.start.p_out = f.p_output;
  record.pulse_coeffs = f.a;
  record.results = assemble_results(w, in, f);
  record.final_elements = {w.elements.c1, w.elements.c2, w.elements.l_coil};
  record.warnings = warnings::decide(record.results, record.hot_cap_warning);
  return Outcome::completed;
}

}  // namespace design
