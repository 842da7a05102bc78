// The anode choke and the shunt feed's parts against values evaluated
// independently (the sheath helix with a library's Bessel functions and
// root finder, the inductance with its elliptic integrals, all in double
// precision), the published model's table, measured Tesla-coil secondaries
// and builders' figures.

#include "parts/choke.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>
#include <vector>

#include "parts/feed.hpp"

namespace {

constexpr double kPi = std::numbers::pi;

double relative(double value, double reference) {
  return std::abs(value / reference - 1.0);
}

// values / unit each within `tolerance` relative of its reference, in order.
void expect_near_all(const std::vector<double>& values, const std::vector<double>& references,
                     double unit, double tolerance) {
  ASSERT_EQ(values.size(), references.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_LT(relative(values[i] / unit, references[i]), tolerance) << i;
  }
}

// D, p and the wire in mm.
choke::Choke mm(double d, double p, double wire, double turns) {
  return {{d * 1e-3, p * 1e-3, wire * 1e-3}, turns};
}
// The published model's winding: l = 75 mm.
const choke::Choke kPublished = mm(25, 0.5, 0.4, 150);

TEST(Choke, SheathLineReactanceAndResonancesAgreeWithAnIndependentEvaluation) {
  // clang-format off
  const std::vector<std::array<double, 9>> lines = {  // D, p, d mm; N; f MHz; tau, beta, Zc, X
      {25, 0.5, 0.4, 20, 1.8, 2.16947310083, 2.16980107999, 12854.9067725, 129.397960306},
      {25, 0.5, 0.4, 150, 14.2, 27.9528008577, 27.9543851211, 7169.70778133, -10672.776642},
      {25, 0.5, 0.4, 150, 29.7, 77.4443057117, 77.4468072361, 4107.81137333, -1823.30333033},
      {50, 3, 1.5, 8, 1.8, 0.682313965808, 0.683356085387, 4551.43402394, 38.1596898609},
      {50, 3, 1.5, 8, 29.7, 22.090750062, 22.0995181438, 1935.89827224, 580.316141226},
      {20, 1.2, 0.6, 100, 14.2, 6.49787022494, 6.50468209586, 3746.23665801, 3433.56051091},
      {12, 0.3, 0.25, 400, 1.8, 1.52865249148, 1.52911792587, 11692.4008625, 2056.02309568},
      {12, 0.3, 0.25, 400, 14.2, 16.880427041, 16.8830503404, 8239.4323429, -15950.7343453}};
  // clang-format on
  for (const auto& [d, p, wire, n, f, tau, beta, zc, x] : lines) {
    SCOPED_TRACE(::testing::Message() << n << " turns at " << f << " MHz");
    const choke::Line line = choke::sheath_line(mm(d, p, wire, n).g, f * 1e6);
    EXPECT_LT(relative(line.tau_per_m, tau), 1e-9);
    EXPECT_LT(relative(line.beta_per_m, beta), 1e-9);
    EXPECT_LT(relative(line.zc_ohm, zc), 1e-9);
    EXPECT_LT(relative(choke::reactance(mm(d, p, wire, n), f * 1e6), x), 1e-9);
  }
  // Z = R + jX, R the coil's: Medhurst's 2.67 times the skin ratio 4.2935 times
  // 149 / 150 of the wire's 1.6164 ohm.
  const std::complex<double> z = choke::impedance(kPublished, 7.1e6);
  EXPECT_LT(relative(z.real(), 18.4062431893), 1e-9);
  EXPECT_LT(relative(z.imag(), 9298.45201989), 1e-9);
  struct Found {
    choke::Choke c;
    std::vector<double> parallel_mhz, series_mhz;  // 0.1 to 60 MHz
  };
  // clang-format off
  const std::vector<Found> found = {
      {mm(25, 0.5, 0.4, 20), {51.68644374}, {}},
      {kPublished, {11.45482848, 25.50558729, 37.25729615, 48.77609211},
                   {19.05423402, 31.47445704, 43.00069874, 54.61435684}},
      {mm(50, 3, 1.5, 8), {}, {}},
      {mm(20, 1.2, 0.6, 100), {25.10640749, 57.98993096}, {42.93862523}},
      {mm(12, 0.3, 0.25, 400), {11.53526772, 27.54636371, 40.28243167, 51.39265587},
                               {20.14590709, 34.18238011, 45.98732422, 56.56734087}}};
  // clang-format on
  for (const Found& k : found) {
    SCOPED_TRACE(k.c.turns);
    const choke::Resonances r = choke::resonances(k.c);
    expect_near_all(r.parallel_hz, k.parallel_mhz, 1e6, 1e-6);
    expect_near_all(r.series_hz, k.series_mhz, 1e6, 1e-6);
  }
}

TEST(Choke, ReactanceComesToTheCoilsInductanceAtLowFrequency) {
  // X / (omega L) - 1 at 100 kHz is what the sheath model leaves over: 7e-4
  // from its 60 ohm (for 59.96), and the helix's axial current, whose share
  // 2 tan^2(psi) I0 K0 grows with the pitch angle (5e-3 at p / D = 0.06).
  // clang-format off
  const std::vector<std::array<double, 6>> cases = {  // D, p, d mm; N; L uH (Nagaoka, Rosa); tol
      {25, 0.3, 0.25, 200, 345.0328787856, 1e-3}, {38, 0.35, 0.3, 300, 1048.355279020, 1e-3},
      {25, 0.5, 0.4, 150, 159.8467650612, 1.5e-3}, {12, 0.3, 0.25, 400, 179.5519533339, 2e-3},
      {50, 3, 1.5, 8, 3.363317151725, 7e-3}};
  // clang-format on
  for (const auto& [d, p, wire, n, l_uh, tolerance] : cases) {
    SCOPED_TRACE(n);
    const double x_over_omega_uh = choke::reactance(mm(d, p, wire, n), 1e5) / (2e5 * kPi) * 1e6;
    EXPECT_GT(x_over_omega_uh, l_uh);
    EXPECT_LT(relative(x_over_omega_uh, l_uh), tolerance);
  }
}

TEST(Choke, ThePublishedWindingsTableAndResonances) {
  // f MHz; beta l / pi, Zc and X_line as printed (3 decimals, whole ohms).
  const std::vector<std::array<double, 4>> table = {{1.8, 0.052, 12855, 2111},
                                                    {7.1, 0.269, 9549, 10765},
                                                    {14.2, 0.667, 7170, -12356},
                                                    {21.2, 1.160, 5515, 3032}};
  for (const auto& [f, beta_l_over_pi, zc, x_line] : table) {
    SCOPED_TRACE(f);
    EXPECT_NEAR(choke::electrical_length(kPublished, f * 1e6) / kPi, beta_l_over_pi, 0.0005);
    EXPECT_NEAR(choke::sheath_line(kPublished.g, f * 1e6).zc_ohm, zc, 0.5);
    EXPECT_NEAR(choke::line_reactance(kPublished, f * 1e6), x_line, 0.5);
  }
  // The printed resonances sit up to 3.4e-4 above the model's roots (37.257,
  // 19.054 and 43.001 MHz are printed 37.27, 19.06 and 43.01): their last
  // digit is not the model's, so 1e-3 here and 1e-6 in the test above.
  const choke::Resonances r = choke::resonances(kPublished, 1e5, 45e6);
  expect_near_all(r.parallel_hz, {11.46, 25.51, 37.27}, 1e6, 1e-3);
  expect_near_all(r.series_hz, {19.06, 31.47, 43.01}, 1e6, 1e-3);
}

TEST(Choke, TeslaCoilSecondariesAgainstTheirMeasuredModes) {
  // The model's quarter-wave modes (base grounded, top free) over the
  // measured: A +13.2, +5.3, +5.1, +5.8 %; B +13.9 % (lambda / 4), +4.0 %
  // (5 lambda / 4). Rows: the model evaluated independently, the published
  // evaluation of it (within 0.13 %), the measured.
  struct Case {
    double d_m, l_over_d, turns, wire_m;
    std::vector<std::size_t> modes;  // which parallel resonances were measured
    std::vector<double> model_khz, published_khz, measured_khz;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {0.108, 6.14, 1176, 0.45e-3, {0, 1, 2, 3},
       {397.471114951, 919.176604676, 1329.53933273, 1695.11307755},
       {397.5, 919.6, 1330.6, 1695.7}, {351.2, 873.0, 1265.5, 1602.5}},
      {0.261, 2.92, 1000, 0.6e-3, {0, 2}, {163.487780537, 532.047031691}, {163.7, 532.6},
       {143.5, 511.8}}};
  // clang-format on
  for (const Case& k : cases) {
    SCOPED_TRACE(k.d_m);
    const choke::Choke c{{k.d_m, k.l_over_d * k.d_m / k.turns, k.wire_m}, k.turns};
    const choke::Resonances r = choke::resonances(c, 1e5, 2e6);
    ASSERT_GT(r.parallel_hz.size(), k.modes.back());
    std::vector<double> modes;
    for (const std::size_t i : k.modes) modes.push_back(r.parallel_hz[i] / 1e3);
    expect_near_all(modes, k.model_khz, 1.0, 1e-6);
    expect_near_all(modes, k.published_khz, 1.0, 2e-3);
    for (std::size_t i = 0; i < modes.size(); ++i) {
      EXPECT_GT(modes[i] / k.measured_khz[i], 1.03) << i;
      EXPECT_LT(modes[i] / k.measured_khz[i], 1.15) << i;
    }
  }
}

TEST(Choke, OneMeasuredSeriesResonanceCalibratesTheOthers) {
  // The published winding measured at 17.5 MHz, not the model's 19.05; the
  // independent evaluation with s beta l for beta l and Zc / s for Zc.
  choke::Choke c = kPublished;
  c.length_scale = choke::length_scale(c, 17.5e6);
  EXPECT_LT(relative(c.length_scale, 1.1251358496107275), 1e-9);
  const choke::Resonances r = choke::resonances(c);
  ASSERT_FALSE(r.series_hz.empty());
  EXPECT_LT(relative(r.series_hz.front(), 17.5e6), 1e-6);
  expect_near_all(r.parallel_hz,
                  {10.4778392265, 23.4282925696, 34.0534331614, 44.2754696418, 54.6086831352}, 1e6,
                  1e-6);
  expect_near_all(r.series_hz, {17.5, 28.8548922145, 39.1678041701, 49.4163897545, 59.8578887554},
                  1e6, 1e-6);
  expect_near_all({choke::reactance(c, 1.8e6), choke::reactance(c, 7.1e6)},
                  {1827.44601663, 10271.7315484}, 1.0, 1e-9);
}

TEST(Choke, AnInvalidChokeOrFrequencyGivesNaNAndNoResonances) {
  const choke::Choke overlapping = mm(25, 0.3, 0.4, 150);
  EXPECT_TRUE(std::isnan(choke::sheath_line(overlapping.g, 7e6).zc_ohm));
  EXPECT_TRUE(std::isnan(choke::sheath_line(kPublished.g, 0.0).beta_per_m));
  EXPECT_TRUE(std::isnan(choke::reactance(mm(25, 0.5, 0.4, 0.5), 7e6)));
  EXPECT_TRUE(std::isnan(choke::impedance({kPublished.g, 150, 0.0}, 7e6).real()));
  EXPECT_TRUE(std::isnan(choke::length_scale(kPublished, std::nan(""))));
  EXPECT_TRUE(choke::resonances(kPublished, 6e7, 1e5).parallel_hz.empty());
  EXPECT_TRUE(choke::resonances(overlapping).series_hz.empty());
}

TEST(Feed, C1ChangeBlockingCapacitorAndCurrentDensity) {
  // K4FMX, 2000 ohm plate load: the extra C1 for an ideal choke, X = omega L,
  // about 85, 39 and 10 pF (86.9, 39.1, 10.3); a capacitive one takes C1 off.
  const std::vector<std::array<double, 3>> c1 = {{90, 1.8, 85}, {200, 1.8, 39}, {200, 3.5, 10}};
  for (const auto& [l_uh, f_mhz, pf] : c1) {
    const double x = 2.0 * kPi * f_mhz * l_uh;
    EXPECT_LT(relative(feed::c1_change_f(f_mhz * 1e6, x) * 1e12, pf), 0.05) << l_uh;
    EXPECT_LT(relative(feed::c1_change_f(f_mhz * 1e6, -x) * 1e12, -pf), 0.05) << l_uh;
  }
  // 1 / (2 pi 1.8 MHz 100 ohm); 0.5 A in 0.4 mm; 11.78 m of 0.4 mm copper.
  EXPECT_LT(relative(feed::blocking_capacitance_f(1.8e6, 2000.0), 884.1941282883e-12), 1e-12);
  EXPECT_LT(relative(feed::current_density_a_per_mm2(0.5, 0.4e-3), 3.978873577297), 1e-12);
  EXPECT_LT(relative(choke::dc_resistance(kPublished), 1.6163765036405), 1e-12);
}

}  // namespace
