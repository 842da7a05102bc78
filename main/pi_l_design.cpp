#include "main/pi_l_design.hpp"

#include <cmath>

#include "main/design.hpp"
#include "network/calculations.hpp"

namespace design {

namespace {

// SI units to report units.
constexpr double kFaradToPicofarad = 1e12;
constexpr double kHenryToMicrohenry = 1e6;
constexpr double kHertzToKilohertz = 1e-3;
constexpr float kPercent = 100.0f;

float narrow(double v) {
  return static_cast<float>(v);
}

// One pass at a loaded Q, with its outcome when it cannot be used.
struct Step {
  pi_l::Pass pass;
  PiLOutcome problem = PiLOutcome::completed;
};

Step step(const pi_l::Operating& op, float q) {
  Step s{pi_l::pass(op, q)};
  if (s.pass.design.problem == pi_l::Problem::r_mid_not_between) {
    s.problem = PiLOutcome::refused_r_mid;
  } else if (s.pass.design.problem == pi_l::Problem::pi_section_failed) {
    s.problem = PiLOutcome::refused_pi_section;
  }
  return s;
}

float suppression_db(const Step& s, float h2_ratio_db) {
  return stage_suppression_db(narrow(s.pass.h2_db), h2_ratio_db);
}

bool at_limit(const Step& s, float q_unloaded) {
  return past_limits(narrow(s.pass.efficiency), s.pass.design.q_pi, q_unloaded);
}

// The loaded-Q search from the pass in s, as the Pi's: each pass kQStep
// above the one before, until the suppression is met or a limit stops it.
// Gives the suppression reached, dB (0 when no pass was needed).
float search(Step& s, const pi_l::Operating& op, const stage::StageInputs& in, float h2_ratio_db) {
  float achieved = 0.0f;
  float q = s.pass.design.q_pi;
  while (in.filter_db > achieved) {
    q = q + kQStep;
    s = step(op, q);
    if (s.problem != PiLOutcome::completed) return achieved;
    achieved = suppression_db(s, h2_ratio_db);
    if (at_limit(s, in.q_unloaded)) break;
  }
  return achieved;
}

// The hot capacitance, as the Pi's: with raise_q the loaded Q goes up until
// C1 leaves the variable capacitor its minimum (or a limit stops it), else
// the warning. Gives the hot-capacitance warning flag.
std::int32_t settle_hot_capacitance(Step& s, const pi_l::Operating& op,
                                    const stage::StageInputs& in, bool raise_q, float h2_ratio_db,
                                    float& achieved) {
  const float c1_needed = in.c_tube + in.c_var_min;
  if (!(c1_needed > s.pass.design.c1_pi_f)) return 0;
  if (!raise_q) return 1;
  float q = s.pass.design.q_pi;
  while (!(s.pass.design.c1_pi_f >= c1_needed)) {
    q = q + kQStep;
    s = step(op, q);
    if (s.problem != PiLOutcome::completed || at_limit(s, in.q_unloaded)) break;
  }
  if (s.problem == PiLOutcome::completed) achieved = suppression_db(s, h2_ratio_db);
  return 0;
}

void element_values(PiLResults& r, const pi_l::Design& d) {
  const pi_l::Network& n = d.net;
  r.c1_total_pf = narrow(n.c1_f * kFaradToPicofarad);
  r.c_hot_pf = d.c1_hot_f < 0.0 ? 0.0f : narrow(d.c1_hot_f * kFaradToPicofarad);
  r.l1_uh = narrow(n.l1_h * kHenryToMicrohenry);
  r.c2_pf = narrow(n.c2_f * kFaradToPicofarad);
  r.l2_uh = narrow(n.l2_h * kHenryToMicrohenry);
  r.q_loaded = d.q_pi;
  r.q_l_section = narrow(d.l_sec.q_lossless);
}

void network_values(PiLResults& r, const pi_l::Network& n, const stage::StageInputs& in) {
  const double f = static_cast<double>(in.f_hz);
  const double r_oe = static_cast<double>(r.r_oe);
  const pi_l::Operation o = pi_l::operation(n, f, static_cast<double>(in.p_out));
  r.i_c1_a = narrow(o.c1.current_a);
  r.u_c1_rms = narrow(o.c1.voltage_v);
  r.i_l1_a = narrow(o.l1.current_a);
  r.u_l1_rms = narrow(o.l1.voltage_v);
  r.i_c2_a = narrow(o.c2.current_a);
  r.u_mid_rms = narrow(o.u_mid_rms);
  r.i_l2_a = narrow(o.l2.current_a);
  r.u_l2_rms = narrow(o.l2.voltage_v);
  r.u_load_rms = narrow(o.u_load_rms);
  r.passband_khz = narrow(kHertzToKilohertz * pi_l::passband_hz(n, f, r_oe));
  r.s11_band_khz = narrow(kHertzToKilohertz * pi_l::s11_bandwidth_hz(n, f, r_oe));
  r.s11_at_f = narrow(pi_l::s11(n, f, r_oe));
}

// The powers and efficiencies of the stage, as the Pi's are formed from p_h1.
void stage_values(PiLResults& r, const pi_l::Pass& p, const stage::PulseCoeffs& a, float u_in_rms,
                  const stage::StageInputs& in) {
  r.p_h1 = narrow(p.p_h1);
  const AnodeCircuit anode = anode_circuit(r.p_h1, u_in_rms, a, in.e_supply);
  r.p_supply = anode.p_supply_w;
  r.eff_network_pct = narrow(p.efficiency) * kPercent;
  r.eff_anode_pct = anode.eff_anode * kPercent;
  r.eff_total_pct = narrow(p.efficiency) * anode.eff_anode * kPercent;
  r.p_h2_out_mw = second_harmonic_power_mw(r.p_h1, r.filter_achieved_db);
  r.h2_db = narrow(p.h2_db);
  r.h3_db = narrow(p.h3_db);
}

}  // namespace

PiLDesign run_pi_l_design(const stage::StageInputs& in, float r_mid, bool raise_q) {
  PiLDesign d;
  d.results.r_mid = r_mid;
  const stage::PulseCoeffs a = pulse_coefficients(in);
  const float h2_ratio_db = pulse_h2_ratio_db(a);
  d.u_in_rms = first_harmonic_u_rms(in);
  const pi_l::Operating op{d.u_in_rms, in.p_out,      in.f_hz,  r_mid,
                           in.r_load,  in.q_unloaded, in.c_tube};
  Step s = step(op, kStartingLoadedQ);
  d.results.r_oe = s.pass.r_oe;
  if (s.problem == PiLOutcome::refused_r_mid) {
    d.outcome = s.problem;
    return d;
  }
  d.results.q_critical = calculations::qkritich(s.pass.r_oe, r_mid, s.pass.design.eta_pi);
  if (refused_by_critical_q(d.results.q_critical, in.q_unloaded)) {
    d.outcome = PiLOutcome::refused_critical_q;
    return d;
  }
  if (below_critical_margin(kStartingLoadedQ, d.results.q_critical)) {
    s = step(op, kCriticalQMargin * d.results.q_critical);
  }
  float achieved = s.problem == PiLOutcome::completed ? search(s, op, in, h2_ratio_db) : 0.0f;
  if (s.problem == PiLOutcome::completed) {
    d.hot_cap_warning = settle_hot_capacitance(s, op, in, raise_q, h2_ratio_db, achieved);
  }
  d.results.r_oe = s.pass.r_oe;
  d.outcome = s.problem;
  if (!d.completed()) return d;
  d.net = s.pass.design.net;
  d.results.filter_achieved_db = achieved;
  element_values(d.results, s.pass.design);
  network_values(d.results, d.net, in);
  stage_values(d.results, s.pass, a, d.u_in_rms, in);
  const PiLResults& r = d.results;
  d.warnings =
      warnings::decide_measures(warnings::Measures{r.eff_network_pct, r.filter_achieved_db,
                                                   in.p_out, r.p_h2_out_mw, r.eff_total_pct},
                                d.hot_cap_warning);
  d.l_section_q = warnings::l_section_q(static_cast<double>(r.q_l_section));
  return d;
}

float anode_resistance_bound(const starting_values::TypedInputs& typed) {
  const stage::StageInputs in = starting_values::stage_inputs(typed, 1.0f);
  const float u = first_harmonic_u_rms(in);
  return u * u / in.p_out;
}

}  // namespace design
