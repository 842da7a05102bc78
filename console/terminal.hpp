#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "console/console_io.hpp"
#include "main/stage_record.hpp"
#include "text/texts.hpp"

namespace terminal {

// True when a typed value is a finite number; every range test refuses the rest.
bool finite_number(const std::optional<float>& value);

// The accepted range of one starting value of the dialog, in the unit it is
// typed in. Every upper bound is included; high is +infinity where there is
// none. Comparisons are in 32-bit floats, and a value that is not a finite
// number is refused.
struct Range {
  float low = 0.0f;
  bool low_included = false;
  float high = std::numeric_limits<float>::infinity();

  bool accepts(float x) const {
    return std::isfinite(x) && (low_included ? x >= low : x > low) && x <= high;
  }
};

// The ranges of the eleven prompts of the dialog, one definition
// for the dialog and for every program that takes starting values.
namespace dialog_range {
inline constexpr Range p_out{0.1f, false, 5000.0f};         // W
inline constexpr Range e_supply{3.0f, false, 10000.0f};     // V
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
inline float u_min_limit(float e_supply) {
  return 0.95f * e_supply;
}
}  // namespace dialog_range

// The dialog's unit conversions of typed values to the record's SI units.
inline float pf_to_farads(float pf) {
  return pf * 1e-12f;
}
inline float mhz_to_hertz(float mhz) {
  return mhz * 1e6f;
}

// The initial-data dialog: asks the eleven starting values with their
// ranges and returns them in SI units (pF to F, MHz to Hz).
stage::StageInputs input_terminal(console::Console& con, const text::ConsoleTexts& t);

// The console report: 25 numbered results, the warnings, the starting values.
std::string console_report(const stage::StageResults& results, const stage::StageInputs& inputs,
                           std::int32_t hot_cap_warning, const text::ConsoleTexts& t);

void output_terminal(console::Console& con, const stage::StageResults& results,
                     const stage::StageInputs& inputs, std::int32_t hot_cap_warning,
                     const text::ConsoleTexts& t);

// True when the first 3 bytes of the answer word are exactly one of the yes words.
bool is_yes(std::string_view line, const text::ConsoleTexts& t);

// Reads the answer word to a yes/no question, skipping lines of blanks.
bool read_yes_no(console::Console& con, const text::ConsoleTexts& t);

}  // namespace terminal
