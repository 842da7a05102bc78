#pragma once

// The anode current pulse: its samples over one period.

#include <span>

namespace ishsignal {

// Samples of the anode current pulse normalised to a peak of 1:
// y[i] = max(0, (cos x - cos theta) / (1 - cos theta))^gamma, x = i * (b - a) / (n + 1).
// a, b      : start and end of the sampled span, rad (the caller uses 0 and 6.283185)
// n         : index of the last sample, n >= 0; y must hold n + 1 floats
// theta_deg : cut-off (conduction half-) angle, degrees, 25 < theta_deg <= 180.001
// gamma     : exponent of the tube characteristic, 0.9 < gamma <= 2.1
void signal(float a, float b, int n, std::span<float> y, float theta_deg, float gamma);

}  // namespace ishsignal
