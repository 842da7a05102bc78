// The Pi-L tank, rebuilt independently: each designed network is solved by
// nodal analysis in double precision (three nodes, coil losses omega L / Q0)
// and must present R_oe at the anode, and give the discriminations,
// efficiency and currents the module reports.

#include "network/pi_l.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "matching/polosa_s11.hpp"
#include "network/calculations.hpp"
#include "pi_l_nodal.hpp"
#include "spectrum/spectrum.hpp"

namespace {

using Complex = std::complex<double>;
using testing_support::nodal;

struct Case {
  pi_l::Operating op;
  float q_pi;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> c = {
      {{1591.0f, 800.0f, 1.9e6f, 300.0f, 50.0f, 200.0f, 15e-12f}, 12.0f},
      {{1272.8f, 500.0f, 14.2e6f, 250.0f, 50.0f, 250.0f, 12e-12f}, 10.0f},
      {{707.1f, 200.0f, 50e6f, 150.0f, 75.0f, 150.0f, 8e-12f}, 8.0f},
  };
  return c;
}

TEST(PiL, PresentsTheAnodeResistanceAndReportsWhatNodalAnalysisGives) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.op.f_hz);
    const pi_l::Pass p = pi_l::pass(c.op, c.q_pi);
    ASSERT_EQ(p.design.problem, pi_l::Problem::none);
    const pi_l::Network& n = p.design.net;
    const auto f = static_cast<double>(c.op.f_hz);
    const auto r_oe = static_cast<double>(p.r_oe);

    const Complex z_in = nodal(n, f, 1.0, 0.0)[0];
    EXPECT_LE(std::abs((z_in - r_oe) / (z_in + r_oe)), 1e-4);
    EXPECT_NEAR(pi_l::s11(n, f, r_oe), std::abs((z_in - r_oe) / (z_in + r_oe)), 1e-9);

    // Discrimination: a generator behind 10 R_oe, as its Norton equivalent.
    const double g = 1.0 / (10.0 * r_oe);
    const auto load_at = [&](double freq) { return std::abs(nodal(n, freq, g, g)[2]); };
    EXPECT_NEAR(p.h2_db, 20.0 * std::log10(load_at(f) / load_at(2.0 * f)), 0.1);
    EXPECT_NEAR(p.h3_db, 20.0 * std::log10(load_at(f) / load_at(3.0 * f)), 0.1);

    // At the working point: the load gets p_out, the anode swings u_in_rms.
    const auto p_out = static_cast<double>(c.op.p_out);
    const std::array<Complex, 3> unit = nodal(n, f, 1.0, 0.0);
    const double scale = std::sqrt(p_out / (std::norm(unit[2]) / n.r_load));
    std::array<Complex, 3> v{};
    for (int i = 0; i < 3; ++i) v[i] = scale * unit[i];
    const double p_in = (v[0] * scale).real();
    const double w = 2.0 * std::numbers::pi * f;
    const auto coil = [&](double l) { return Complex(w * l / n.q_unloaded, w * l); };
    const pi_l::Operation o = pi_l::operation(n, f, p_out);
    const auto near = [](double got, double want) { EXPECT_NEAR(got / want, 1.0, 0.005); };
    near(o.efficiency, p_out / p_in);
    near(p.efficiency, p_out / p_in);
    near(o.u_anode_rms, static_cast<double>(c.op.u_in_rms));
    near(o.c1.current_a, std::abs(v[0]) * w * n.c1_f);
    near(o.l1.current_a, std::abs((v[0] - v[1]) / coil(n.l1_h)));
    near(o.c2.current_a, std::abs(v[1]) * w * n.c2_f);
    near(o.l2.current_a, std::abs((v[1] - v[2]) / coil(n.l2_h)));
    near(o.l2.voltage_v, std::abs(v[1] - v[2]));
    near(o.u_mid_rms, std::abs(v[1]));
    near(o.u_mid_rms * o.u_mid_rms / static_cast<double>(c.op.r_mid),
         p_out / p.design.l_sec.efficiency);

    // What the second coil buys: the plain Pi at the same loaded Q, straight
    // from R_oe to the load, suppresses both harmonics less.
    const float eta = 1.0f - c.q_pi / c.op.q_unloaded;
    const calculations::Elements pi =
        calculations::element(p.r_oe, c.op.r_load, eta, p.r_oe / c.op.r_load, c.q_pi, c.op.f_hz);
    const spectrum::Filtering plain = spectrum::garmonica1(
        c.op.u_in_rms, pi.c1, pi.c2, pi.l_coil, p.r_oe, c.op.r_load, c.op.f_hz, c.op.q_unloaded);
    EXPECT_GT(p.h2_db, static_cast<double>(plain.network_h2_db) + 3.0);
  }
}

// With no L section and the load at Rm, the Pi-L is the engine's plain Pi:
// its discrimination must agree with the engine's, and its band helpers with
// the engine's sweeps to a step or two (the grids start at different frequencies).
TEST(PiL, BandHelpersAgreeWithTheEngineOnAPlainPi) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.op.f_hz);
    const float f = c.op.f_hz;
    const float r_oe = 3000.0f;
    const auto f_wide = static_cast<double>(f);
    const auto r_oe_wide = static_cast<double>(r_oe);
    const float r = c.op.r_mid;
    const float eta = 1.0f - c.q_pi / c.op.q_unloaded;
    const calculations::Elements e = calculations::element(r_oe, r, eta, r_oe / r, c.q_pi, f);
    const pi_l::Network n{static_cast<double>(e.c1), static_cast<double>(e.l_coil),
                          static_cast<double>(e.c2), 0.0,
                          static_cast<double>(r),    static_cast<double>(c.op.q_unloaded)};
    const calculations::SweepStep s = calculations::delta(f, 1000.0f, 1.3f * f);
    const auto step = static_cast<double>(s.step);
    const float engine_pass = spectrum::afr2(e.c1, e.c2, e.l_coil, 1.0f, r_oe, r, c.op.q_unloaded,
                                             1000.0f, s.step, s.count);
    EXPECT_NEAR(pi_l::passband_hz(n, f_wide, r_oe_wide), static_cast<double>(engine_pass),
                2.0 * step);
    const spectrum::Filtering engine =
        spectrum::garmonica1(1.0f, e.c1, e.c2, e.l_coil, r_oe, r, f, c.op.q_unloaded);
    EXPECT_NEAR(pi_l::discrimination_db(n, f_wide, r_oe_wide, 2),
                static_cast<double>(engine.network_h2_db), 0.01);
    const auto points =
        s.count -
        static_cast<std::int32_t>(std::lround(0.7f * f * static_cast<float>(s.count) / (1.3f * f)));
    const float engine_s11_khz = polosa_s11::s11polosa(c.op.q_unloaded, e.c1, e.c2, e.l_coil,
                                                       0.7f * f, s.step, points, r_oe, r);
    EXPECT_NEAR(pi_l::s11_bandwidth_hz(n, f_wide, r_oe_wide),
                1000.0 * static_cast<double>(engine_s11_khz), 2.0 * step);
  }
}

TEST(PiL, RefusesAnIntermediateResistanceOutsideTheLoadAndTheAnode) {
  for (const float r_mid : {40.0f, 50.0f, 3000.0f, 5000.0f}) {
    const pi_l::Design d = pi_l::design({14.2e6f, 3000.0f, r_mid, 50.0f, 200.0f, 0.0f}, 10.0f);
    EXPECT_EQ(d.problem, pi_l::Problem::r_mid_not_between);
  }
  const pi_l::Design below_critical =
      pi_l::design({14.2e6f, 3000.0f, 300.0f, 50.0f, 200.0f, 0.0f}, 1.5f);
  EXPECT_EQ(below_critical.problem, pi_l::Problem::pi_section_failed);
  const pi_l::Design lossy = pi_l::design({14.2e6f, 3000.0f, 300.0f, 50.0f, 10.0f, 0.0f}, 12.0f);
  EXPECT_EQ(lossy.problem, pi_l::Problem::pi_section_failed);
}

}  // namespace
