#include "matching/retune.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "main/design.hpp"

namespace retune {

namespace {

// The harmonic whose suppression the re-tuned tank is asked for.
constexpr double kHarmonic = 2.0;
// The suppression is measured as the engine's discrimination drives the
// network: by a generator behind ten times the anode resistance.
constexpr double kSourceFactor = 10.0;
// RMS to peak of a sine.
const double kPeak = std::numbers::sqrt2;

double omega(double f_hz) {
  return 2.0 * std::numbers::pi * f_hz;
}

// A coil with its series loss omega L / Q0 (none for Q0 = infinity or L = 0).
Complex coil(double l_h, double w, double q0) {
  const double x = w * l_h;
  return {x / q0, x};
}

double wide(float v) {
  return static_cast<double>(v);
}

// The roots t of the susceptance the node behind the coil must have.
//
// With Zc = r + jx the coil and G + jt the admittance at the node (C2 in
// parallel with the load: t = B_load + omega C2), the network behind C1 has
// Z = Zc + 1 / (G + jt). Its conductance is 1 / R when Z lies on the circle
// |Z - R/2| = R/2, i.e. 1 / (G + jt), a circle through the origin, meets the
// conductance circle shifted by -Zc. Written in t the intersection is
//   a t^2 - 2 x t + c = 0,  a = r^2 + x^2 - R r,
//   c = (1 + r G)^2 + x^2 G^2 - R G (1 + r G).
// Cases: D = x^2 - a c < 0, the circles do not meet (no root); D = 0, they
// touch (one double root); D > 0, two roots. For a = 0 the shifted circle
// passes through the origin, the point t = infinity of the node's circle;
// that point is no setting and the one finite root remains. The roots are
// formed without cancellation: q = x + sqrt(D) > 0 (x > 0), t = q / a, c / q.
struct Roots {
  int count = 0;
  std::array<double, 2> t{};  // S
};

Roots node_susceptances(double g, Complex zc, double r_oe) {
  const double r = zc.real();
  const double x = zc.imag();
  const double a = r * r + x * x - r_oe * r;
  const double c = (1.0 + r * g) * (1.0 + r * g) + x * x * g * g - r_oe * g * (1.0 + r * g);
  const double d = x * x - a * c;
  Roots out;
  if (!(d >= 0.0)) return out;
  const double q = x + std::sqrt(d);
  out.t[out.count++] = c / q;
  if (a != 0.0) out.t[out.count++] = q / a;
  return out;
}

bool valid_load(Complex z) {
  return std::isfinite(z.real()) && std::isfinite(z.imag()) && z.real() > 0.0;
}

// What the node behind the coil sees of the load, at the working frequency.
struct Node {
  double w = 0.0;  // rad/s
  Complex y_load;  // the load with L2 in series, S
  Complex zc;      // the coil behind C1 with its loss, ohm
};

Node node_of(const Tank& t, Complex z_load) {
  const double w = omega(t.f_hz);
  return {w, 1.0 / (z_load + coil(t.l2_h, w, t.q0)), coil(t.l_h, w, t.q0)};
}

// The settings that give the node the susceptance node_b, S.
Settings settings_at(const Tank& t, const Node& n, double node_b) {
  const Complex y_behind = 1.0 / (n.zc + 1.0 / Complex(n.y_load.real(), node_b));
  Settings s;
  s.c2_f = (node_b - n.y_load.imag()) / n.w;
  s.c1_total_f = -y_behind.imag() / n.w;
  s.c_hot_f = s.c1_total_f - t.c_tube_f;
  return s;
}

// The network per volt at the anode, at frequency f with the settings given.
struct Ladder {
  Complex y_in;    // admittance at the anode, S
  Complex i_c1;    // A
  Complex i_l;     // A, into the coil behind C1
  Complex v_node;  // V across C2
  Complex i_l2;    // A, into L2 and the load
  Complex v_load;  // V across the load
};

Ladder ladder(const Tank& t, double f_hz, double c1_f, double c2_f, Complex z_load) {
  const double w = omega(f_hz);
  const Complex z_to_load = z_load + coil(t.l2_h, w, t.q0);
  const Complex z_node = 1.0 / (Complex(0.0, w * c2_f) + 1.0 / z_to_load);
  Ladder s;
  s.i_c1 = Complex(0.0, w * c1_f);
  s.i_l = 1.0 / (coil(t.l_h, w, t.q0) + z_node);
  s.y_in = s.i_c1 + s.i_l;
  s.v_node = s.i_l * z_node;
  s.i_l2 = s.v_node / z_to_load;
  s.v_load = s.i_l2 * z_load;
  return s;
}

Operation operate(const Stage& s, const Settings& set, Complex z_load) {
  const Tank& t = s.tank;
  const double u = std::sqrt(s.p_h1_w * t.r_oe);
  const Ladder l = ladder(t, t.f_hz, set.c1_total_f, set.c2_f, z_load);
  Operation o;
  o.p_out_w = std::norm(u * l.i_l2) * z_load.real();
  o.efficiency = o.p_out_w / s.p_h1_w;
  o.i_l_a = u * std::abs(l.i_l);
  o.i_l2_a = t.l2_h > 0.0 ? u * std::abs(l.i_l2) : 0.0;
  o.i_c1_a = u * std::abs(l.i_c1);
  o.i_c2_a = u * std::abs(l.v_node) * omega(t.f_hz) * set.c2_f;
  o.u_c2_peak_v = kPeak * u * std::abs(l.v_node);
  o.u_load_peak_v = kPeak * u * std::abs(l.v_load);
  o.h2_db = h2_db(t, set.c1_total_f, set.c2_f, z_load, s.r0);
  o.filter_db = wide(design::stage_suppression_db(static_cast<float>(o.h2_db),
                                                  design::pulse_h2_ratio_db(s.pulse)));
  return o;
}

bool matched_with(const Tank& t, double l_h, Complex z_load) {
  Tank other = t;
  other.l_h = l_h;
  return match(other, z_load).reason == Reason::matched;
}

// The matched end of [out, in] (out unmatched, in matched) narrowed by
// bisection in the ratio to kLTolerance.
double boundary(const Tank& t, Complex z_load, double out, double in) {
  while (std::fabs(std::log(in / out)) > kLTolerance) {
    const double mid = std::sqrt(in * out);
    if (mid == in || mid == out) break;
    (matched_with(t, mid, z_load) ? in : out) = mid;
  }
  return in;
}

int scan_steps(double factor) {
  return static_cast<int>(std::lround(std::fabs(std::log10(factor)) * kLScanStepsPerDecade));
}

}  // namespace

bool swr_in_range(double s) {
  return s > kSwrAbove && s <= kSwrMax;
}

std::vector<Complex> circle_loads(double r0, double s) {
  const double rho = (s - 1.0) / (s + 1.0);
  const double step = kLoadStepDeg * std::numbers::pi / 180.0;
  std::vector<Complex> z(kLoadCount);
  for (int k = 0; k < kLoadCount; ++k) {
    const Complex gamma = std::polar(rho, step * k);
    z[static_cast<std::size_t>(k)] = r0 * (1.0 + gamma) / (1.0 - gamma);
  }
  return z;
}

Match match(const Tank& t, Complex z_load) {
  Match m;
  if (!valid_load(z_load)) {
    m.reason = Reason::invalid_load;
    return m;
  }
  const Node n = node_of(t, z_load);
  const Roots roots = node_susceptances(n.y_load.real(), n.zc, t.r_oe);
  if (roots.count == 0) {
    m.reason = Reason::no_c2_solution;
    return m;
  }
  const double node_b = std::max(roots.t[0], roots.count == 2 ? roots.t[1] : roots.t[0]);
  if (!(node_b >= n.y_load.imag())) {
    m.reason = Reason::c2_negative;
    return m;
  }
  m.settings = settings_at(t, n, node_b);
  if (!(m.settings.c_hot_f > 0.0)) m.reason = Reason::c1_not_above_tube;
  return m;
}

std::vector<Settings> settings_for_load(const Tank& t, Complex z_load) {
  std::vector<Settings> out;
  if (!valid_load(z_load)) return out;
  const Node n = node_of(t, z_load);
  const Roots roots = node_susceptances(n.y_load.real(), n.zc, t.r_oe);
  for (int k = 0; k < roots.count; ++k) {
    out.push_back(settings_at(t, n, roots.t[static_cast<std::size_t>(k)]));
  }
  return out;
}

bool in_region(const Tank& t, const SettingsRange& r, Complex z_load) {
  const auto inside = [&](const Settings& s) {
    return s.c1_total_f >= r.c1_min_f && s.c1_total_f <= r.c1_max_f && s.c2_f >= r.c2_min_f &&
           s.c2_f <= r.c2_max_f;
  };
  const std::vector<Settings> all = settings_for_load(t, z_load);
  return std::any_of(all.begin(), all.end(), inside);
}

std::optional<double> l_needed_h(const Tank& t, Complex z_load) {
  if (!valid_load(z_load)) return std::nullopt;
  if (matched_with(t, t.l_h, z_load)) return t.l_h;
  const double ratio = std::pow(10.0, 1.0 / kLScanStepsPerDecade);
  const int up_steps = scan_steps(kLSearchHigh);
  const int down_steps = scan_steps(kLSearchLow);
  for (int k = 1; k <= std::max(up_steps, down_steps); ++k) {
    const double up = t.l_h * std::pow(ratio, k);
    const double down = t.l_h / std::pow(ratio, k);
    const bool up_in = k <= up_steps && matched_with(t, up, z_load);
    const bool down_in = k <= down_steps && matched_with(t, down, z_load);
    if (!up_in && !down_in) continue;
    const double above = up_in ? boundary(t, z_load, up / ratio, up) : 0.0;
    const double below = down_in ? boundary(t, z_load, down * ratio, down) : 0.0;
    if (!down_in) return above;
    if (!up_in) return below;
    return std::log(above / t.l_h) <= std::log(t.l_h / below) ? above : below;
  }
  return std::nullopt;
}

Point retune_at(const Stage& s, Complex z_load) {
  Point p;
  p.z_load = z_load;
  const Match m = match(s.tank, z_load);
  p.reason = m.reason;
  if (p.matched()) {
    p.settings = m.settings;
    p.operation = operate(s, m.settings, z_load);
  } else {
    p.l_needed_h = l_needed_h(s.tank, z_load);
  }
  return p;
}

std::vector<Point> retune_circle(const Stage& s, double swr) {
  std::vector<Point> points;
  points.reserve(kLoadCount);
  for (const Complex& z : circle_loads(s.r0, swr)) points.push_back(retune_at(s, z));
  return points;
}

double h2_db(const Tank& t, double c1_total_f, double c2_f, Complex z_load, double r0) {
  const double r_g = kSourceFactor * t.r_oe;
  const auto load_power = [&](double f_hz, Complex z) {
    const Ladder l = ladder(t, f_hz, c1_total_f, c2_f, z);
    const Complex v_anode = 1.0 / (1.0 + r_g * l.y_in);  // per volt of the generator
    return std::norm(v_anode * l.i_l2) * z.real();
  };
  return 10.0 * std::log10(load_power(t.f_hz, z_load) / load_power(kHarmonic * t.f_hz, r0));
}

Complex load_for_settings(const Tank& t, double c1_total_f, double c2_f) {
  const double w = omega(t.f_hz);
  const Complex y_behind = Complex(1.0 / t.r_oe, -w * c1_total_f);
  const Complex z_node = 1.0 / y_behind - coil(t.l_h, w, t.q0);
  const Complex y_to_load = 1.0 / z_node - Complex(0.0, w * c2_f);
  return 1.0 / y_to_load - coil(t.l2_h, w, t.q0);
}

std::vector<Complex> region_border(const Tank& t, const SettingsRange& r) {
  struct Corner {
    double c1, c2;
  };
  const std::array<Corner, 5> corners{{{r.c1_min_f, r.c2_min_f},
                                       {r.c1_max_f, r.c2_min_f},
                                       {r.c1_max_f, r.c2_max_f},
                                       {r.c1_min_f, r.c2_max_f},
                                       {r.c1_min_f, r.c2_min_f}}};
  std::vector<Complex> border;
  border.reserve(std::size_t{4} * kBorderPointsPerEdge);
  for (int e = 0; e < 4; ++e) {
    const Corner& from = corners[static_cast<std::size_t>(e)];
    const Corner& to = corners[static_cast<std::size_t>(e) + 1];
    for (int i = 0; i < kBorderPointsPerEdge; ++i) {
      const double s = static_cast<double>(i) / kBorderPointsPerEdge;
      border.push_back(
          load_for_settings(t, from.c1 + s * (to.c1 - from.c1), from.c2 + s * (to.c2 - from.c2)));
    }
  }
  return border;
}

Stage from_pi_record(const stage::StageRecord& record) {
  const stage::StageInputs& in = record.inputs;
  const stage::FinalElements& e = record.final_elements;
  Stage s;
  s.tank = {wide(in.f_hz), wide(record.results.r_oe), wide(e.l_coil),
            0.0,           wide(in.q_unloaded),       wide(in.c_tube)};
  s.p_h1_w = wide(record.results.p_h1);
  s.r0 = wide(in.r_load);
  s.pulse = record.pulse_coeffs;
  s.design = {wide(e.c1), wide(e.c1) - wide(in.c_tube), wide(e.c2)};
  return s;
}

Stage from_pi_l_design(const design::PiLDesign& d, const stage::StageInputs& in) {
  const pi_l::Network& n = d.net;
  Stage s;
  s.tank = {wide(in.f_hz), wide(d.results.r_oe), n.l1_h, n.l2_h, n.q_unloaded, wide(in.c_tube)};
  s.p_h1_w = wide(d.results.p_h1);
  s.r0 = n.r_load;
  s.pulse = design::pulse_coefficients(in);
  s.design = {n.c1_f, n.c1_f - wide(in.c_tube), n.c2_f};
  return s;
}

}  // namespace retune
