#pragma once

// The initial-data dialog, the console report and the yes/no answer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/console_io.hpp"
#include "main/stage_record.hpp"
#include "main/warnings.hpp"
#include "text/texts.hpp"

namespace terminal {

// The initial-data dialog: asks the eleven starting values with their
// ranges and returns them in SI units (pF to F, MHz to Hz).
stage::StageInputs input_terminal(console::Console& con, const text::ConsoleTexts& t);

// The console report: 25 numbered results, the warnings, the starting values.
std::string console_report(const stage::StageResults& results, const stage::StageInputs& inputs,
                           const std::vector<warnings::Warning>& warnings,
                           const text::ConsoleTexts& t);

void output_terminal(console::Console& con, const stage::StageResults& results,
                     const stage::StageInputs& inputs,
                     const std::vector<warnings::Warning>& warnings, const text::ConsoleTexts& t);

// True when the first 3 bytes of the answer word are exactly one of the yes words.
bool is_yes(std::string_view line, const text::ConsoleTexts& t);

// Reads the answer word to a yes/no question, skipping lines of blanks.
bool read_yes_no(console::Console& con, const text::ConsoleTexts& t);

}  // namespace terminal
