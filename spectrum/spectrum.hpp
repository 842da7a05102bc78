#pragma once

// The network's solution at one frequency, its discrimination of the 2nd
// harmonic (garmonica1, garmonica2) and its pass-band (afr2).

#include <array>
#include <cstddef>
#include <cstdint>

#include "network/calculations.hpp"
#include "network/cplx.hpp"

namespace spectrum {

// The network driven at its anode by a generator of EMF e_g (zero phase)
// and internal resistance r_g, loaded by r_load.
struct Solution {
  cplx::Complex z_c1, z_c2, z_l;  // element impedances, ohm
  cplx::Complex z_out;            // load node: r_load parallel to C2, ohm
  cplx::Complex z_series;         // coil branch plus load node, ohm
  cplx::Complex z_in;             // impedance at the anode, ohm
  cplx::Complex v_in;             // anode voltage, V rms
  cplx::Complex i_l;              // coil current, A rms
  cplx::Complex v_out;            // load voltage, V rms
};

struct Network {
  float c1 = 0.0f;          // F, total anode-side capacitance
  float c2 = 0.0f;          // F
  float l_coil = 0.0f;      // H
  float r_load = 0.0f;      // ohm
  float q_unloaded = 0.0f;  // Q0 of the coil
};

// freq : frequency, Hz, > 0
// e_g  : generator EMF, V rms
// r_g  : generator internal resistance, ohm
Solution solve(const Network& net, float freq, float e_g, float r_g);

struct Filtering {
  float network_h2_db = 0.0f;  // dB, |Vout(f) / Vout(2f)|
  float q_c1_var = 0.0f;       // VAr at f
  float q_c2_var = 0.0f;       // VAr at f
  float q_l_var = 0.0f;        // VAr at f
  float i_c1_a = 0.0f;         // A rms at f
  float i_c2_a = 0.0f;         // A rms at f
  float i_coil_a = 0.0f;       // A rms at f
};

// Discrimination of the network between f and 2f, and its element currents
// and reactive powers at f, with a generator of 2 * u_in_rms behind 10 * r_oe.
// u_in_rms : RMS anode voltage of the first harmonic, V
// c1, c2   : F;  l_coil : H
// r_oe     : the network's design input resistance, ohm
// r_load   : ohm;  f_hz : working frequency, Hz;  q_unloaded : Q0
Filtering garmonica1(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded);

// The same with the generator behind r_oe: the currents at the working point.
Filtering garmonica2(float u_in_rms, float c1, float c2, float l_coil, float r_oe, float r_load,
                     float f_hz, float q_unloaded);

// The load voltages of garmonica1's network at f and 2f: the generator
// 2 * u_in_rms behind 10 * r_oe.
struct HarmonicVoltages {
  cplx::Complex at_f;   // V_out(f), V rms
  cplx::Complex at_2f;  // V_out(2f), V rms
};

// The harmonic voltages of kHarmonicLanes networks at once, each with its own
// elements and r_oe, with the bits of garmonica1's own network solutions.
// The other arguments as for garmonica1.
constexpr std::size_t kHarmonicLanes = 8;
std::array<HarmonicVoltages, kHarmonicLanes> harmonic_voltages(
    float u_in_rms, const std::array<calculations::Elements, kHarmonicLanes>& elements,
    const std::array<float, kHarmonicLanes>& r_oe, float r_load, float f_hz, float q_unloaded);

// 20 lg |V_out(f) / V_out(2f)|, dB: the same bits as garmonica1's network_h2_db
// for the same arguments.
// v : the voltages from harmonic_voltages
float network_h2_db(const HarmonicVoltages& v);

// The generator of the pass-band sweep: k = (Roe + 10 Roe) / Roe,
// E_g = k U, R_g = k Roe.
struct Generator {
  float e_g = 0.0f;  // V rms
  float r_g = 0.0f;  // ohm
};
// u_in_rms : RMS anode voltage of the first harmonic, V;  r_oe : ohm, > 0
Generator passband_generator(float u_in_rms, float r_oe);

// Width of the band within 1 dB of the response's peak, Hz; 0 when no swept
// point lies within 1 dB.
// u_in_rms : V;  r_oe, r_load : ohm;  q_unloaded : Q0
// sweep_start_hz : first row, Hz;  sweep_step_hz : spacing, Hz, > 0
// sweep_steps_total : number of rows, >= 0
float afr2(float c1, float c2, float l_coil, float u_in_rms, float r_oe, float r_load,
           float q_unloaded, float sweep_start_hz, float sweep_step_hz,
           std::int32_t sweep_steps_total);

}  // namespace spectrum
