#include "network/pi_l.hpp"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "network/calculations.hpp"

namespace pi_l {

namespace {

using Complex = std::complex<double>;

// The engine's discrimination drives the network by a generator behind ten
// times the anode resistance: nearly a current source, as the tube is.
constexpr double kDiscriminationSourceFactor = 10.0;
// The engine's pass-band drives it behind eleven times (k = (R + 10 R) / R).
constexpr double kPassbandSourceFactor = 11.0;
// The pass-band is where the response lies within 1 dB of its peak.
constexpr double kPassbandDb = 1.0;
// The pass-band sweep spans 0.5 f to 1.5 f: wider than any -1 dB band of a
// tank with a loaded Q of 1.2 or more.
constexpr double kPassbandLow = 0.5;
constexpr double kPassbandHigh = 1.5;
// The S11 band counts the points below 0.1 from 0.7 f to 1.3 f, as the
// engine's does.
constexpr double kS11Level = 0.1;
constexpr double kS11Low = 0.7;
constexpr double kS11High = 1.3;

double omega(double f_hz) {
  return 2.0 * std::numbers::pi * f_hz;
}

// Impedance of a coil with its series loss omega L / Q0.
Complex coil(double l_h, double w, double q0) {
  const double x = w * l_h;
  return {x / q0, x};
}

Complex capacitor(double c_f, double w) {
  return {0.0, -1.0 / (w * c_f)};
}

Complex parallel(Complex a, Complex b) {
  return a * b / (a + b);
}

// The ladder at one frequency, per volt at the anode.
struct Ladder {
  Complex z_c1, z_l1, z_c2, z_l2;
  Complex z_to_load;  // L2 and the load, ohm
  Complex z_mid;      // at the middle node, looking to the load, ohm
  Complex z_in;       // at the anode, ohm
  Complex i_l1;       // A per V at the anode
  Complex v_mid;      // V per V at the anode
  Complex i_l2;       // A per V at the anode
  Complex v_load;     // V per V at the anode
};

Ladder ladder(const Network& n, double f_hz) {
  const double w = omega(f_hz);
  Ladder s;
  s.z_c1 = capacitor(n.c1_f, w);
  s.z_l1 = coil(n.l1_h, w, n.q_unloaded);
  s.z_c2 = capacitor(n.c2_f, w);
  s.z_l2 = coil(n.l2_h, w, n.q_unloaded);
  s.z_to_load = s.z_l2 + n.r_load;
  s.z_mid = parallel(s.z_c2, s.z_to_load);
  const Complex z_series = s.z_l1 + s.z_mid;
  s.z_in = parallel(s.z_c1, z_series);
  s.i_l1 = 1.0 / z_series;
  s.v_mid = s.i_l1 * s.z_mid;
  s.i_l2 = s.v_mid / s.z_to_load;
  s.v_load = s.i_l2 * n.r_load;
  return s;
}

double wide(float v) {
  return static_cast<double>(v);
}

bool finite_positive(double v) {
  return std::isfinite(v) && v > 0.0;
}

// The engine's sweep step at f, Hz.
double sweep_step(double f_hz) {
  const auto f = static_cast<float>(f_hz);
  return static_cast<double>(calculations::delta(f, f, f).step);
}

}  // namespace

LSection l_section(double r_mid, double r_load, double q0) {
  // With X the reactance of L2 and R' = R_load + X / Q0 its branch's
  // resistance, the branch's conductance is 1 / Rm when R'^2 + X^2 = Rm R':
  // a X^2 + b X + c = 0 with the coefficients below, c < 0, so one root is
  // positive; it is taken in the form that does not cancel.
  const double a = 1.0 + 1.0 / (q0 * q0);
  const double b = (2.0 * r_load - r_mid) / q0;
  const double c = r_load * (r_load - r_mid);
  const double root = std::sqrt(b * b - 4.0 * a * c);
  const double x = b <= 0.0 ? (root - b) / (2.0 * a) : -2.0 * c / (b + root);
  const double r_branch = r_load + x / q0;
  LSection l;
  l.x_l2_ohm = x;
  // The shunt capacitor cancels the branch's susceptance -X / (R'^2 + X^2).
  l.b_shunt_s = x / (r_mid * r_branch);
  l.q_lossless = std::sqrt(r_mid / r_load - 1.0);
  l.efficiency = r_load / r_branch;
  return l;
}

Design design(const Target& t, float q_pi) {
  Design d;
  d.q_pi = q_pi;
  if (!(t.r_load < t.r_mid && t.r_mid < t.r_oe && t.r_load > 0.0f)) {
    d.problem = Problem::r_mid_not_between;
    return d;
  }
  d.eta_pi = 1.0f - q_pi / t.q_unloaded;
  const calculations::Elements e =
      calculations::element(t.r_oe, t.r_mid, d.eta_pi, t.r_oe / t.r_mid, q_pi, t.f_hz);
  d.c1_pi_f = e.c1;
  d.l1_pi_h = e.l_coil;
  d.c2_pi_f = e.c2;
  d.l_sec = l_section(wide(t.r_mid), wide(t.r_load), wide(t.q_unloaded));
  const double w = omega(wide(t.f_hz));
  d.c_l_f = d.l_sec.b_shunt_s / w;
  d.net = {wide(e.c1),           wide(e.l_coil), wide(e.c2) + d.c_l_f,
           d.l_sec.x_l2_ohm / w, wide(t.r_load), wide(t.q_unloaded)};
  d.c1_hot_f = d.net.c1_f - wide(t.c_tube_f);
  const bool usable = e.failed == 0 && d.eta_pi > 0.0f && finite_positive(wide(e.c2)) &&
                      finite_positive(d.net.c1_f) && finite_positive(d.net.l1_h) &&
                      finite_positive(d.net.c2_f) && finite_positive(d.net.l2_h);
  if (!usable) d.problem = Problem::pi_section_failed;
  return d;
}

Pass pass(const Operating& op, float q_pi) {
  Pass p;
  const float eta_pi = 1.0f - q_pi / op.q_unloaded;
  const LSection l = l_section(wide(op.r_mid), wide(op.r_load), wide(op.q_unloaded));
  p.efficiency = wide(eta_pi) * l.efficiency;
  p.p_h1 = wide(op.p_out) / p.efficiency;
  const double u = wide(op.u_in_rms);
  p.r_oe = static_cast<float>(u * u / p.p_h1);
  p.design = design({op.f_hz, p.r_oe, op.r_mid, op.r_load, op.q_unloaded, op.c_tube_f}, q_pi);
  if (p.design.problem == Problem::none) {
    p.h2_db = discrimination_db(p.design.net, wide(op.f_hz), wide(p.r_oe), 2);
    p.h3_db = discrimination_db(p.design.net, wide(op.f_hz), wide(p.r_oe), 3);
  }
  return p;
}

std::complex<double> input_impedance(const Network& n, double f_hz) {
  return ladder(n, f_hz).z_in;
}

double s11(const Network& n, double f_hz, double r_ref) {
  const Complex z = input_impedance(n, f_hz);
  return std::abs((z - r_ref) / (z + r_ref));
}

std::complex<double> load_voltage(const Network& n, double f_hz, double e_g, double r_g) {
  const Ladder s = ladder(n, f_hz);
  const Complex v_anode = e_g * s.z_in / (s.z_in + r_g);
  return v_anode * s.v_load;
}

double discrimination_db(const Network& n, double f_hz, double r_oe, int harmonic) {
  const double r_g = kDiscriminationSourceFactor * r_oe;
  const Complex at_f = load_voltage(n, f_hz, 1.0, r_g);
  const Complex at_h = load_voltage(n, harmonic * f_hz, 1.0, r_g);
  return 20.0 * std::log10(std::abs(at_f) / std::abs(at_h));
}

Operation operation(const Network& n, double f_hz, double p_load_w) {
  const Ladder s = ladder(n, f_hz);
  // Per volt at the anode, then scaled to the load power.
  const Complex i_c1 = 1.0 / s.z_c1;
  const Complex i_in = i_c1 + s.i_l1;
  const double p_in_unit = i_in.real();
  const double p_load_unit = std::norm(s.v_load) / n.r_load;
  const double k = std::sqrt(p_load_w / p_load_unit);
  Operation o;
  o.c1 = {k * std::abs(i_c1), k};
  o.l1 = {k * std::abs(s.i_l1), k * std::abs(1.0 - s.v_mid)};
  o.c2 = {k * std::abs(s.v_mid / s.z_c2), k * std::abs(s.v_mid)};
  o.l2 = {k * std::abs(s.i_l2), k * std::abs(s.v_mid - s.v_load)};
  o.u_anode_rms = k;
  o.u_mid_rms = o.c2.voltage_v;
  o.u_load_rms = k * std::abs(s.v_load);
  o.i_in_a = k * std::abs(i_in);
  o.p_in_w = k * k * p_in_unit;
  o.p_load_w = k * k * p_load_unit;
  o.efficiency = p_load_unit / p_in_unit;
  return o;
}

double passband_hz(const Network& n, double f_hz, double r_oe) {
  const double step = sweep_step(f_hz);
  const double r_g = kPassbandSourceFactor * r_oe;
  const auto points = static_cast<std::size_t>((kPassbandHigh - kPassbandLow) * f_hz / step) + 1;
  std::vector<double> level(points);
  std::size_t peak = 0;
  for (std::size_t i = 0; i < points; ++i) {
    const double f = kPassbandLow * f_hz + static_cast<double>(i) * step;
    level[i] = std::abs(load_voltage(n, f, 1.0, r_g));
    if (level[i] > level[peak]) peak = i;
  }
  const double floor = level[peak] * std::pow(10.0, -kPassbandDb / 20.0);
  std::size_t low = peak;
  std::size_t high = peak;
  while (low > 0 && level[low - 1] >= floor) --low;
  while (high + 1 < points && level[high + 1] >= floor) ++high;
  return static_cast<double>(high - low) * step;
}

double s11_bandwidth_hz(const Network& n, double f_hz, double r_oe) {
  const double step = sweep_step(f_hz);
  const auto points = static_cast<std::size_t>((kS11High - kS11Low) * f_hz / step);
  std::size_t below = 0;
  for (std::size_t i = 0; i < points; ++i) {
    if (s11(n, kS11Low * f_hz + static_cast<double>(i) * step, r_oe) < kS11Level) ++below;
  }
  return static_cast<double>(below) * step;
}

}  // namespace pi_l
