#include "spectrum/spectrum.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "network/calculations.hpp"
#include "network/pi_network.hpp"

// GCC on x86-64 builds the vector solver for AVX2 and for the baseline and
// picks one at start-up; sanitizer builds keep the baseline only, and so does
// Windows, whose executables have no indirect functions to pick with.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && \
    !defined(__SANITIZE_ADDRESS__) && !defined(_WIN32)
#define VALVENET_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VALVENET_VECTOR_CLONES
#endif

namespace spectrum {

using cplx::Complex;

Solution solve(const Network& net, float freq, float e_g, float r_g) {
  const pi_network::Branches b =
      pi_network::branches_at(freq, net.c1, net.c2, net.l_coil, net.q_unloaded);
  Solution s;
  s.z_c1 = b.z_c1;
  s.z_c2 = b.z_c2;
  s.z_l = b.z_l;
  s.z_out = calculations::parall({net.r_load, 0.0f}, s.z_c2);
  s.z_series = s.z_l + s.z_out;
  s.z_in = calculations::parall(s.z_series, s.z_c1);
  const Complex i_g = Complex{e_g, 0.0f} / Complex{r_g + s.z_in.re, s.z_in.im};
  s.v_in = s.z_in * i_g;
  s.i_l = s.v_in / s.z_series;
  s.v_out = s.z_out * s.i_l;
  return s;
}

namespace {

// Every network solution of the sweeps and the search runs kLanes at a time.
constexpr std::size_t kLanes = 16;

// kLanes networks that share the load, Q0 and generator EMF, one per lane.
struct NetworkLanes {
  std::array<float, kLanes> c1, c2, l_coil, r_g, freq;
  float r_load = 0.0f;
  float q_unloaded = 0.0f;
  float e_g = 0.0f;
};

struct VoltageLanes {
  std::array<float, kLanes> re;
  std::array<float, kLanes> im;
};

// Load voltages of kLanes networks: lane by lane the operations of solve()
// on the way to v_out, in the same order, with the branch-free quotients, so
// that the loop runs several lanes at a time in vector registers. Where the
// processor has them, eight-lane registers are used: every lane still rounds
// each IEEE operation on its own, and no multiply-add is fused.
VALVENET_VECTOR_CLONES VoltageLanes load_voltages(const NetworkLanes& n) {
  VoltageLanes v;
  for (std::size_t k = 0; k < kLanes; ++k) {
    const pi_network::Branches b =
        pi_network::branches_at(n.freq[k], n.c1[k], n.c2[k], n.l_coil[k], n.q_unloaded);
    const Complex z_out = calculations::parall_select({n.r_load, 0.0f}, b.z_c2);
    const Complex z_series = b.z_l + z_out;
    const Complex z_in = calculations::parall_select(z_series, b.z_c1);
    const Complex i_g =
        cplx::smith_quotient_select(Complex{n.e_g, 0.0f}, Complex{n.r_g[k] + z_in.re, z_in.im});
    const Complex v_in = z_in * i_g;
    const Complex i_l = cplx::smith_quotient_select(v_in, z_series);
    const Complex v_out = z_out * i_l;
    v.re[k] = v_out.re;
    v.im[k] = v_out.im;
  }
  return v;
}

// One network in every lane, at the frequencies given.
VoltageLanes load_voltages(const Network& net, const std::array<float, kLanes>& freq, float e_g,
                           float r_g) {
  NetworkLanes n;
  n.c1.fill(net.c1);
  n.c2.fill(net.c2);
  n.l_coil.fill(net.l_coil);
  n.r_g.fill(r_g);
  n.freq = freq;
  n.r_load = net.r_load;
  n.q_unloaded = net.q_unloaded;
  n.e_g = e_g;
  return load_voltages(n);
}

constexpr std::size_t kSweepLanes = kLanes;
using SweepFrequencies = std::array<float, kSweepLanes>;

// The next `count` (1 .. kSweepLanes) frequencies of a sweep, advancing freq
// by one step per point as the sweep does; lanes past count repeat the last.
SweepFrequencies next_frequencies(float& freq, float step, std::size_t count) {
  SweepFrequencies f{};
  for (std::size_t k = 0; k < kSweepLanes; ++k) {
    if (k < count) {
      f[k] = freq;
      freq += step;
    } else {
      f[k] = f[count - 1];
    }
  }
  return f;
}

Filtering filtering(const Network& net, float f_hz, float e_g, float r_g) {
  Filtering out;
  const Solution at_f = solve(net, f_hz, e_g, r_g);
  out.i_coil_a = cplx::modulus(at_f.i_l);
  out.i_c1_a = cplx::modulus(at_f.v_in / at_f.z_c1);
  out.i_c2_a = cplx::modulus(at_f.v_out / at_f.z_c2);
  out.q_l_var = (at_f.z_l * (at_f.i_l * cplx::conj(at_f.i_l))).im;
  out.q_c1_var = ((at_f.v_in * cplx::conj(at_f.v_in)) / at_f.z_c1).im;
  out.q_c2_var = ((at_f.v_out * cplx::conj(at_f.v_out)) / at_f.z_c2).im;

  const Solution at_2f = solve(net, f_hz + f_hz, e_g, r_g);
  out.network_h2_db = network_h2_db({at_f.v_out, at_2f.v_out});
  return out;
}

}  // namespace

std::array<HarmonicVoltages, kHarmonicLanes> harmonic_voltages(
    float u_in_rms, const std::array<calculations::Elements, kHarmonicLanes>& elements,
    const std::array<float, kHarmonicLanes>& r_oe, float r_load, float f_hz, float q_unloaded) {
  static_assert(2 * kHarmonicLanes == kLanes);
  NetworkLanes n;
  const float f2 = f_hz + f_hz;
  for (std::size_t k = 0; k < kHarmonicLanes; ++k) {
    for (std::size_t h = 0; h < 2; ++h) {
      const std::size_t lane = 2 * k + h;
      n.c1[lane] = elements[k].c1;
      n.c2[lane] = elements[k].c2;
      n.l_coil[lane] = elements[k].l_coil;
      n.r_g[lane] = 10.0f * r_oe[k];
      n.freq[lane] = h == 0 ? f_hz : f2;
    }
  }
  n.r_load = r_load;
  n.q_unloaded = q_unloaded;
  n.e_g = 2.0f * u_in_rms;
  const VoltageLanes v = load_voltages(n);
  std::array<HarmonicVoltages, kHarmonicLanes> out;
  for (std::size_t k = 0; k < kHarmonicLanes; ++k) {
    out[k] = {{v.re[2 * k], v.im[2 * k]}, {v.re[2 * k + 1], v.im[2 * k + 1]}};
  }
  return out;
}

float network_h2_db(const HarmonicVoltages& v) {
  return 20.0f * std::log10(cplx::modulus(v.at_f / v.at_2f));
}

Filtering garmonica1(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded) {
  return filtering({c1, c2, l_coil, r_load, q_unloaded}, f_hz, 2.0f * u_in_rms, 10.0f * r_oe);
}

Filtering garmonica2(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded) {
  return filtering({c1, c2, l_coil, r_load, q_unloaded}, f_hz, 2.0f * u_in_rms, r_oe);
}

namespace {

// |V_out| decisions in the sweeps are taken from squared_modulus_wide where
// they are certain, and from the single-precision modulus as before
// everywhere else. hypot is accurate to within a few units in the last place
// for results in the normal range; the margins below are thousands of times
// wider, so a decision taken from the wide square is the one the
// single-precision modulus would give. Below kWideFloor the float values may
// be subnormal and lose their relative accuracy: no shortcut there.
constexpr double kWideFloor = 1e-60;

// First pass: the largest |V_out| over the upper half of the sweep, strictly
// increasing from 0 in sweep order. A point whose wide square lies below the
// best square seen so far by more than the margin has a modulus below that of
// the earlier point, which the reference already holds or exceeds: its test
// `v > reference` would fail, so it is skipped.
float reference_level(const Network& net, float e_g, float r_g, std::int32_t first,
                      std::int32_t last, float freq, float step) {
  constexpr double kBelowBest = 1.0 - 1e-4;
  float reference = 0.0f;
  double best_wide = 0.0;
  for (std::int64_t i = first; i <= last; i += static_cast<std::int64_t>(kSweepLanes)) {
    const auto count = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(kSweepLanes), last - i + 1));
    const VoltageLanes v = load_voltages(net, next_frequencies(freq, step, count), e_g, r_g);
    for (std::size_t k = 0; k < count; ++k) {
      const Complex v_out{v.re[k], v.im[k]};
      const double wide = cplx::squared_modulus_wide(v_out);
      if (best_wide >= kWideFloor && wide < best_wide * kBelowBest) continue;
      const float modulus = cplx::modulus(v_out);
      if (modulus > reference) reference = modulus;
      if (wide > best_wide && std::isfinite(wide)) best_wide = wide;
    }
  }
  return reference;
}

// What the band rule needs of a row. Excluded rows hold -10 in every column,
// kept rows a frequency above 0 and a non-negative or NaN attenuation.
enum class RowKind : unsigned char {
  excluded,
  above_zero,   // kept, attenuation > 0
  zero_or_nan,  // kept, attenuation 0 (a point at the reference) or NaN
};

// The row of a point with load voltage v_out: attenuation
// |20 lg(|reference| / |v_out|)|, excluded above 1 dB. Outside the ratios
// 0.7 .. 1.5 the attenuation exceeds 3 dB, so such a point is excluded without
// forming it.
RowKind row_kind(Complex v_out, float reference, double reference_wide) {
  if (reference_wide >= kWideFloor && std::isfinite(reference_wide)) {
    const double wide = cplx::squared_modulus_wide(v_out);
    if (wide * 2.25 < reference_wide || wide * 0.49 > reference_wide) return RowKind::excluded;
  }
  const float v = cplx::modulus(v_out);
  const float attenuation_db = std::fabs(20.0f * std::log10(std::fabs(reference) / std::fabs(v)));
  if (attenuation_db > 1.0f) return RowKind::excluded;
  return attenuation_db > 0.0f ? RowKind::above_zero : RowKind::zero_or_nan;
}

// Column 1 of row `index` after the compaction: the gathered frequencies
// first, then what the rows held.
float compacted_freq(const std::vector<RowKind>& kinds, std::size_t index, float sweep_start_hz,
                     float sweep_step_hz) {
  std::size_t gathered = 0;
  float freq = sweep_start_hz;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const float column = kinds[i] == RowKind::excluded ? -10.0f : freq;
    if (column > 0.0f) {
      if (gathered == index) return column;
      ++gathered;
    }
    freq += sweep_step_hz;
  }
  // Fewer gathered values than index + 1: row `index` keeps its own value.
  freq = sweep_start_hz;
  for (std::size_t i = 0; i < index; ++i) freq += sweep_step_hz;
  return kinds[index] == RowKind::excluded ? -10.0f : freq;
}

}  // namespace

Generator passband_generator(float u_in_rms, float r_oe) {
  const float k = (r_oe + 10.0f * r_oe) / r_oe;
  return {k * u_in_rms, k * r_oe};
}

float afr2(float c1, float c2, float l_coil, float u_in_rms, float r_oe, float r_load,
           float q_unloaded, float sweep_start_hz, float sweep_step_hz,
           std::int32_t sweep_steps_total) {
  const Network net{c1, c2, l_coil, r_load, q_unloaded};
  const Generator g = passband_generator(u_in_rms, r_oe);
  const float e_g = g.e_g;
  const float r_g = g.r_g;
  const std::int32_t n = sweep_steps_total;
  if (n <= 0) return 0.0f;

  // First pass over the upper half of the sweep: the reference level.
  const auto first = static_cast<std::int32_t>(static_cast<float>(n) / 2.0f);
  const float reference = reference_level(
      net, e_g, r_g, first, n, static_cast<float>(n) * sweep_step_hz / 2.0f, sweep_step_hz);

  // Second pass: the response relative to the reference, row by row, with
  // every row above 1 dB excluded.
  std::vector<RowKind> kinds(static_cast<std::size_t>(n));
  const double reference_wide = static_cast<double>(reference) * static_cast<double>(reference);
  float freq = sweep_start_hz;
  for (std::size_t i = 0; i < kinds.size(); i += kSweepLanes) {
    const std::size_t count = std::min(kSweepLanes, kinds.size() - i);
    const VoltageLanes v =
        load_voltages(net, next_frequencies(freq, sweep_step_hz, count), e_g, r_g);
    for (std::size_t k = 0; k < count; ++k) {
      kinds[i + k] = row_kind({v.re[k], v.im[k]}, reference, reference_wide);
    }
  }

  // A lower lobe within 1 dB is dropped, with everything below it, when a
  // second falling edge follows.
  int falling_edges = 0;
  std::size_t first_edge = 0;
  for (std::size_t i = 1; i < kinds.size(); ++i) {
    if (kinds[i - 1] == RowKind::above_zero && kinds[i] == RowKind::excluded) {
      if (falling_edges == 0) first_edge = i;
      ++falling_edges;
    }
  }
  if (falling_edges > 1) {
    for (std::size_t i = 0; i <= first_edge; ++i) kinds[i] = RowKind::excluded;
  }

  std::size_t kept_count = 0;
  for (const RowKind kind : kinds) {
    if (kind == RowKind::above_zero) ++kept_count;
  }
  if (kept_count == 0) return 0.0f;
  return compacted_freq(kinds, kept_count - 1, sweep_start_hz, sweep_step_hz) -
         compacted_freq(kinds, 0, sweep_start_hz, sweep_step_hz);
}

}  // namespace spectrum
