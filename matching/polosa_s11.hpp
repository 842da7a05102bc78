#pragma once

// The S11 bandwidth: how wide the band is where the network is matched.

#include <cstdint>

namespace polosa_s11 {

// Total width, kHz, of the sweep points whose |S11| lies strictly below 0.1.
// q0 : unloaded Q, > 0;  c1, c2 : F;  l : H
// f_start : first point, Hz;  step : spacing, Hz, > 0;  n : number of points (<= 0 gives 0)
// r_oe, r_load : ohm, > 0
float s11polosa(float q0, float c1, float c2, float l, float f_start, float step, std::int32_t n,
                float r_oe, float r_load);

}  // namespace polosa_s11
