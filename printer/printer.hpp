#pragma once

// The file report: the dated report appended to pi_kontur.txt, and the
// blocks it shares with the console report.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "main/stage_record.hpp"
#include "main/warnings.hpp"
#include "text/texts.hpp"

namespace printer {

// The block of starting values: five two-column lines and the exponent line.
std::string inputs_block(const stage::StageInputs& inputs, const std::array<text::Text, 6>& left,
                         const std::array<text::Text, 5>& right);

// "(a, f11.3)": a label, the value in 11 characters with 3 decimals, the line end.
std::string value_line(std::string_view label, float value);

// The whole dated report as it is appended to the file, UTF-8, CR LF.
// date : YYYYMMDD
std::string file_report(const stage::StageResults& results, const stage::StageInputs& inputs,
                        const stage::PulseCoeffs& pulse_coeffs,
                        const std::vector<warnings::Warning>& warnings, std::string_view date);

// Appends bytes to the file at path with one write, creating it when
// missing; false when it cannot be opened, written or closed. Bytes already
// in the file are never changed.
bool append_to_file(const std::string& path, std::string_view bytes);

// Appends the report of the calculation to the file report at path.
bool output_file(const stage::StageResults& results, const stage::StageInputs& inputs,
                 const stage::PulseCoeffs& pulse_coeffs,
                 const std::vector<warnings::Warning>& warnings, std::string_view date,
                 const std::string& path);

}  // namespace printer
