#include "pulse/ishsignal.hpp"

#include <cmath>

namespace ishsignal {

namespace {

// v^gamma. pow(+0, y) is +0 for every y > 0 (C Annex F), and most samples
// outside the conduction angle are +0, so those skip the call.
float power_of(float v, float gamma) {
  if (v == 0.0f && !std::signbit(v) && gamma > 0.0f) return 0.0f;
  return std::pow(v, gamma);
}

}  // namespace

void signal(float a, float b, int n, std::span<float> y, float theta_deg, float gamma) {
  const float cos_theta = std::cos(3.1415925f * theta_deg / 180.0f);
  const float d = 1.0f - cos_theta;
  const float h = (b - a) / static_cast<float>(n + 1);
  for (int i = 0; i <= n; ++i) {
    const float x = static_cast<float>(i) * h;
    float v = (std::cos(x) - cos_theta) / d;
    // Clipped before the power, so a negative base never meets a fractional exponent.
    if (v < 0.0f) v = 0.0f;
    y[static_cast<std::size_t>(i)] = power_of(v, gamma);
  }
}

}  // namespace ishsignal
