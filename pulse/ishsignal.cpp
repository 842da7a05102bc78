#include "pulse/ishsignal.hpp"

#include <cmath>

namespace ishsignal {

void signal(float a, float b, int n, std::span<float> y, float theta_deg, float gamma) {
  const float cos_theta = std::cos(3.1415925f * theta_deg / 180.0f);
  const float d = 1.0f - cos_theta;
  const float h = (b - a) / static_cast<float>(n + 1);
  for (int i = 0; i <= n; ++i) {
    const float x = static_cast<float>(i) * h;
    float v = (std::cos(x) - cos_theta) / d;
    // Clipped before the power, so a negative base never meets a fractional exponent.
    if (v < 0.0f) v = 0.0f;
    y[static_cast<std::size_t>(i)] = std::pow(v, gamma);
  }
}

}  // namespace ishsignal
