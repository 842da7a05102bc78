#pragma once

// The description of the Pi-L's values: for every value of a Pi-L design,
// its CSV and JSON key and its label. plan/tank_outputs.cpp gives it to
// the writers as the Pi-L's lines, so a new value is one entry here.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/pi_l_column.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

struct PiLLine {
  std::string_view key;                // JSON key in "pi_l"; the CSV's column is "pi_l_" + key
  std::string_view PlanTexts::*label;  // in the table
  float design::PiLResults::*result;   // the Pi-L's value, or nullptr
  float PiLColumn::*beside;            // the plain Pi's value beside it, or nullptr
  // A value computed from the column at its frequency (MHz), when neither
  // of the above; NaN: not known.
  float (*computed)(const PiLColumn&, float f_mhz) = nullptr;
};

inline constexpr std::size_t kPiLLineCount = 31;
extern const std::array<PiLLine, kPiLLineCount> kPiLLines;

// The value of a line for a column at f_mhz, MHz; a plain-Pi value is
// there whatever became of the Pi-L.
float pi_l_value(const PiLLine& line, const PiLColumn& column, float f_mhz);

// Why the Pi-L of a column was refused, in the language of t; empty
// when it was completed.
std::string pi_l_refusal(const PiLColumn& column, const PlanTexts& t);

// The Pi-L's warnings of a completed design, in the language of t.
std::vector<std::string> pi_l_warning_texts(const PiLColumn& column, const PlanTexts& t);

// The CSV's and JSON's word for the outcome of a Pi-L design.
std::string_view pi_l_status_key(design::PiLOutcome outcome);

}  // namespace plan
