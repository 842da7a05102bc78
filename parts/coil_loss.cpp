#include "parts/coil_loss.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

namespace coil_loss {

namespace {

constexpr double kPi = std::numbers::pi;
// Magnetic constant, H/m (the former SI definition; the redefined value
// differs by 5e-10 relative, far below the model's error).
constexpr double kMu0 = 4.0e-7 * kPi;
// Electric constant, F/m, as Knight's fits were made with it.
constexpr double kEpsilon0 = 8.854187818e-12;
// The same in pF/m, the unit of Knight's line capacitances.
constexpr double kEpsilon0PfPerM = 8.854187818;
// Speed of light, m/s.
constexpr double kSpeedOfLight = 299792458.0;

// Below this q the skin ratio is 1 + q^4 / 192 to within a rounding
// (q^4 / 192 < 1e-18), and the series' quotient would lose itself to underflow.
constexpr double kTinyQ = 1e-4;
// A power series is summed until a term adds less than this share.
constexpr double kSeriesTolerance = 1e-18;
// Terms of the Kelvin series: at q = 60 (u = 900) they peak near m = 30 and
// fall below the tolerance before m = 150.
constexpr int kMaxSeriesTerms = 400;

// Above this argument the modified Bessel functions come from their
// asymptotic expansions, whose smallest term there is about e^-2x < 1e-17.
constexpr double kBesselAsymptoticX = 20.0;
// Step of the trapezoidal rule over e^-x (cosh t - 1) cosh(nu t): the error
// falls as e^(x - pi^2 / h), below 1e-25 for x <= 20.
constexpr double kBesselStep = 0.125;
// The K integrand is left when it has fallen below e^-40 of its peak.
constexpr double kBesselTailExponent = 40.0;
// What a function without a finite or a real value gives.
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Bisection steps for the velocity factor: halving (0, 1] this often
// reaches the last bit, so the loop ends on the tolerance first.
constexpr int kMaxBisections = 200;
constexpr double kRootTolerance = 1e-15;

// Medhurst's table: l/D down the rows, p/d across, the last row and column
// those of an infinitely long coil and infinitely spaced turns.
constexpr std::size_t kRows = 12;
constexpr std::size_t kColumns = 11;
// The finite nodes; the table's last row and column (infinity) follow.
constexpr std::array<double, kRows - 1> kLengthNodes = {0.0, 0.2, 0.4, 0.6, 0.8, 1.0,
                                                        2.0, 4.0, 6.0, 8.0, 10.0};
constexpr std::array<double, kColumns - 1> kPitchNodes = {1.0, 1.111, 1.25,  1.429, 1.667,
                                                          2.0, 2.5,   3.333, 5.0,   10.0};
// clang-format off
constexpr std::array<std::array<double, kColumns>, kRows> kPhi = {{
    {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1.00},
    {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1.00},
    {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1.00},
    {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1.00},
    {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1.00},
    {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1.00},
    {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1.00},
    {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1.00},
    {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1.00},
    {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1.00},
    // 2.37 at p/d = 1.429: transcriptions differ (2.27); the column's run makes it 2.37.
    {3.23, 2.93, 2.65, 2.37, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1.00},
    {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1.00},
}};
// clang-format on

// A place on one axis of the table: the interval from node `index` to
// index + 1 and the share `t` of the way along it.
struct Place {
  std::size_t index = 0;
  double t = 0.0;
};

// v on the axis of finite nodes n followed by infinity: linear in v between
// finite nodes, linear in 1 / v from the last finite node to infinity
// (where 1 / v is 0), so the infinite node is reached as v grows without
// bound; below the first node, the first node. Each node gives t = 0 exactly.
template <std::size_t Size>
Place place(const std::array<double, Size>& n, double v) {
  if (!(v > n.front())) return {0, 0.0};
  const double last = n.back();
  if (v >= last) return {Size - 1, 1.0 - last / v};
  std::size_t i = 0;
  while (v >= n[i + 1]) ++i;
  return {i, (v - n[i]) / (n[i + 1] - n[i])};
}

// The scaled e^-x I_nu(x), nu = 0 or 1, from its power series (every term
// positive, so no digits are lost), x <= kBesselAsymptoticX.
double scaled_i_series(int nu, double x) {
  const double quarter_x2 = 0.25 * x * x;
  double term = nu == 0 ? 1.0 : 0.5 * x;
  double sum = term;
  for (int k = 1; term > kSeriesTolerance * sum; ++k) {
    term *= quarter_x2 / (static_cast<double>(k) * static_cast<double>(k + nu));
    sum += term;
  }
  return std::exp(-x) * sum;
}

// The scaled e^x K_nu(x) = int_0^inf e^-x (cosh t - 1) cosh(nu t) dt by the
// trapezoidal rule, which converges exponentially for this analytic integrand.
double scaled_k_integral(int nu, double x) {
  double sum = 0.5;  // half the integrand at t = 0
  for (int k = 1;; ++k) {
    const double t = k * kBesselStep;
    const double exponent = x * (std::cosh(t) - 1.0);
    if (exponent > kBesselTailExponent + t) break;
    sum += std::exp(-exponent) * std::cosh(nu * t);
  }
  return kBesselStep * sum;
}

// The asymptotic series sum_k s^k a_k(nu) / x^k, a_k(nu) =
// prod_j (4 nu^2 - (2j - 1)^2) / (k! 8^k), summed to its smallest term;
// sign -1 gives that of I_nu, +1 that of K_nu.
double asymptotic_sum(int nu, double x, double sign) {
  const double mu = 4.0 * nu * nu;
  double term = 1.0;
  double sum = 1.0;
  for (int k = 1; k < 200; ++k) {
    const double odd = 2.0 * k - 1.0;
    const double next = term * sign * (mu - odd * odd) / (8.0 * k * x);
    if (std::abs(next) >= std::abs(term) || std::abs(next) < kSeriesTolerance * std::abs(sum)) {
      break;
    }
    term = next;
    sum += term;
  }
  return sum;
}

}  // namespace

double skin_depth(double f_hz) {
  return std::sqrt(kRhoCopper / (kPi * f_hz * kMu0));
}

double dc_resistance(double length_m, double wire_m) {
  const double radius = 0.5 * wire_m;
  return kRhoCopper * length_m / (kPi * radius * radius);
}

double skin_ratio_series(double q) {
  if (q < kTinyQ) return 1.0;
  // ber + j bei = sum_m (j u)^m / (m!)^2 with u = q^2 / 4, and the
  // derivatives the same sum with each term times 2m / q.
  const double u = 0.25 * q * q;
  double ber = 1.0;
  double bei = 0.0;
  double ber_d = 0.0;
  double bei_d = 0.0;
  double term = 1.0;  // u^m / (m!)^2
  for (int m = 1; m < kMaxSeriesTerms; ++m) {
    term *= u / (static_cast<double>(m) * static_cast<double>(m));
    const double sign = (m % 4 < 2) ? 1.0 : -1.0;
    const double value = sign * term;
    const double slope = value * 2.0 * m / q;
    if (m % 2 == 0) {
      ber += value;
      ber_d += slope;
    } else {
      bei += value;
      bei_d += slope;
    }
    // |ber| + |bei| never vanishes (J0 has no zeros off the real axis).
    if (term < kSeriesTolerance * (std::abs(ber) + std::abs(bei))) break;
  }
  return 0.5 * q * (ber * bei_d - bei * ber_d) / (ber_d * ber_d + bei_d * bei_d);
}

double skin_ratio_asymptotic(double q) {
  const double a_over_delta = q / std::numbers::sqrt2;
  return a_over_delta / 2.0 + 0.25 + 3.0 / (32.0 * a_over_delta);
}

double skin_ratio(double q) {
  return q < kSeriesLimitQ ? skin_ratio_series(q) : skin_ratio_asymptotic(q);
}

double proximity_factor(double length_over_diameter, double pitch_over_wire) {
  const Place r = place(kLengthNodes, length_over_diameter);
  const Place c = place(kPitchNodes, pitch_over_wire);
  const auto& low = kPhi[r.index];
  const auto& high = kPhi[r.index + 1];
  const std::size_t j = c.index;
  const std::size_t j1 = j + 1;
  return (1.0 - r.t) * ((1.0 - c.t) * low[j] + c.t * low[j1]) +
         r.t * ((1.0 - c.t) * high[j] + c.t * high[j1]);
}

double turns_factor(double turns) {
  if (turns >= 2.0) return (turns - 1.0) / turns;
  if (turns > 1.0) return 1.0 / turns;
  return 1.0;
}

double self_capacitance(double turns, const coil::Geometry& g, Dielectric e) {
  const double length = turns * g.pitch_m;
  const double x = g.diameter_m / length;
  const double kc = 0.717439 * x + 0.933048 * std::pow(x, 1.5) + 0.106 * x * x;
  const double sin_psi = g.pitch_m / (kPi * g.diameter_m);
  const double cos2_psi = 1.0 - sin_psi * sin_psi;
  return 4.0 * kEpsilon0 * e.outside * length / kPi *
         (1.0 + kc * (1.0 + e.inside / e.outside) / 2.0) / cos2_psi;
}

ScaledBessel modified_bessel(double x) {
  // At 0 the K's pole (e^0 I0 = 1, I1 = 0); below it, and for NaN, no real
  // value: the integral of K would never reach its tail there.
  if (x == 0.0) return {1.0, 0.0, kInfinity, kInfinity};
  if (!(x > 0.0)) return {kNaN, kNaN, kNaN, kNaN};
  if (x > kBesselAsymptoticX) {
    const double i_scale = 1.0 / std::sqrt(2.0 * kPi * x);
    const double k_scale = std::sqrt(kPi / (2.0 * x));
    return {i_scale * asymptotic_sum(0, x, -1.0), i_scale * asymptotic_sum(1, x, -1.0),
            k_scale * asymptotic_sum(0, x, 1.0), k_scale * asymptotic_sum(1, x, 1.0)};
  }
  return {scaled_i_series(0, x), scaled_i_series(1, x), scaled_k_integral(0, x),
          scaled_k_integral(1, x)};
}

double velocity_factor(double length_over_diameter, Dielectric e) {
  const double lambda = length_over_diameter;
  const double x = kPi / (2.0 * lambda) + 0.117 * std::exp(-22.0 * std::exp(-0.75 * lambda));
  const double k_l = coil::nagaoka(1.0 / lambda);
  const double eps_rad = e.outside / 2.0 * (1.0 + k_l + e.inside / e.outside * (1.0 - k_l));
  const double vf0 = 1.0 / std::sqrt(eps_rad);
  const ScaledBessel b = modified_bessel(x);
  const double i0k0 = b.i0 * b.k0;
  const double i1k1 = b.i1 * b.k1;
  const double vfh = vf0 * std::sqrt(i0k0 / i1k1);
  const double c_ff = 2.0 * kEpsilon0PfPerM * eps_rad / (1.0 + std::log(1.0 + lambda));
  const double c_af =
      kEpsilon0PfPerM * (e.inside + e.outside) / std::acosh(1.015 + lambda * lambda);
  const double r0 = 59.9584916 * vf0 * std::sqrt(2.0 * i0k0 * i1k1);
  const double coef_b = 1e6 * lambda / (299.792458 * kPi * (c_ff + c_af) * r0);
  const double coef_a = kPi / (2.0 * vfh);
  // z - arctan(b / z) / a rises with z from -pi / (2a) at 0 and is >= 0 at
  // min(vfh, sqrt(b / a)), as arctan(y) <= min(y, pi / 2): one root between.
  double low = 0.0;
  double high = std::min(vfh, std::sqrt(coef_b / coef_a));
  for (int i = 0; i < kMaxBisections && high - low > kRootTolerance * high; ++i) {
    const double mid = 0.5 * (low + high);
    if (mid - std::atan(coef_b / mid) / coef_a < 0.0) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return 0.5 * (low + high);
}

double self_resonance(double turns, const coil::Geometry& g, Dielectric e) {
  const coil::Winding w = coil::winding(turns, g);
  return velocity_factor(w.length_m / g.diameter_m, e) * kSpeedOfLight / (2.0 * w.conductor_m);
}

Values evaluate(double turns, const coil::Geometry& g, double f_hz, Dielectric e) {
  const coil::Winding w = coil::winding(turns, g);
  const double q_skin = std::numbers::sqrt2 * (0.5 * g.wire_m) / skin_depth(f_hz);
  Values v;
  v.inductance_h = coil::inductance(turns, g);
  v.winding_m = w.length_m;
  v.wire_length_m = w.conductor_m;
  v.r_dc_ohm = dc_resistance(w.conductor_m, g.wire_m);
  v.r_ac_ohm = v.r_dc_ohm * skin_ratio(q_skin);
  v.phi = proximity_factor(w.length_m / g.diameter_m, g.pitch_m / g.wire_m);
  v.r_ohm = v.phi * v.r_ac_ohm * turns_factor(turns);
  v.q = 2.0 * kPi * f_hz * v.inductance_h / v.r_ohm;
  v.c_self_f = self_capacitance(turns, g, e);
  v.srf_hz = self_resonance(turns, g, e);
  const double y = f_hz / v.srf_hz;
  v.q_apparent = v.q * (1.0 - y * y);
  v.near_resonance = f_hz > kUsableShareOfResonance * v.srf_hz;
  v.skin_undeveloped = q_skin < kDevelopedSkinQ;
  return v;
}

std::vector<int> harmonics_near(double f_hz, double srf_hz) {
  std::vector<int> near;
  for (int h = 1; h <= kHarmonicsChecked; ++h) {
    if (std::abs(h * f_hz - srf_hz) <= kNearResonanceShare * srf_hz) near.push_back(h);
  }
  return near;
}

}  // namespace coil_loss
