// Writes the engine bit table to standard output: a few hundred starting-value
// sets spread over the accepted ranges, each with the bits of everything its
// calculation produces. Regenerate only on purpose, when a result is meant to
// change:  engine_bits_table > tests/engine_bits.txt

#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine_bits.hpp"

namespace {

// Values as a user would type them: MHz and pF, converted the way the dialog does.
constexpr float kFrequencyMhz[] = {0.1f,  0.25f, 0.8f,     1.0999f, 1.1f,  1.9f,  3.6f,
                                   7.05f, 10.1f, 14.2f,    18.1f,   21.2f, 24.9f, 28.5f,
                                   30.0f, 30.1f, 30.0999f, 40.0f,   50.3f, 60.0f};
constexpr float kQUnloaded[] = {50.0f, 100.0f, 200.0f, 350.0f, 500.0f, 750.0f};
constexpr float kCutoffDeg[] = {26.0f,  40.0f,  60.0f,  75.0f,  90.0f,
                                110.0f, 120.0f, 150.0f, 180.0f, 180.001f};
constexpr float kExponent[] = {0.95f, 1.0f, 1.2f, 1.5f, 1.8f, 2.0f, 2.1f};
constexpr float kPowerW[] = {0.5f, 10.0f, 100.0f, 200.0f, 1000.0f, 5000.0f};
constexpr float kSupplyV[] = {300.0f, 1000.0f, 2000.0f, 3000.0f, 6000.0f};
constexpr float kUMinShare[] = {0.05f, 0.1f, 0.3f};
constexpr float kLoadOhm[] = {12.5f, 50.0f, 75.0f, 300.0f};
constexpr float kFilterDb[] = {28.9f, 40.0f, 45.0f, 55.0f, 70.0f};
constexpr float kCTubePf[] = {1.0f, 5.0f, 12.0f, 30.0f, 100.0f};
constexpr float kCVarMinPf[] = {0.2f, 2.0f, 10.0f, 30.0f, 150.0f};

constexpr int kMixedCases = 400;

// A fixed integer hash, so that the mix of values is the same on every machine.
std::uint64_t mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15u;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
  return x ^ (x >> 31);
}

template <std::size_t N>
float pick(const float (&values)[N], int index, std::uint64_t salt) {
  return values[mix(static_cast<std::uint64_t>(index) * 16u + salt) % N];
}

stage::StageInputs typed(float p_w, float e_v, float u_min_v, float c_tube_pf, float c_var_pf,
                         float f_mhz, float r_ohm, float filter_db, float q0, float cutoff,
                         float exponent) {
  return {
      p_w, e_v,    u_min_v, c_tube_pf * 1e-12f, c_var_pf * 1e-12f, f_mhz * 1e6f, r_ohm, filter_db,
      q0,  cutoff, exponent};
}

stage::StageInputs mixed_inputs(int i) {
  // The frequency walks the list in order so that every band edge gets the
  // same share of cases; the other values are hashed.
  const float f_mhz = kFrequencyMhz[static_cast<std::size_t>(i) % std::size(kFrequencyMhz)];
  const float e_v = pick(kSupplyV, i, 1);
  float u_min_v = pick(kUMinShare, i, 2) * e_v;
  if (u_min_v < 0.5f) u_min_v = 0.5f;
  if (u_min_v > 1500.0f) u_min_v = 1500.0f;
  return typed(pick(kPowerW, i, 3), e_v, u_min_v, pick(kCTubePf, i, 4), pick(kCVarMinPf, i, 5),
               f_mhz, pick(kLoadOhm, i, 6), pick(kFilterDb, i, 7), pick(kQUnloaded, i, 8),
               pick(kCutoffDeg, i, 9), pick(kExponent, i, 10));
}

std::vector<engine_bits::Case> cases() {
  std::vector<engine_bits::Case> all;
  // The two timed cases of the benchmark, with both answers.
  for (const bool yes : {false, true}) {
    all.push_back(
        {typed(100.0f, 1000.0f, 100.0f, 1.0f, 0.2f, 60.0f, 50.0f, 70.0f, 750.0f, 90.0f, 1.0f),
         yes});
    all.push_back(
        {typed(200.0f, 2000.0f, 200.0f, 12.0f, 10.0f, 14.2f, 50.0f, 45.0f, 200.0f, 90.0f, 1.5f),
         yes});
  }
  // r_load = u_in_rms^2 / p_out puts r_oe at eff_network * r_load, where the
  // element solution is near-singular: the search retries with more power.
  for (const float f_mhz : {3.6f, 7.0f, 14.2f}) {
    for (const float q0 : {200.0f, 750.0f}) {
      all.push_back(
          {typed(100.0f, 1000.0f, 100.0f, 10.0f, 5.0f, f_mhz, 4050.0f, 70.0f, q0, 90.0f, 1.0f),
           q0 > 500.0f});
    }
  }
  for (int i = 0; i < kMixedCases; ++i) {
    all.push_back({mixed_inputs(i), (mix(static_cast<std::uint64_t>(i) * 16u + 11u) & 1u) != 0});
  }
  return all;
}

}  // namespace

int main() {
  std::printf("# valvenet engine bit table: see tests/engine_bits.hpp for the columns\n");
  for (const engine_bits::Case& c : cases()) {
    std::printf("%s\n", engine_bits::format_line(c, engine_bits::run(c)).c_str());
  }
  return 0;
}
