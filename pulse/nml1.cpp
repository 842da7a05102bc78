#include "pulse/nml1.hpp"

#include <cmath>
#include <cstdint>
#include <vector>

namespace nml1 {

namespace {

// The phase of sample j for term k, as the transform forms it.
float phase(int k, int j, float count) {
  const float two_pi_k = 6.283185f * static_cast<float>(k);
  return two_pi_k * static_cast<float>(j) / count;
}

struct Sums {
  float re = 0.0f;
  float im = 0.0f;
};

// sum y[j] * cos(phi), sum y[j] * -sin(phi) in index order, with
// cos_of(j) and sin_of(j) the cosine and sine of the phase of sample j.
template <class Cos, class Sin>
Sums accumulate(int n, std::span<const float> y, Cos cos_of, Sin sin_of) {
  Sums s;
  for (int j = 0; j < n; ++j) {
    const float sample = y[static_cast<std::size_t>(j)];
    s.re += sample * cos_of(j);
    s.im += sample * -sin_of(j);
  }
  return s;
}

}  // namespace

// The phases repeat, so each distinct one is passed to cos and sin once:
// term 0 has the phase 0 for every sample, and the phase of sample j for
// term 2 is bit for bit that of sample 2j for term 1, because
// 6.283185 * 2 is exact and (2a) * j and a * (2j) are the same real number
// rounded once.
std::array<cplx::Complex, 3> dft1(int n, std::span<const float> y) {
  std::array<cplx::Complex, 3> c{};
  const float count = static_cast<float>(n);

  const float cos_zero = std::cos(phase(0, 0, count));
  const float sin_zero = std::sin(phase(0, 0, count));
  const Sums dc = accumulate(
      n, y, [&](int) { return cos_zero; }, [&](int) { return sin_zero; });
  c[0] = {dc.re / count, dc.im / count};

  std::vector<float> cos_first(static_cast<std::size_t>(n > 0 ? n : 0));
  std::vector<float> sin_first(cos_first.size());
  for (int j = 0; j < n; ++j) {
    const float phi = phase(1, j, count);
    cos_first[static_cast<std::size_t>(j)] = std::cos(phi);
    sin_first[static_cast<std::size_t>(j)] = std::sin(phi);
  }
  const Sums first = accumulate(
      n, y, [&](int j) { return cos_first[static_cast<std::size_t>(j)]; },
      [&](int j) { return sin_first[static_cast<std::size_t>(j)]; });
  c[1] = {2.0f * first.re / count, 2.0f * first.im / count};

  // Sample j of term 2 reuses sample 2j of term 1 while 2j is below n (and
  // below 2^24, where every index is still an exact float).
  const auto reused = [&](int j) {
    const std::int64_t twice = 2 * static_cast<std::int64_t>(j);
    return twice < n && twice < (std::int64_t{1} << 24);
  };
  const Sums second = accumulate(
      n, y,
      [&](int j) {
        return reused(j) ? cos_first[2 * static_cast<std::size_t>(j)]
                         : std::cos(phase(2, j, count));
      },
      [&](int j) {
        return reused(j) ? sin_first[2 * static_cast<std::size_t>(j)]
                         : std::sin(phase(2, j, count));
      });
  c[2] = {2.0f * second.re / count, 2.0f * second.im / count};
  return c;
}

}  // namespace nml1
