#pragma once

// The harmonics of the pulse: the first three terms of its Fourier transform.

#include <array>
#include <span>

#include "network/cplx.hpp"

namespace nml1 {

// Discrete Fourier terms 0, 1 and 2 of a sampled period: term 0 is the mean,
// terms 1 and 2 the complex amplitudes (doubled) of the first two harmonics.
// n : number of samples, n >= 1
// y : the samples, y[0] .. y[n - 1]
std::array<cplx::Complex, 3> dft1(int n, std::span<const float> y);

}  // namespace nml1
