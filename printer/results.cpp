#include "printer/results.hpp"

#include <algorithm>

namespace results {

const std::array<Line, kLineCount>& lines(text::Encoding e) {
  return e == text::Encoding::utf8 ? kLines<text::Encoding::utf8> : kLines<text::Encoding::cp866>;
}

std::vector<const Line*> console_lines(text::Encoding e) {
  std::vector<const Line*> out;
  for (const Line& line : lines(e)) {
    if (line.console_number != 0) out.push_back(&line);
  }
  std::stable_sort(out.begin(), out.end(), [](const Line* a, const Line* b) {
    return a->console_number < b->console_number;
  });
  return out;
}

float value(const Line& line, const stage::StageResults& results,
            const stage::PulseCoeffs& pulse_coeffs) {
  return line.result != nullptr ? results.*line.result : pulse_coeffs.*line.coeff;
}

std::string numbered(int number, std::string_view label) {
  // The number, its point and blanks fill four columns after one blank.
  std::string out = number == 0 ? std::string() : std::to_string(number) + '.';
  out.resize(4, ' ');
  return ' ' + out + std::string(label);
}

std::string file_label(const Line& line) {
  return numbered(line.file_number, line.label);
}

std::string console_label(const Line& line) {
  return numbered(line.console_number,
                  line.console_label.empty() ? line.label : line.console_label);
}

}  // namespace results
