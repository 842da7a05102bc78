#include "main/design.hpp"

#include <array>
#include <cmath>
#include <cstdint>

#include "matching/polosa_s11.hpp"
#include "matching/s11s22f.hpp"
#include "network/calculations.hpp"
#include "pulse/ishsignal.hpp"
#include "pulse/nml1.hpp"
#include "spectrum/spectrum.hpp"

namespace design {

namespace {

constexpr int kLastSample = 2047;
constexpr int kTransformLength = 2048;
constexpr float kSqrt2 = 1.4142135f;
constexpr float kQStep = 0.05f;

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

// garmonica2 writes the element quantities after garmonica1; the suppression
// in dB is the one of garmonica1.
float filter_network(Working& w, const stage::StageInputs& in, float h2_ratio_db) {
  const calculations::Elements& e = w.elements;
  const spectrum::Filtering first = spectrum::garmonica1(w.u_in_rms, e.c1, e.c2, e.l_coil, w.r_oe,
                                                         in.r_load, in.f_hz, in.q_unloaded);
  w.filtering = spectrum::garmonica2(w.u_in_rms, e.c1, e.c2, e.l_coil, w.r_oe, in.r_load, in.f_hz,
                                     in.q_unloaded);
  w.filtering.network_h2_db = first.network_h2_db;
  return w.filtering.network_h2_db + h2_ratio_db - 2.5f;
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
    const double goal_db = static_cast<double>(filter_db) - static_cast<double>(h2_ratio_db) + 2.5;
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

bool past_limits(const Working& w, const stage::StageInputs& in) {
  return w.eff_network < 0.7f || w.q_loaded > 0.3f * in.q_unloaded;
}

stage::PulseCoeffs pulse_coefficients(const stage::StageInputs& in) {
  std::array<float, kTransformLength> samples{};
  ishsignal::signal(0.0f, 6.283185f, kLastSample, samples, in.cutoff_deg, in.tube_exponent);
  const std::array<cplx::Complex, 3> terms = nml1::dft1(kTransformLength, samples);
  return {cplx::modulus(terms[0]), cplx::modulus(terms[1]), cplx::modulus(terms[2])};
}

}  // namespace

bool refused_by_critical_q(float q_critical, float q_unloaded) {
  return q_critical > 0.7f * q_unloaded;
}

float second_harmonic_power_mw(float p_h1, float filter_achieved_db) {
  return 1000.0f * p_h1 / std::pow(10.0f, 0.1f * filter_achieved_db);
}

Outcome run_design(stage::StageRecord& record, DesignConsole& console) {
  console.announce_calculation();
  stage::StageInputs& start = record.start;
  record.f_mhz_shown = start.f_hz * 1e-6f;
  record.inputs = start;
  const stage::StageInputs& in = record.inputs;
  record.hot_cap_warning = 0;
  record.warnings.clear();
  bool power_nudged = false;

  const stage::PulseCoeffs a = pulse_coefficients(in);

  Working w;
  w.p_out = start.p_out;
  const float supply_utilisation = (in.e_supply - in.u_min) / in.e_supply;
  w.u_in_rms = (in.e_supply - in.u_min) / kSqrt2;
  const float u_out_rms = std::sqrt(in.r_load * w.p_out);
  w.q_loaded = 7.0f;
  float filter_achieved_db = 0.0f;
  recompute_load(w, in);

  const float q_critical = calculations::qkritich(w.r_oe, in.r_load, w.eff_network);
  if (1.2f * q_critical > w.q_loaded) {
    w.q_loaded = 1.2f * q_critical;
    recompute_load(w, in);
  }
  if (refused_by_critical_q(q_critical, in.q_unloaded)) {
    record.results = {};
    record.pulse_coeffs = {};
    return Outcome::refused_critical_q;
  }
  const float h2_ratio_db = 20.0f * std::log10(a.a1 / a.a2);

  // Loaded-Q search: raise QL until the second harmonic is suppressed enough.
  // Only the pass that ends it needs the element currents and powers, and
  // only a pass that may end it the exact suppression (see SuppressionGoal).
  // The passes are prepared kHarmonicLanes at a time, each from the QL of the
  // one before as the loop forms them, and then taken in order; the passes
  // after the one that ends the search or fails are dropped unused.
  const SuppressionGoal goal(in.filter_db, h2_ratio_db);
  bool searched = false;
  bool searching = in.filter_db > filter_achieved_db;
  while (searching) {
    constexpr std::size_t kLanes = spectrum::kHarmonicLanes;
    std::array<Working, kLanes> pass;
    std::array<float, kLanes> q_loaded, eff_network, r_oe, r_ratio;
    float q = w.q_loaded;
    for (std::size_t k = 0; k < kLanes; ++k) {
      q = q + kQStep;
      q_loaded[k] = q;
    }
    // recompute_load, lane by lane
    for (std::size_t k = 0; k < kLanes; ++k) {
      pass[k].q_loaded = q_loaded[k];
      eff_network[k] = 1.0f - q_loaded[k] / in.q_unloaded;
      pass[k].eff_network = eff_network[k];
      pass[k].p_h1 = w.p_out / eff_network[k];
      r_oe[k] = w.u_in_rms * w.u_in_rms / pass[k].p_h1;
      pass[k].r_oe = r_oe[k];
      r_ratio[k] = r_oe[k] / in.r_load;
      pass[k].r_ratio = r_ratio[k];
    }
    const std::array<calculations::Elements, kLanes> elements =
        calculations::element_lanes(r_oe, in.r_load, eff_network, r_ratio, q_loaded, in.f_hz);
    for (std::size_t k = 0; k < kLanes; ++k) pass[k].elements = elements[k];
    const std::array<spectrum::HarmonicVoltages, kLanes> v =
        spectrum::harmonic_voltages(w.u_in_rms, elements, r_oe, in.r_load, in.f_hz, in.q_unloaded);

    for (std::size_t k = 0; k < kLanes; ++k) {
      take_load_and_elements(w, pass[k]);
      if (w.elements.failed != 0) {
        // Near-singular: try the same QL again with 0.1 % more power.
        power_nudged = true;
        w.q_loaded = w.q_loaded - kQStep;
        w.p_out = 1.001f * w.p_out;
        break;
      }
      searched = true;
      const bool at_limit = w.eff_network < 0.7f || w.q_loaded > 0.3f * in.q_unloaded;
      // A skipped pass leaves filter_achieved_db at a value that already kept
      // the search going, so the search goes on as the exact value would.
      if (!at_limit && goal.certainly_missed(v[k])) continue;
      w.filtering.network_h2_db = spectrum::network_h2_db(v[k]);
      filter_achieved_db = w.filtering.network_h2_db + h2_ratio_db - 2.5f;
      if (at_limit || !(in.filter_db > filter_achieved_db)) {
        searching = false;
        break;
      }
    }
  }
  if (searched) {
    // The element quantities of the last pass, as garmonica2 gives them.
    const float network_h2_db = w.filtering.network_h2_db;
    const calculations::Elements& e = w.elements;
    w.filtering = spectrum::garmonica2(w.u_in_rms, e.c1, e.c2, e.l_coil, w.r_oe, in.r_load, in.f_hz,
                                       in.q_unloaded);
    w.filtering.network_h2_db = network_h2_db;
  }

  const float c1_optimum = w.elements.c1;
  if (in.c_tube + in.c_var_min > w.elements.c1) {
    const HotCapText text =
        (in.c_tube > w.elements.c1) ? HotCapText::below_tube : HotCapText::below_var_min;
    if (!console.ask_raise_loaded_q(text)) {
      record.hot_cap_warning = 1;
    } else {
      while (true) {
        if (w.elements.c1 >= in.c_tube + in.c_var_min) break;
        w.q_loaded = w.q_loaded + kQStep;
        recompute_load(w, in);
        compute_elements(w, in);
        if (past_limits(w, in)) break;
      }
      filter_achieved_db = filter_network(w, in, h2_ratio_db);
    }
  }

  // Pass-band and reflections of the final network.
  const calculations::Elements& e = w.elements;
  const float sweep_start_hz = 1000.0f;
  const float sweep_f_high = 1.3f * in.f_hz;
  const float sweep_f_low = 0.7f * in.f_hz;
  const calculations::SweepStep sweep = calculations::delta(in.f_hz, sweep_start_hz, sweep_f_high);
  const std::int32_t sweep_points =
      sweep.count - static_cast<std::int32_t>(
                        std::lround(sweep_f_low * static_cast<float>(sweep.count) / sweep_f_high));
  const float passband_hz = spectrum::afr2(e.c1, e.c2, e.l_coil, w.u_in_rms, w.r_oe, in.r_load,
                                           in.q_unloaded, sweep_start_hz, sweep.step, sweep.count);
  const float s11_band_khz = polosa_s11::s11polosa(in.q_unloaded, e.c1, e.c2, e.l_coil, sweep_f_low,
                                                   sweep.step, sweep_points, w.r_oe, in.r_load);
  const s11s22f::Reflections refl =
      s11s22f::fs11(in.f_hz, in.q_unloaded, w.r_oe, in.r_load, e.c1, e.c2, e.l_coil);

  // Result assembly, in report units.
  const float c_hot = e.c1 - in.c_tube;
  const float i_h1 = kSqrt2 * w.p_h1 / w.u_in_rms;
  const float i_peak = i_h1 / a.a1;
  const float i_dc = a.a0 * i_peak;
  const float p_supply = in.e_supply * i_dc;
  const float p_network_loss = w.p_h1 - w.p_out;
  const float p_anode = p_supply - w.p_h1;
  const float eff_anode = w.p_h1 / p_supply;
  const float eff_total = w.eff_network * eff_anode;
  float c_hot_pf = c_hot * 1e12f;
  if (c_hot_pf < 0.0f) c_hot_pf = 0.0f;
  const float p_h2_out_mw = second_harmonic_power_mw(w.p_h1, filter_achieved_db);
  if (power_nudged) w.p_out = w.p_out / 1.001f;
  start.p_out = w.p_out;

  const spectrum::Filtering& h = w.filtering;
  record.pulse_coeffs = a;
  record.results = {
      w.p_out,
      w.p_h1,
      p_supply,
      p_network_loss,
      p_anode,
      w.eff_network * 100.0f,
      eff_anode * 100.0f,
      eff_total * 100.0f,
      i_peak * 1000.0f,
      i_h1 * 1000.0f,
      i_dc * 1000.0f,
      supply_utilisation,
      filter_achieved_db,
      0.001f * passband_hz,
      w.q_loaded,
      q_critical,
      w.r_oe,
      c1_optimum * 1e12f,
      e.c1 * 1e12f,
      c_hot_pf,
      e.l_coil * 1e6f,
      e.c2 * 1e12f,
      h.q_c1_var,
      h.q_c2_var,
      h.q_l_var,
      h.i_coil_a,
      h.i_c1_a,
      h.i_c2_a,
      w.u_in_rms,
      u_out_rms,
      p_h2_out_mw,
      refl.s11,
      refl.s22,
      s11_band_khz,
  };
  record.warnings = warnings::decide(record.results, record.hot_cap_warning);
  return Outcome::completed;
}

}  // namespace design
