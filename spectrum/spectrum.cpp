#include "spectrum/spectrum.hpp"

#include <cmath>
#include <vector>

#include "network/calculations.hpp"
#include "network/pi_network.hpp"

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
  out.network_h2_db = 20.0f * std::log10(cplx::modulus(at_f.v_out / at_2f.v_out));
  return out;
}

}  // namespace

Filtering garmonica1(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded) {
  return filtering({c1, c2, l_coil, r_load, q_unloaded}, f_hz, 2.0f * u_in_rms, 10.0f * r_oe);
}

Filtering garmonica2(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded) {
  return filtering({c1, c2, l_coil, r_load, q_unloaded}, f_hz, 2.0f * u_in_rms, r_oe);
}

namespace {

struct Row {
  float freq;
  float attenuation_db;
  float v_out;
};

constexpr Row kExcluded{-10.0f, -10.0f, -10.0f};

}  // namespace

float afr2(float c1, float c2, float l_coil, float u_in_rms, float r_oe, float r_load,
           float q_unloaded, float sweep_start_hz, float sweep_step_hz,
           std::int32_t sweep_steps_total) {
  const Network net{c1, c2, l_coil, r_load, q_unloaded};
  const float k = (r_oe + 10.0f * r_oe) / r_oe;
  const float e_g = k * u_in_rms;
  const float r_g = k * r_oe;
  const std::int32_t n = sweep_steps_total;
  if (n <= 0) return 0.0f;

  // First pass over the upper half of the sweep: the reference level.
  float reference = 0.0f;
  const auto first = static_cast<std::int32_t>(static_cast<float>(n) / 2.0f);
  float freq = static_cast<float>(n) * sweep_step_hz / 2.0f;
  for (std::int32_t i = first; i <= n; ++i) {
    const float v = cplx::modulus(solve(net, freq, e_g, r_g).v_out);
    if (v > reference) reference = v;
    freq += sweep_step_hz;
  }

  // Second pass: the response relative to the reference, row by row.
  std::vector<Row> rows(static_cast<std::size_t>(n));
  freq = sweep_start_hz;
  for (Row& row : rows) {
    const float v = cplx::modulus(solve(net, freq, e_g, r_g).v_out);
    row = {freq, std::fabs(20.0f * std::log10(std::fabs(reference) / std::fabs(v))), v};
    freq += sweep_step_hz;
  }

  for (Row& row : rows) {
    if (row.attenuation_db > 1.0f) row = kExcluded;
  }

  // A lower lobe within 1 dB is dropped, with everything below it, when a
  // second falling edge follows.
  int falling_edges = 0;
  std::size_t first_edge = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (rows[i - 1].attenuation_db > 0.0f && rows[i].attenuation_db < 0.0f) {
      if (falling_edges == 0) first_edge = i;
      ++falling_edges;
    }
  }
  if (falling_edges > 1) {
    for (std::size_t i = 0; i <= first_edge; ++i) rows[i] = kExcluded;
  }

  std::size_t kept_count = 0;
  for (const Row& row : rows) {
    if (row.attenuation_db > 0.0f) ++kept_count;
  }

  std::size_t gathered = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].freq > 0.0f) rows[gathered++].freq = rows[i].freq;
  }

  if (kept_count == 0) return 0.0f;
  return rows[kept_count - 1].freq - rows[0].freq;
}

}  // namespace spectrum
