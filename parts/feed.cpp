#include "parts/feed.hpp"

#include <numbers>

namespace feed {

namespace {

constexpr double kPi = std::numbers::pi;
// Square millimetres in a square metre.
constexpr double kMm2PerM2 = 1e6;

}  // namespace

double c1_change_f(double f_hz, double choke_x_ohm) {
  return 1.0 / (2.0 * kPi * f_hz * choke_x_ohm);
}

double blocking_capacitance_f(double f_low_hz, double r_oe_ohm) {
  return 1.0 / (2.0 * kPi * f_low_hz * kBlockingShare * r_oe_ohm);
}

double current_density_a_per_mm2(double current_a, double wire_m) {
  const double area_m2 = kPi * wire_m * wire_m / 4.0;
  return current_a / (area_m2 * kMm2PerM2);
}

}  // namespace feed
