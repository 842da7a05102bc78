#include "parts/coil.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coil {

namespace {

// Magnetic constant, H/m (the value of the former SI definition, 4 pi 1e-7;
// the redefined one differs by 5e-10 relative, far below the model's error).
constexpr double kMu0 = 4.0e-7 * std::numbers::pi;

// The bisection stops when the bracket is narrower than this share of the
// turns: far below the two decimals shown for any coil up to kMaxTurns.
constexpr double kTurnsTolerance = 1e-12;
// Bisection steps: halving the bracket [1, kMaxTurns] 200 times reaches any
// double, so the loop always ends on the tolerance first.
constexpr int kMaxBisections = 200;

bool positive(double v) {
  return std::isfinite(v) && v > 0.0;
}

}  // namespace

double nagaoka(double diameter_over_length) {
  const double x2 = diameter_over_length * diameter_over_length;
  // k^2 and k'^2 formed each from x so that neither loses digits to 1 - k^2.
  const double k2 = x2 / (x2 + 1.0);
  const double kp2 = 1.0 / (x2 + 1.0);
  const double k = std::sqrt(k2);
  const double kp = std::sqrt(kp2);
  const double big_k = std::comp_ellint_1(k);
  const double big_e = std::comp_ellint_2(k);
  return 4.0 / (3.0 * std::numbers::pi * kp) * ((kp2 / k2) * (big_k - big_e) + big_e - k);
}

double rosa_self(double pitch_m, double wire_m) {
  return 1.25 - std::log(2.0 * pitch_m / wire_m);
}

double rosa_mutual(double turns) {
  const double n = turns;
  const double n3 = n * n * n;
  const double n5 = n3 * n * n;
  const double n7 = n5 * n * n;
  const double n9 = n7 * n * n;
  return std::log(2.0 * std::numbers::pi) - 1.5 - std::log(n) / (6.0 * n) - 0.33084236 / n -
         1.0 / (120.0 * n3) + 1.0 / (504.0 * n5) - 0.0011923 / n7 + 0.0005068 / n9;
}

double inductance(double turns, const Geometry& g) {
  const double r = g.diameter_m / 2.0;
  const double length = turns * g.pitch_m;
  const double sheet =
      kMu0 * std::numbers::pi * r * r * turns * turns * nagaoka(g.diameter_m / length) / length;
  const double round_wire =
      kMu0 * r * turns * (rosa_self(g.pitch_m, g.wire_m) + rosa_mutual(turns));
  return sheet - round_wire;
}

Problem check(const Geometry& g) {
  if (!positive(g.diameter_m)) return Problem::diameter_not_positive;
  if (!positive(g.wire_m)) return Problem::wire_not_positive;
  if (!(g.pitch_m >= g.wire_m) || !std::isfinite(g.pitch_m)) return Problem::pitch_below_wire;
  if (!(g.wire_m < g.diameter_m)) return Problem::wire_not_below_diameter;
  return Problem::none;
}

Winding winding(double turns, const Geometry& g) {
  const double circumference = std::numbers::pi * g.diameter_m;
  return {turns, turns * g.pitch_m, turns * std::hypot(circumference, g.pitch_m)};
}

Solved solve(double inductance_h, const Geometry& g) {
  const Problem geometry = check(g);
  if (geometry != Problem::none) return {std::nullopt, geometry};
  if (!positive(inductance_h)) return {std::nullopt, Problem::inductance_not_positive};
  if (inductance_h < inductance(kMinTurns, g)) {
    return {std::nullopt, Problem::inductance_below_one_turn};
  }
  if (inductance_h > inductance(kMaxTurns, g)) {
    return {std::nullopt, Problem::inductance_above_limit};
  }
  // The bracket [low, high] holds the crossing: L(low) <= L < L(high)...
  double low = kMinTurns;
  double high = kMaxTurns;
  // ...narrowed first by doubling from one turn, so a small coil is found
  // in a small bracket.
  while (high > 2.0 * low && inductance(2.0 * low, g) < inductance_h) low *= 2.0;
  high = std::min(high, 2.0 * low);
  for (int i = 0; i < kMaxBisections && high - low > kTurnsTolerance * high; ++i) {
    const double mid = 0.5 * (low + high);
    if (inductance(mid, g) < inductance_h) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return {winding(0.5 * (low + high), g), Problem::none};
}

Tapped tapped(const std::vector<double>& inductances_h, const Geometry& g) {
  Tapped out;
  if (inductances_h.empty()) {
    out.problem = Problem::inductance_not_positive;
    return out;
  }
  out.taps.reserve(inductances_h.size());
  for (std::size_t band = 0; band < inductances_h.size(); ++band) {
    const Solved s = solve(inductances_h[band], g);
    if (s.problem != Problem::none) {
      out.taps.clear();
      out.problem = s.problem;
      out.band = band;
      return out;
    }
    out.taps.push_back(s.coil->turns);
  }
  out.coil = winding(*std::max_element(out.taps.begin(), out.taps.end()), g);
  return out;
}

}  // namespace coil
