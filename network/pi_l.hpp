#pragma once

// The Pi-L tank: C1 at the anode, the series coil L1, C2 at the middle node,
// then the series coil L2 to the load. The Pi section (C1, L1, the Pi's part
// of C2) takes the anode resistance R_oe down to an intermediate resistance
// Rm; the L section (a shunt capacitor at the middle node, merged into C2,
// and L2) takes Rm down to the load. Both coils have the unloaded Q Q0: a
// series loss resistance omega L / Q0; the capacitors are lossless.
//
// The Pi section is the engine's own (calculations::element, with Rm as its
// load); the L section is solved in closed form with L2's loss, so the
// middle node sees Rm, real, at f and the anode sees R_oe. The element
// values of the Pi section are the engine's floats; everything else is
// double precision.

#include <complex>

namespace pi_l {

// The whole network, SI units.
struct Network {
  double c1_f = 0.0;        // anode-side shunt capacitance, tube included, F
  double l1_h = 0.0;        // the Pi's series coil, H
  double c2_f = 0.0;        // shunt capacitance at the middle node, both sections', F
  double l2_h = 0.0;        // the L section's series coil, H
  double r_load = 0.0;      // load resistance, ohm
  double q_unloaded = 0.0;  // Q0 of both coils
};

// The L section from Rm to the load at one frequency, as reactances.
struct LSection {
  double x_l2_ohm = 0.0;    // reactance of L2, ohm
  double b_shunt_s = 0.0;   // susceptance of the shunt capacitor, S
  double q_lossless = 0.0;  // sqrt(Rm / R_load - 1): the section's Q without loss
  double efficiency = 0.0;  // R_load / (R_load + X_L2 / Q0)
};

// r_mid  : intermediate resistance, ohm, > r_load
// r_load : load resistance, ohm, > 0
// q0     : unloaded Q of L2, > 0
LSection l_section(double r_mid, double r_load, double q0);

// What the design starts from.
struct Target {
  float f_hz = 0.0f;        // working frequency, Hz, 1e5 <= f <= 6e7
  float r_oe = 0.0f;        // anode resistance, ohm, > r_mid
  float r_mid = 0.0f;       // intermediate resistance, ohm, r_load < r_mid < r_oe
  float r_load = 0.0f;      // load resistance, ohm, > 0
  float q_unloaded = 0.0f;  // Q0 of both coils, > 0
  float c_tube_f = 0.0f;    // tube output plus wiring capacitance, F, >= 0
};

enum class Problem {
  none,
  r_mid_not_between,  // Rm is not strictly between the load and the anode resistance
  pi_section_failed,  // no finite positive elements at this loaded Q (below the critical Q, or Q >=
                      // Q0)
};

struct Design {
  Network net;
  // The Pi section as the engine's element calculation gives it.
  float c1_pi_f = 0.0f;   // = net.c1_f, F
  float l1_pi_h = 0.0f;   // = net.l1_h, H
  float c2_pi_f = 0.0f;   // the Pi's part of C2, F
  double c_l_f = 0.0;     // the L section's part of C2, F
  double c1_hot_f = 0.0;  // C1 less the tube's capacitance (below 0: the tube alone is more), F
  float q_pi = 0.0f;      // loaded Q of the Pi section
  float eta_pi = 0.0f;    // the Pi section's efficiency, 1 - Q / Q0, as the engine forms it
  LSection l_sec;
  Problem problem = Problem::none;
};

// The Pi-L for one loaded Q of the Pi section.
// t    : the starting values above
// q_pi : the Pi section's loaded Q, >= its critical Q, < Q0
Design design(const Target& t, float q_pi);

// The stage's operating values that fix the anode resistance for a loaded Q.
struct Operating {
  float u_in_rms = 0.0f;    // RMS anode voltage of the first harmonic, V, > 0
  float p_out = 0.0f;       // output power into the load, W, > 0
  float f_hz = 0.0f;        // working frequency, Hz, 1e5 <= f <= 6e7
  float r_mid = 0.0f;       // intermediate resistance, ohm, r_load < r_mid
  float r_load = 0.0f;      // load resistance, ohm, > 0
  float q_unloaded = 0.0f;  // Q0 of both coils, > 0
  float c_tube_f = 0.0f;    // tube output plus wiring capacitance, F, >= 0
};

// One pass of the loaded-Q search: the anode resistance that delivers p_out
// through both sections' losses, the Pi-L for it, and its discrimination.
struct Pass {
  float r_oe = 0.0f;        // u_in_rms^2 / p_h1, ohm
  double p_h1 = 0.0;        // first-harmonic power into the network, W
  double efficiency = 0.0;  // eta_pi * the L section's efficiency
  Design design;
  double h2_db = 0.0;  // discrimination between f and 2f, dB
  double h3_db = 0.0;  // discrimination between f and 3f, dB
};

// op   : the operating values above
// q_pi : the Pi section's loaded Q, > 0, < Q0
Pass pass(const Operating& op, float q_pi);

// --- Analysis of a network at any frequency.

// Impedance at the anode with the load connected, ohm.
// n : a network with positive elements;  f_hz : frequency, Hz, > 0
std::complex<double> input_impedance(const Network& n, double f_hz);

// |S11| of the anode port against r_ref.
// n : the network;  f_hz : frequency, Hz, > 0;  r_ref : reference resistance, ohm, > 0
double s11(const Network& n, double f_hz, double r_ref);

// Load voltage, V rms, with a generator of EMF e_g behind r_g at the anode.
// n : the network;  f_hz : Hz, > 0;  e_g : V rms;  r_g : ohm, >= 0
std::complex<double> load_voltage(const Network& n, double f_hz, double e_g, double r_g);

// 20 lg |V_load(f) / V_load(harmonic * f)|, dB, driven as the engine drives
// its discrimination: by a generator behind ten times the anode resistance.
// n : the network;  f_hz : working frequency, Hz, > 0
// r_oe : anode resistance, ohm, > 0;  harmonic : 2 <= harmonic <= 10
double discrimination_db(const Network& n, double f_hz, double r_oe, int harmonic);

struct ElementRms {
  double current_a = 0.0;  // RMS current through the element, A
  double voltage_v = 0.0;  // RMS voltage across the element, V
};

// The network working into the load at f with a given load power.
struct Operation {
  ElementRms c1, l1, c2, l2;
  double u_anode_rms = 0.0;  // V, = c1.voltage_v
  double u_mid_rms = 0.0;    // V at the middle node, = c2.voltage_v
  double u_load_rms = 0.0;   // V
  double i_in_a = 0.0;       // RMS current into the network, A
  double p_in_w = 0.0;       // power into the network, W
  double p_load_w = 0.0;     // power into the load, W
  double efficiency = 0.0;   // p_load / p_in
};

// n : the network;  f_hz : working frequency, Hz, > 0;  p_load_w : load power, W, > 0
Operation operation(const Network& n, double f_hz, double p_load_w);

// Width of the stretch around the response's highest point within 1 dB of
// it, Hz, driven as the engine's pass-band (a generator behind 11 R_oe), on
// the engine's sweep step over 0.5 f to 1.5 f.
// n : the network;  f_hz : working frequency, Hz, 1e5 <= f <= 6e7;  r_oe : ohm, > 0
double passband_hz(const Network& n, double f_hz, double r_oe);

// Total width of the sweep points from 0.7 f to 1.3 f, on the engine's sweep
// step, whose |S11| against r_oe lies below 0.1, Hz: the engine's S11 band.
// n : the network;  f_hz : working frequency, Hz, 1e5 <= f <= 6e7;  r_oe : ohm, > 0
double s11_bandwidth_hz(const Network& n, double f_hz, double r_oe);

}  // namespace pi_l
