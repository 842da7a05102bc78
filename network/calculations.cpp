#include "network/calculations.hpp"

#include <cmath>

namespace calculations {

float qkritich(float r_a, float r_b, float eta) {
  const float rho = r_a / r_b;
  const float v = (r_a < r_b) ? eta / rho - 1.0f : eta * rho - 1.0f;
  return (v > 1.0f) ? std::sqrt(v) : 1.0f;
}

SweepStep delta(float f, float f_from, float f_to) {
  SweepStep sweep;
  if (f < 1100000.0f) {
    sweep.step = 500.0f;
  } else if (f < 30100000.0f) {
    sweep.step = std::round(329.31f + f * 1.552e-4f);
  } else {
    sweep.step = 5000.0f;
  }
  sweep.count = static_cast<std::int32_t>(std::lround((f_to - f_from) / sweep.step));
  return sweep;
}

Elements element(float r_oe, float r_load, float eta, float ratio, float ql, float f) {
  Elements e;
  const float t = r_oe - r_load * eta;
  float radicand = 1.0f + ql * ql;
  radicand = radicand + eta * eta;
  radicand = ratio * radicand;
  radicand = radicand / eta;
  radicand = radicand - ratio * ratio;
  radicand = radicand - 1.0f;
  const float d = std::sqrt(radicand) - ql;
  const float x = t / d;                                                      // reactance of C2
  const float y = r_oe * x / (ql * x - r_load * eta);                         // reactance of C1
  const float z = ql * (x * x * r_load) / (eta * (x * x + r_load * r_load));  // of L
  const float omega = 6.283185f * f;
  e.l_coil = z / omega;
  e.c1 = 1.0f / (omega * y);
  e.c2 = 1.0f / (omega * x);
  e.failed = (std::fabs(d) < 1e-5f) ? 1 : 0;
  return e;
}

}  // namespace calculations
