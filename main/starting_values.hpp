#pragma once

// The starting values' accepted ranges and unit conversions, written once for
// the dialog, the parameter menu and valvenet-plan.

#include <cmath>
#include <limits>
#include <optional>

#include "main/stage_record.hpp"

namespace starting_values {

// True when a typed value is a finite number; every range test refuses the rest.
inline bool finite_number(const std::optional<float>& value) {
  return value.has_value() && std::isfinite(*value);
}

// The accepted range of one starting value, in the unit it is typed in.
// Every upper bound is included; high is +infinity where there is none.
// Comparisons are in 32-bit floats, and a value that is not a finite number
// is refused.
struct Range {
  float low = 0.0f;
  bool low_included = false;
  float high = std::numeric_limits<float>::infinity();

  bool accepts(float x) const {
    return std::isfinite(x) && (low_included ? x >= low : x > low) && x <= high;
  }
};

// The ranges of the eleven prompts of the dialog; the menu and valvenet-plan
// take the same, but for the menu's u_min below.
namespace dialog_range {
inline constexpr Range p_out{0.1f, false, 5000.0f};         // W
inline constexpr Range e_supply{3.0f, false, 10000.0f};     // V, and see e_supply_floor
inline constexpr Range r_load{0.1f, false};                 // ohm
inline constexpr Range tube_exponent{0.9f, false, 2.1f};    //
inline constexpr Range cutoff_deg{25.0f, false, 180.001f};  // degrees
inline constexpr Range q_unloaded{50.0f, true, 750.0f};     //
inline constexpr Range u_min{0.5f, true, 1500.0f};          // V, and see u_min_limit
inline constexpr Range filter_db{28.9f, true, 70.0f};       // dB
inline constexpr Range c_tube_pf{1.0f, true};               // pF
inline constexpr Range c_var_min_pf{0.2f, true, 150.0f};    // pF
inline constexpr Range f_mhz{0.1f, true, 60.0f};            // MHz

// The further upper limit of u_min: 0.95 * e_supply, a 32-bit product.
// e_supply : anode supply voltage, V, 3 < e_supply <= 10000
inline float u_min_limit(float e_supply) {
  return 0.95f * e_supply;
}
}  // namespace dialog_range

// The parameter menu's ranges where they differ from the dialog's.
namespace menu_range {
// The menu refuses exactly 0.5 V, which the dialog accepts: its change of
// u_min has always compared strictly, and a session typed against it keeps
// giving the same answers.
inline constexpr Range u_min{0.5f, false, 1500.0f};  // V, and see dialog_range::u_min_limit

// The menu's further lower limit of a new e_supply: 1.05 * u_min, a 32-bit
// product, so that a changed supply keeps the anode swing of the set u_min.
// u_min : minimum instantaneous anode voltage, V, 0.5 <= u_min <= 1500
inline float e_supply_floor(float u_min) {
  return 1.05f * u_min;
}
}  // namespace menu_range

// The conversions between the typed units and the record's SI units, in
// 32-bit floats.
// pf : capacitance, pF
inline float pf_to_farads(float pf) {
  return pf * 1e-12f;
}
// farads : capacitance, F
inline float farads_to_pf(float farads) {
  return farads * 1e12f;
}
// mhz : frequency, MHz
inline float mhz_to_hertz(float mhz) {
  return mhz * 1e6f;
}
// hz : frequency, Hz
inline float hertz_to_mhz(float hz) {
  return hz * 1e-6f;
}

// The ten starting values that do not depend on the frequency, in the units
// the dialog's prompts ask for them.
struct TypedInputs {
  float p_out = 0.0f;          // W
  float e_supply = 0.0f;       // V
  float u_min = 0.0f;          // V
  float c_tube = 0.0f;         // pF
  float c_var_min = 0.0f;      // pF
  float r_load = 0.0f;         // ohm
  float filter_db = 0.0f;      // dB
  float q_unloaded = 0.0f;     // Q0
  float cutoff_deg = 0.0f;     // degrees
  float tube_exponent = 0.0f;  // exponent of the tube characteristic
};

// The record's starting values for one frequency, converted exactly as the
// dialog converts them (pF to F, MHz to Hz).
// typed : the values in typed units;  f_mhz : working frequency, MHz, 0.1 <= f_mhz <= 60
inline stage::StageInputs stage_inputs(const TypedInputs& typed, float f_mhz) {
  stage::StageInputs in;
  in.p_out = typed.p_out;
  in.e_supply = typed.e_supply;
  in.u_min = typed.u_min;
  in.c_tube = pf_to_farads(typed.c_tube);
  in.c_var_min = pf_to_farads(typed.c_var_min);
  in.f_hz = mhz_to_hertz(f_mhz);
  in.r_load = typed.r_load;
  in.filter_db = typed.filter_db;
  in.q_unloaded = typed.q_unloaded;
  in.cutoff_deg = typed.cutoff_deg;
  in.tube_exponent = typed.tube_exponent;
  return in;
}

}  // namespace starting_values
