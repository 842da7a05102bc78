#pragma once

// The response of a finished network, from the engine's own network
// solution: |Vout| with the pass-band's generator and |S11| as the matching
// module computes it, over 0.5 f to 3.5 f.

#include <array>
#include <cstddef>
#include <vector>

#include "network/pi_l.hpp"
#include "spectrum/spectrum.hpp"

namespace response {

// A plain Pi in SI units with the working point it was designed for
// (design::pi_tank gives the one of a completed calculation).
struct PiTank {
  spectrum::Network net;  // C1, C2, L, r_load, Q0
  float r_oe = 0.0f;      // ohm
  float u_in_rms = 0.0f;  // V rms
  float f_hz = 0.0f;      // working frequency, Hz
};

// |Vout| at one frequency with the pass-band's generator
// (spectrum::passband_generator), V rms.
float v_out(const PiTank& n, float f_hz);

// |S11| at one frequency, by s11s22f::fs11.
float s11(const PiTank& n, float f_hz);

struct Point {
  float f_hz = 0.0f;
  float level_db = 0.0f;  // 20 log10(|Vout| / peak)
  float s11 = 0.0f;
};

// A stretch of frequencies, Hz.
struct Band {
  float low = 0.0f;
  float high = 0.0f;
};

struct Response {
  float f_hz = 0.0f;                    // working frequency
  float peak_v = 0.0f;                  // largest |Vout| found, V rms
  std::vector<Point> points;            // 0.5 f to 3.5 f, ascending
  std::array<float, 3> harmonic_db{};   // level at f, 2f, 3f relative to the peak, dB
  std::array<float, 3> harmonic_s11{};  // |S11| at f, 2f, 3f
  std::vector<Band> within_1db;         // where the level is at least -1 dB
  std::vector<Band> s11_below_0_1;      // where |S11| is below 0.1
};

// intervals : number of equal steps between 0.5 f and 3.5 f, >= 2
Response sweep(const PiTank& n, std::size_t intervals = 1500);

// A Pi-L network with the working point it was designed for.
struct PiLTank {
  pi_l::Network net;
  float r_oe = 0.0f;      // ohm
  float u_in_rms = 0.0f;  // V rms
  float f_hz = 0.0f;      // working frequency, Hz
};

// The same response for a Pi-L, from its double-precision solution with the
// same generator (E_g = 11 U behind 11 R_oe) and |S11| against R_oe.
// intervals : as above
Response sweep(const PiLTank& n, std::size_t intervals = 1500);

}  // namespace response
