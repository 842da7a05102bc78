// The fast forms of the engine against the plain forms they replace: the
// branch-free quotients, the pulse transform that reuses its phases and the
// sweeps that decide far-off points from wide squares must give the same bits
// as the straightforward arithmetic, also on detuned networks with several
// lobes and on operands at the edges of the float range.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "matching/polosa_s11.hpp"
#include "matching/s11module.hpp"
#include "network/calculations.hpp"
#include "network/cplx.hpp"
#include "network/pi_network.hpp"
#include "pulse/ishsignal.hpp"
#include "pulse/nml1.hpp"
#include "spectrum/spectrum.hpp"

namespace {

using cplx::Complex;

// The bits of a value; every NaN as one. Which NaN an operation on two NaN
// operands passes on depends on the operand order the compiler picks for a
// commutative operation, in the plain form as much as in the fast one, and
// the reports show every NaN alike.
std::uint32_t bits(float v) {
  return std::isnan(v) ? 0x7fc00000u : std::bit_cast<std::uint32_t>(v);
}

// ---- the plain forms -------------------------------------------------------

std::array<Complex, 3> plain_dft1(int n, std::span<const float> y) {
  std::array<Complex, 3> c{};
  const float count = static_cast<float>(n);
  for (int k = 0; k <= 2; ++k) {
    float sum_re = 0.0f;
    float sum_im = 0.0f;
    const float two_pi_k = 6.283185f * static_cast<float>(k);
    for (int j = 0; j < n; ++j) {
      const float phi = two_pi_k * static_cast<float>(j) / count;
      const float sample = y[static_cast<std::size_t>(j)];
      sum_re += sample * std::cos(phi);
      sum_im += sample * -std::sin(phi);
    }
    const float scale = k == 0 ? 1.0f : 2.0f;
    c[static_cast<std::size_t>(k)] = {k == 0 ? sum_re / count : scale * sum_re / count,
                                      k == 0 ? sum_im / count : scale * sum_im / count};
  }
  return c;
}

float plain_s11polosa(float q0, float c1, float c2, float l, float f_start, float step,
                      std::int32_t n, float r_oe, float r_load) {
  std::int32_t count = 0;
  float f = f_start;
  for (std::int32_t i = 1; i <= n; ++i) {
    const pi_network::Branches b = pi_network::branches_at(f, c1, c2, l, q0);
    const Complex z_in =
        calculations::parall(calculations::parall({r_load, 0.0f}, b.z_c2) + b.z_l, b.z_c1);
    if (s11module::swrsub(z_in, {r_oe, 0.0f}) < 0.1f) ++count;
    f += step;
  }
  return static_cast<float>(count) * step * 0.001f;
}

float plain_afr2(float c1, float c2, float l_coil, float u_in_rms, float r_oe, float r_load,
                 float q_unloaded, float start, float step, std::int32_t n) {
  struct Row {
    float freq, attenuation_db, v_out;
  };
  constexpr Row kExcluded{-10.0f, -10.0f, -10.0f};
  const spectrum::Network net{c1, c2, l_coil, r_load, q_unloaded};
  const float k = (r_oe + 10.0f * r_oe) / r_oe;
  const float e_g = k * u_in_rms;
  const float r_g = k * r_oe;
  if (n <= 0) return 0.0f;
  float reference = 0.0f;
  float freq = static_cast<float>(n) * step / 2.0f;
  for (auto i = static_cast<std::int32_t>(static_cast<float>(n) / 2.0f); i <= n; ++i) {
    const float v = cplx::modulus(spectrum::solve(net, freq, e_g, r_g).v_out);
    if (v > reference) reference = v;
    freq += step;
  }
  std::vector<Row> rows(static_cast<std::size_t>(n));
  freq = start;
  for (Row& row : rows) {
    const float v = cplx::modulus(spectrum::solve(net, freq, e_g, r_g).v_out);
    row = {freq, std::fabs(20.0f * std::log10(std::fabs(reference) / std::fabs(v))), v};
    freq += step;
  }
  for (Row& row : rows) {
    if (row.attenuation_db > 1.0f) row = kExcluded;
  }
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

// ---- the cases -------------------------------------------------------------

std::vector<float> edge_values() {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float tiny = std::numeric_limits<float>::denorm_min();
  const float huge = std::numeric_limits<float>::max();
  return {0.0f,  -0.0f,  1.0f, -1.0f, 3.5f, -2.25f, 1e-30f, -7e-39f, tiny,
          1e30f, -3e38f, huge, inf,   -inf, nan,    0.1f,   -0.1f};
}

TEST(BranchFreeForms, SmithQuotientAndParallelCombinationKeepEveryBit) {
  const std::vector<float> v = edge_values();
  int compared = 0;
  for (const float a : v) {
    for (const float b : v) {
      for (const float c : v) {
        for (const float d : {1.0f, -1.0f, 0.5f, 0.0f, 1e-30f, 3e38f, c}) {
          const Complex n{a, b};
          const Complex den{c, d};
          const Complex plain = cplx::smith_quotient(n, den);
          const Complex select = cplx::smith_quotient_select(n, den);
          ASSERT_EQ(bits(plain.re), bits(select.re)) << a << ' ' << b << ' ' << c << ' ' << d;
          ASSERT_EQ(bits(plain.im), bits(select.im)) << a << ' ' << b << ' ' << c << ' ' << d;
          const Complex p = calculations::parall(n, den);
          const Complex q = calculations::parall_select(n, den);
          ASSERT_EQ(bits(p.re), bits(q.re));
          ASSERT_EQ(bits(p.im), bits(q.im));
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 30000);
}

TEST(PulseTransform, ReusedPhasesGiveThePlainTransformForAnyLength) {
  for (const int n : {1, 2, 3, 7, 64, 1000, 2047, 2048, 3001}) {
    for (const float theta : {30.0f, 90.0f, 180.0f}) {
      std::vector<float> y(static_cast<std::size_t>(n));
      ishsignal::signal(0.0f, 6.283185f, n - 1, y, theta, 1.3f);
      const std::array<Complex, 3> fast = nml1::dft1(n, y);
      const std::array<Complex, 3> plain = plain_dft1(n, y);
      for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(bits(fast[k].re), bits(plain[k].re)) << "n " << n << " term " << k;
        EXPECT_EQ(bits(fast[k].im), bits(plain[k].im)) << "n " << n << " term " << k;
      }
    }
  }
}

TEST(PulseSamples, ClippedSamplesArePositiveZeroForEveryExponent) {
  for (const float gamma : {0.95f, 1.0f, 1.5f, 2.1f}) {
    std::vector<float> y(2048);
    ishsignal::signal(0.0f, 6.283185f, 2047, y, 60.0f, gamma);
    for (std::size_t i = 0; i < y.size(); ++i) {
      const float x = static_cast<float>(i) * (6.283185f / 2048.0f);
      const float cos_theta = std::cos(3.1415925f * 60.0f / 180.0f);
      float v = (std::cos(x) - cos_theta) / (1.0f - cos_theta);
      if (v < 0.0f) v = 0.0f;
      ASSERT_EQ(bits(y[i]), bits(std::pow(v, gamma))) << "sample " << i;
    }
  }
}

struct Sweep {
  spectrum::Network net;
  float r_oe, u_in, f;
};

// Designed networks at several frequencies and Q, then detuned element by
// element so that the response has shifted, split and flattened peaks.
std::vector<Sweep> sweeps() {
  std::vector<Sweep> all;
  for (const float f : {0.1e6f, 1.1e6f, 7e6f, 30.1e6f, 60e6f}) {
    for (const float ql : {8.0f, 30.0f, 150.0f}) {
      const float q0 = 750.0f;
      const float r_oe = 2500.0f;
      const float eta = 1.0f - ql / q0;
      const calculations::Elements e = calculations::element(r_oe, 50.0f, eta, r_oe / 50.0f, ql, f);
      for (const float detune : {1.0f, 0.8f, 1.25f, 3.0f}) {
        all.push_back({{e.c1 * detune, e.c2, e.l_coil, 50.0f, q0}, r_oe, 1200.0f, f});
        all.push_back({{e.c1, e.c2 / detune, e.l_coil * detune, 50.0f, q0}, r_oe, 1200.0f, f});
      }
    }
  }
  return all;
}

TEST(PassBandSweep, GivesThePlainSweepsBitsOnDesignedAndDetunedNetworks) {
  for (const Sweep& s : sweeps()) {
    const calculations::SweepStep step = calculations::delta(s.f, 1000.0f, 1.3f * s.f);
    const float fast =
        spectrum::afr2(s.net.c1, s.net.c2, s.net.l_coil, s.u_in, s.r_oe, s.net.r_load,
                       s.net.q_unloaded, 1000.0f, step.step, step.count);
    const float plain = plain_afr2(s.net.c1, s.net.c2, s.net.l_coil, s.u_in, s.r_oe, s.net.r_load,
                                   s.net.q_unloaded, 1000.0f, step.step, step.count);
    EXPECT_EQ(bits(fast), bits(plain)) << "f " << s.f << " c1 " << s.net.c1;
  }
}

TEST(S11Sweep, GivesThePlainSweepsBitsOnDesignedAndDetunedNetworks) {
  for (const Sweep& s : sweeps()) {
    const calculations::SweepStep step = calculations::delta(s.f, 1000.0f, 1.3f * s.f);
    for (const std::int32_t points : {0, 1, 15, 16, 17, step.count}) {
      const float fast = polosa_s11::s11polosa(s.net.q_unloaded, s.net.c1, s.net.c2, s.net.l_coil,
                                               0.7f * s.f, step.step, points, s.r_oe, s.net.r_load);
      const float plain = plain_s11polosa(s.net.q_unloaded, s.net.c1, s.net.c2, s.net.l_coil,
                                          0.7f * s.f, step.step, points, s.r_oe, s.net.r_load);
      EXPECT_EQ(bits(fast), bits(plain)) << "f " << s.f << " points " << points;
    }
  }
}

TEST(ElementLanes, EightSetsAtOnceGiveTheBitsOfEightSingleSolutions) {
  // Loaded Q on both sides of the critical Q (negative radicand: NaN), and
  // r_oe = eta * r_load (near-singular), among ordinary designs.
  for (const float f : {0.1e6f, 7e6f, 60e6f}) {
    for (const float r_oe : {20.0f, 47.5f, 2000.0f, 4.0e4f}) {
      std::array<float, 8> r_oe_lanes, eta, ratio, ql;
      for (std::size_t k = 0; k < 8; ++k) {
        ql[k] = 0.5f + 4.0f * static_cast<float>(k);
        eta[k] = 1.0f - ql[k] / 750.0f;
        r_oe_lanes[k] = k == 5 ? 50.0f * eta[k] : r_oe;
        ratio[k] = r_oe_lanes[k] / 50.0f;
      }
      const auto lanes = calculations::element_lanes(r_oe_lanes, 50.0f, eta, ratio, ql, f);
      for (std::size_t k = 0; k < 8; ++k) {
        const calculations::Elements one =
            calculations::element(r_oe_lanes[k], 50.0f, eta[k], ratio[k], ql[k], f);
        EXPECT_EQ(bits(lanes[k].c1), bits(one.c1)) << "lane " << k;
        EXPECT_EQ(bits(lanes[k].c2), bits(one.c2)) << "lane " << k;
        EXPECT_EQ(bits(lanes[k].l_coil), bits(one.l_coil)) << "lane " << k;
        EXPECT_EQ(lanes[k].failed, one.failed) << "lane " << k;
      }
    }
  }
}

TEST(SearchVoltages, EightNetworksAtOnceGiveTheBitsOfEightSingleSolutions) {
  std::array<calculations::Elements, spectrum::kHarmonicLanes> elements;
  std::array<float, spectrum::kHarmonicLanes> r_oe;
  for (const float f : {0.1e6f, 14.2e6f, 60e6f}) {
    for (std::size_t k = 0; k < elements.size(); ++k) {
      const float ql = 7.0f + 0.05f * static_cast<float>(k * 40);
      r_oe[k] = 3000.0f - 100.0f * static_cast<float>(k);
      elements[k] =
          calculations::element(r_oe[k], 50.0f, 1.0f - ql / 750.0f, r_oe[k] / 50.0f, ql, f);
    }
    elements[3].c2 = std::numeric_limits<float>::quiet_NaN();  // a failed lane stays its own
    const auto batch = spectrum::harmonic_voltages(630.0f, elements, r_oe, 50.0f, f, 750.0f);
    for (std::size_t k = 0; k < elements.size(); ++k) {
      const calculations::Elements& e = elements[k];
      // garmonica1's own network solutions: 2 U behind 10 Roe, at f and 2f.
      const spectrum::Network net{e.c1, e.c2, e.l_coil, 50.0f, 750.0f};
      const spectrum::HarmonicVoltages one{
          spectrum::solve(net, f, 2.0f * 630.0f, 10.0f * r_oe[k]).v_out,
          spectrum::solve(net, f + f, 2.0f * 630.0f, 10.0f * r_oe[k]).v_out};
      EXPECT_EQ(bits(batch[k].at_f.re), bits(one.at_f.re)) << "lane " << k;
      EXPECT_EQ(bits(batch[k].at_f.im), bits(one.at_f.im)) << "lane " << k;
      EXPECT_EQ(bits(batch[k].at_2f.re), bits(one.at_2f.re)) << "lane " << k;
      EXPECT_EQ(bits(batch[k].at_2f.im), bits(one.at_2f.im)) << "lane " << k;
      const spectrum::Filtering plain =
          spectrum::garmonica1(630.0f, e.c1, e.c2, e.l_coil, r_oe[k], 50.0f, f, 750.0f);
      EXPECT_EQ(bits(spectrum::network_h2_db(batch[k])), bits(plain.network_h2_db));
    }
  }
}

TEST(Sweeps, NotANumberElementsGiveThePlainResults) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (const float bad : {nan, inf, 0.0f}) {
    EXPECT_EQ(bits(spectrum::afr2(bad, 1e-10f, 1e-6f, 1000.0f, 2000.0f, 50.0f, 200.0f, 1000.0f,
                                  2533.0f, 400)),
              bits(plain_afr2(bad, 1e-10f, 1e-6f, 1000.0f, 2000.0f, 50.0f, 200.0f, 1000.0f, 2533.0f,
                              400)));
    EXPECT_EQ(
        bits(polosa_s11::s11polosa(200.0f, 1e-10f, bad, 1e-6f, 1e6f, 2533.0f, 100, 2000.0f, 50.0f)),
        bits(plain_s11polosa(200.0f, 1e-10f, bad, 1e-6f, 1e6f, 2533.0f, 100, 2000.0f, 50.0f)));
  }
}

}  // namespace
