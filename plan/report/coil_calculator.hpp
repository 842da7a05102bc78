#pragma once

// The coil calculator, valvenet-plan coil: one winding of the coil options
// and a number of turns, at each frequency its inductance, loss, Q,
// self-capacitance and self-resonance from coil_loss::evaluate. Every value
// is one entry in kCoilLines, which the table, CSV and JSON walk.

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "parts/coil_loss.hpp"
#include "plan/report/document.hpp"
#include "plan/report/parts.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// What the calculator is given.
struct CoilInputs {
  CoilOptions coil;          // mm, a winding (pitch >= wire, wire < diameter)
  float turns = 0.0f;        // coil::kMinTurns..coil::kMaxTurns, fractional allowed
  std::vector<float> f_mhz;  // in the order given
};

// The coil at one frequency.
struct CoilAt {
  float f_mhz = 0.0f;
  coil_loss::Values values;
};

struct CoilReport {
  CoilInputs inputs;
  std::vector<CoilAt> coils;  // one per frequency, in the same order
  Language language = Language::ru;
};

// One value of the calculator: its JSON key and CSV column, its label and
// unit in the table, its decimals there, and the value in its unit.
struct CoilLine {
  std::string_view key;
  std::string_view CoilTexts::*label;  // in the texts' `coil`; nullptr: a heading line
  TextField unit;                      // nullptr: none
  int decimals;
  double (*value)(const CoilAt&);
};

// A typed float as the double of its shortest decimals (7.1f as 7.1), so
// that CSV and JSON show the number as it was typed.
// v : any finite float
double typed_number(float v);

// Unit factors from the SI of coil_loss::Values.
inline constexpr double kMicro = 1e6;  // H to uH
inline constexpr double kMilli = 1e3;  // m to mm
inline constexpr double kPico = 1e12;  // F to pF
inline constexpr double kMega = 1e-6;  // Hz to MHz

inline constexpr std::array<CoilLine, 13> kCoilLines{{
    {"f_mhz", nullptr, &PlanTexts::megahertz, 3,
     [](const CoilAt& c) { return typed_number(c.f_mhz); }},
    {"l_uh", &CoilTexts::coil_l, &PlanTexts::microhenry, 3,
     [](const CoilAt& c) { return c.values.inductance_h * kMicro; }},
    {"winding_mm", &CoilTexts::coil_winding, &PlanTexts::millimetre, 1,
     [](const CoilAt& c) { return c.values.winding_m * kMilli; }},
    {"wire_m", &CoilTexts::coil_wire_length, &PlanTexts::metre, 3,
     [](const CoilAt& c) { return c.values.wire_length_m; }},
    {"r_dc_ohm", &CoilTexts::coil_r_dc, &PlanTexts::ohm, 4,
     [](const CoilAt& c) { return c.values.r_dc_ohm; }},
    {"r_ac_ohm", &CoilTexts::coil_r_ac, &PlanTexts::ohm, 4,
     [](const CoilAt& c) { return c.values.r_ac_ohm; }},
    {"phi", &CoilTexts::coil_phi, nullptr, 3, [](const CoilAt& c) { return c.values.phi; }},
    {"r_ohm", &CoilTexts::coil_r, &PlanTexts::ohm, 4,
     [](const CoilAt& c) { return c.values.r_ohm; }},
    {"q", &CoilTexts::coil_q, nullptr, 0, [](const CoilAt& c) { return c.values.q; }},
    {"q_apparent", &CoilTexts::coil_q_apparent, nullptr, 0,
     [](const CoilAt& c) { return c.values.q_apparent; }},
    {"c_self_pf", &CoilTexts::coil_c_self, &PlanTexts::picofarad, 2,
     [](const CoilAt& c) { return c.values.c_self_f * kPico; }},
    {"srf_mhz", &CoilTexts::coil_srf, &PlanTexts::megahertz, 2,
     [](const CoilAt& c) { return c.values.srf_hz * kMega; }},
    // The warnings follow as a list of their own.
    {"warnings", nullptr, nullptr, 0, nullptr},
}};

// The calculator's results.
// in : a valid CoilInputs;  language : of the texts
CoilReport coil_report(const CoilInputs& in, Language language);

// The warnings of one frequency in the report's language: above 0.8 f_srf
// (unusable), skin effect undeveloped (the Q too low).
// c : a coil of coil_report;  t : the texts
std::vector<std::string> coil_warnings(const CoilAt& c, const PlanTexts& t);

// The report as a table (a block per frequency), as CSV (a header row and a
// row per frequency, LF line ends) and as JSON {"inputs", "coils"}.
// r : of coil_report
// The coils as a document block: a column per frequency, the values in
// 64-bit floats, the warnings.
// r : the calculator's results
doc::Block coils_block(const CoilReport& r);

// An empty block of a calculator's results (the coils, the choke's
// candidates): a column per result, each a list with its title; the table's
// label and value columns of the calculators.
// key : its JSON member
doc::Block calculator_block(std::string_view key);

}  // namespace plan
