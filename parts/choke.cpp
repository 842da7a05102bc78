#include "parts/choke.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "parts/coil_loss.hpp"

namespace choke {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Magnetic constant, H/m: the former SI definition, as the coil's
// inductance uses it (the redefined value differs by 5e-10 relative).
constexpr double kMu0 = 4.0e-7 * kPi;
// Speed of light in vacuum, m/s (exact).
constexpr double kSpeedOfLight = 299792458.0;
// The sheath helix's impedance constant, ohm: Corum's 60, the free-space
// wave impedance over 2 pi (59.96) rounded as the published model has it.
constexpr double kSheathOhm = 60.0;

// tau is bisected until its bracket is narrower than this share of it: the
// last bits of a double, below the 1e-13 of the Bessel functions.
constexpr double kTauTolerance = 1e-15;
// Bisection steps: the loops end on their tolerances long before (about 50
// for tau, 40 for a resonance); the bound only keeps a NaN from looping.
constexpr int kMaxBisections = 200;
// Halvings of the upper bound of u = tau / (k0 tan(psi)) until the root lies
// above: the root is at u = sqrt(I1 K1 / (I0 K0)), above 0.02 for any
// argument down to the smallest double, so six halvings always do.
constexpr int kMaxHalvings = 64;

bool valid(const Choke& c) {
  return coil::check(c.g) == coil::Problem::none && c.turns >= coil::kMinTurns &&
         c.turns <= coil::kMaxTurns && std::isfinite(c.length_scale) && c.length_scale > 0.0;
}

// The dispersion relation at x = tau a = u k0 a, divided by (k0 a)^2 and
// multiplied by I0 K0 (> 0): I1 K1 - (u tan psi)^2 I0 K0. Positive below the
// root, negative above it. The scaled Bessel functions' exponentials cancel
// in each product, so these are the unscaled I K.
double dispersion(double u, double k0a, double tan_psi) {
  const coil_loss::ScaledBessel b = coil_loss::modified_bessel(u * k0a);
  const double ut = u * tan_psi;
  return b.i1 * b.k1 - ut * ut * b.i0 * b.k0;
}

// The root u of the dispersion relation. At u = 1 / tan(psi) it is
// I1 K1 - I0 K0 < 0 (I1 K1 < I0 K0 for every x > 0); the lower bound is
// halved from there until the relation is positive, then bisected.
double radial_root(double k0a, double tan_psi) {
  double high = 1.0 / tan_psi;
  double low = 0.5 * high;
  for (int i = 0; i < kMaxHalvings && !(dispersion(low, k0a, tan_psi) > 0.0); ++i) {
    high = low;
    low *= 0.5;
  }
  for (int i = 0; i < kMaxBisections && high - low > kTauTolerance * high; ++i) {
    const double mid = 0.5 * (low + high);
    if (dispersion(mid, k0a, tan_psi) > 0.0) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return 0.5 * (low + high);
}

// The long current sheet's inductance mu0 pi a^2 N^2 / l, H.
double sheet_inductance(const Choke& c) {
  const double a = 0.5 * c.g.diameter_m;
  return kMu0 * kPi * a * a * c.turns / c.g.pitch_m;
}

// The frequency, Hz, in [low, high] where s beta l reaches target (s beta l
// rises with f), bisected to kResonanceTolerance.
double frequency_at(const Choke& c, double target, double low, double high) {
  for (int i = 0; i < kMaxBisections && high - low > kResonanceTolerance * high; ++i) {
    const double mid = 0.5 * (low + high);
    if (electrical_length(c, mid) < target) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return 0.5 * (low + high);
}

}  // namespace

Line sheath_line(const coil::Geometry& g, double f_hz) {
  if (coil::check(g) != coil::Problem::none || !std::isfinite(f_hz) || !(f_hz > 0.0)) {
    return {kNaN, kNaN, kNaN, kNaN};
  }
  const double a = 0.5 * g.diameter_m;
  const double tan_psi = g.pitch_m / (kPi * g.diameter_m);
  const double k0 = 2.0 * kPi * f_hz / kSpeedOfLight;
  const double k0a = k0 * a;
  if (!(k0a > 0.0)) return {kNaN, kNaN, kNaN, kNaN};  // f so small that k0 a underflows
  const double x = radial_root(k0a, tan_psi) * k0a;
  const double tau = x / a;
  const double beta = std::hypot(k0, tau);
  const coil_loss::ScaledBessel b = coil_loss::modified_bessel(x);
  return {tau, beta, k0 / beta, kSheathOhm * (beta / k0) * b.i0 * b.k0};
}

double electrical_length(const Choke& c, double f_hz) {
  if (!valid(c)) return kNaN;
  return c.length_scale * sheath_line(c.g, f_hz).beta_per_m * c.turns * c.g.pitch_m;
}

double line_reactance(const Choke& c, double f_hz) {
  if (!valid(c)) return kNaN;
  const Line line = sheath_line(c.g, f_hz);
  const double s = c.length_scale;
  return line.zc_ohm / s * std::tan(s * line.beta_per_m * c.turns * c.g.pitch_m);
}

double reactance(const Choke& c, double f_hz) {
  if (!valid(c)) return kNaN;
  return line_reactance(c, f_hz) * coil::inductance(c.turns, c.g) / sheet_inductance(c);
}

std::complex<double> impedance(const Choke& c, double f_hz) {
  const double x = reactance(c, f_hz);
  if (std::isnan(x)) return {kNaN, kNaN};
  return {coil_loss::evaluate(c.turns, c.g, f_hz).r_ohm, x};
}

Resonances resonances(const Choke& c, double f_low_hz, double f_high_hz) {
  Resonances out;
  if (!(f_low_hz > 0.0) || !(f_high_hz > f_low_hz)) return out;
  const double first = electrical_length(c, f_low_hz);
  const double last = electrical_length(c, f_high_hz);
  if (!std::isfinite(first) || !std::isfinite(last)) return out;
  // Each quarter wave in turn: odd multiples of pi / 2 are parallel
  // resonances, even ones series; each one's search starts at the last.
  const double quarter = kPi / 2.0;
  double low = f_low_hz;
  for (double m = std::max(1.0, std::ceil(first / quarter)); m * quarter <= last; m += 1.0) {
    low = frequency_at(c, m * quarter, low, f_high_hz);
    (std::fmod(m, 2.0) == 1.0 ? out.parallel_hz : out.series_hz).push_back(low);
  }
  return out;
}

double length_scale(const Choke& c, double first_series_hz) {
  const Choke model{c.g, c.turns, 1.0};
  return kPi / electrical_length(model, first_series_hz);
}

double dc_resistance(const Choke& c) {
  return coil_loss::dc_resistance(coil::winding(c.turns, c.g).conductor_m, c.g.wire_m);
}

}  // namespace choke
