#include "pulse/nml1.hpp"

#include <cmath>

namespace nml1 {

std::array<cplx::Complex, 3> dft1(int n, std::span<const float> y) {
  std::array<cplx::Complex, 3> c{};
  const float count = static_cast<float>(n);
  for (int k = 0; k <= 2; ++k) {
    float sum_re = 0.0f;
    float sum_im = 0.0f;
    const float two_pi_k = 6.283185f * static_cast<float>(k);
    for (int j = 0; j < n; ++j) {
      const float phi = two_pi_k * static_cast<float>(j) / count;
      const float sample = y[static_cast<std::size_t>(j)];
      sum_re += sample * std::cos(phi);
      sum_im += sample * -std::sin(phi);
    }
    if (k == 0) {
      c[0] = {sum_re / count, sum_im / count};
    } else {
      c[static_cast<std::size_t>(k)] = {2.0f * sum_re / count, 2.0f * sum_im / count};
    }
  }
  return c;
}

}  // namespace nml1
