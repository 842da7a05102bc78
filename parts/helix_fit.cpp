#include "parts/helix_fit.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace helix_fit {

namespace {

constexpr double kPi = std::numbers::pi;
// Chebyshev nodes per decade of the range (16 leave about 5e-8 over three
// decades, 48 over two leave 5e-11), and no fewer than kMinNodes.
constexpr double kNodesPerDecade = 20.0;
constexpr double kMinNodes = 24.0;
// Points of the table: linear interpolation is within about 2e-8 of the
// series over three decades.
constexpr int kTablePoints = 8192;
// Newton's steps inverting the series: ln beta rises with slope 1 + g' >= 1
// in ln f, so 3 or 4 reach kNewtonTolerance; the bound only stops a NaN.
constexpr int kMaxNewton = 30;
constexpr double kNewtonTolerance = 1e-14;
// The range is widened by this share at each end, so that values at its
// ends are interpolated, not extrapolated.
constexpr double kRangeSlack = 0.01;

// sum c_k T_k(x) - c_0 / 2 by Clenshaw's recurrence.
double clenshaw(const std::vector<double>& c, double x) {
  double b1 = 0.0;
  double b2 = 0.0;
  for (std::size_t k = c.size() - 1; k >= 1; --k) {
    const double b = 2.0 * x * b1 - b2 + c[k];
    b2 = b1;
    b1 = b;
  }
  return x * b1 - b2 + 0.5 * c[0];
}

double to_x(const Fit& h, double u) {
  return (2.0 * u - h.u_low - h.u_high) / (h.u_high - h.u_low);
}
double ln_beta(const Fit& h, double u) {
  return u + clenshaw(h.series, to_x(h, u));
}
double ln_beta_slope(const Fit& h, double u) {
  return 1.0 + clenshaw(h.slope, to_x(h, u));
}

// ln f where ln beta = t, by Newton's method from u.
double invert(const Fit& h, double t, double u) {
  for (int i = 0; i < kMaxNewton; ++i) {
    const double step = (ln_beta(h, u) - t) / ln_beta_slope(h, u);
    u -= step;
    if (!(std::abs(step) > kNewtonTolerance)) break;
  }
  return u;
}

// The Chebyshev series of g over [f_low, f_high] and its derivative's.
void fit_series(const coil::Geometry& g, Fit& h) {
  const double decades = (h.u_high - h.u_low) / std::numbers::ln10;
  const auto n =
      static_cast<std::size_t>(std::max(kMinNodes, std::ceil(kNodesPerDecade * decades)));
  std::vector<double> v(n);
  const double mid = 0.5 * (h.u_high + h.u_low);
  const double half = 0.5 * (h.u_high - h.u_low);
  for (std::size_t j = 0; j < n; ++j) {
    const double f = std::exp(
        mid + half * std::cos(kPi * (static_cast<double>(j) + 0.5) / static_cast<double>(n)));
    v[j] = std::log(choke::sheath_line(g, f).beta_per_m / f);
  }
  h.series.assign(n, 0.0);
  for (std::size_t k = 0; k < n; ++k) {
    for (std::size_t j = 0; j < n; ++j) {
      h.series[k] += v[j] * std::cos(kPi * static_cast<double>(k) * (static_cast<double>(j) + 0.5) /
                                     static_cast<double>(n));
    }
    h.series[k] *= 2.0 / static_cast<double>(n);
  }
  // d/dx: c'_{k-1} = c'_{k+1} + 2 k c_k; then d/du = d/dx / half.
  h.slope.assign(n, 0.0);
  for (std::size_t k = n - 1; k >= 1; --k) {
    h.slope[k - 1] =
        (k + 1 < n ? h.slope[k + 1] : 0.0) + 2.0 * static_cast<double>(k) * h.series[k];
  }
  for (double& c : h.slope) c /= half;
}

// ln f where ln beta = t, from the table (extrapolated beyond its ends).
double table_ln_f(const Fit& h, double t) {
  const double s = (t - h.t_low) / h.t_step;
  const double j = std::clamp(std::floor(s), 0.0, static_cast<double>(kTablePoints - 2));
  const auto i = static_cast<std::size_t>(j);
  return h.table[i] + (s - j) * (h.table[i + 1] - h.table[i]);
}

}  // namespace

Fit fit(const coil::Geometry& g, double f_low_hz, double f_high_hz) {
  Fit h;
  h.u_low = std::log(f_low_hz * (1.0 - kRangeSlack));
  h.u_high = std::log(f_high_hz * (1.0 + kRangeSlack));
  fit_series(g, h);
  h.t_low = ln_beta(h, h.u_low);
  h.t_step = (ln_beta(h, h.u_high) - h.t_low) / (kTablePoints - 1);
  h.table.resize(kTablePoints);
  double u = h.u_low;
  for (int j = 0; j < kTablePoints; ++j) {
    u = invert(h, h.t_low + j * h.t_step, u);
    h.table[static_cast<std::size_t>(j)] = u;
  }
  return h;
}

double frequency(const Fit& h, double beta_per_m) {
  return std::exp(table_ln_f(h, std::log(beta_per_m)));
}

// The table's estimate of the frequency is within about 1e-7; one Newton
// step on the exact length (its slope in ln f from the series) leaves about
// 1e-14 of that.
double exact_frequency(const choke::Choke& c, const Fit& h, double phase_rad) {
  const double length = c.length_scale * c.turns * c.g.pitch_m;
  const double u = table_ln_f(h, std::log(phase_rad / length));
  const double theta = choke::electrical_length(c, std::exp(u));
  return std::exp(u - std::log(theta / phase_rad) / ln_beta_slope(h, u));
}

}  // namespace helix_fit
