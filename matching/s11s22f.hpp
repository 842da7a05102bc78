#pragma once

// The reflections S11 and S22 of the network at the working frequency.

namespace s11s22f {

struct Reflections {
  float s11 = 0.0f;  // |S11|: anode port against r_oe, network loaded by r_load
  float s22 = 0.0f;  // |S22|: load port against r_load, anode side terminated by r_oe
};

// f : working frequency, Hz, > 0;  q0 : unloaded Q, > 0
// r_oe, r_load : ohm, > 0;  c1, c2 : F;  l : H
Reflections fs11(float f, float q0, float r_oe, float r_load, float c1, float c2, float l);

}  // namespace s11s22f
