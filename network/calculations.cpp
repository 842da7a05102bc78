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
  const ElementRadicand r = element_radicand(r_oe, r_load, eta, ratio, ql);
  return element_from_root(std::sqrt(r.radicand), r.t, r_oe, r_load, eta, ql, f);
}

}  // namespace calculations
