#include "printer/printer.hpp"

#include <cstdio>
#include <tuple>

#include "main/starting_values.hpp"
#include "printer/numform.hpp"
#include "printer/results.hpp"

namespace printer {

namespace {

using text::kLineEnd;

static_assert(std::tuple_size_v<decltype(text::ConsoleTexts::warnings)> == warnings::kWarningCount,
              "every warning the design can give has its text");

void message(std::string& out, std::string_view text) {
  out += ' ';
  out += text;
  out += kLineEnd;
}

std::string two_columns(std::string_view left, float left_value, std::string_view right,
                        float right_value) {
  return std::string(left) + numform::fixed(left_value, 9, 2) + std::string(7, ' ') +
         std::string(right) + numform::fixed(right_value, 9, 2) + std::string(kLineEnd);
}

}  // namespace

std::string inputs_block(const stage::StageInputs& in, const std::array<text::Text, 6>& left,
                         const std::array<text::Text, 5>& right) {
  std::string out;
  out += two_columns(left[0], in.p_out, right[0], starting_values::hertz_to_mhz(in.f_hz));
  out += two_columns(left[1], in.e_supply, right[1], in.r_load);
  out += two_columns(left[2], in.u_min, right[2], in.filter_db);
  out += two_columns(left[3], starting_values::farads_to_pf(in.c_tube), right[3], in.q_unloaded);
  out += two_columns(left[4], starting_values::farads_to_pf(in.c_var_min), right[4], in.cutoff_deg);
  out += std::string(left[5]) + numform::fixed(in.tube_exponent, 9, 2) + std::string(kLineEnd);
  return out;
}

std::string value_line(std::string_view label, float value) {
  return std::string(label) + numform::fixed(value, 11, 3) + std::string(kLineEnd);
}

std::string file_report(const stage::StageResults& results, const stage::StageInputs& inputs,
                        const stage::PulseCoeffs& pulse_coeffs,
                        const std::vector<warnings::Warning>& warnings, std::string_view date) {
  const text::FileTexts& t = text::kFileTexts;
  const text::ConsoleTexts& shared = text::console_texts(text::Encoding::utf8);
  std::string out;
  message(out, std::string(t.date) + std::string(date) + std::string(17, ' '));
  out += kLineEnd;
  out += value_line(t.frequency_heading, starting_values::hertz_to_mhz(inputs.f_hz));
  out += kLineEnd;
  for (const results::Line& line : results::lines(text::Encoding::utf8)) {
    out += value_line(results::file_label(line), results::value(line, results, pulse_coeffs));
  }
  out += kLineEnd;
  for (const warnings::Warning w : warnings) {
    message(out, w == warnings::Warning::h2_power_above_50
                     ? t.h2_power_warning
                     : shared.warnings[static_cast<std::size_t>(w)]);
  }
  out += kLineEnd;
  message(out, shared.inputs_heading);
  std::array<text::Text, 6> left = shared.inputs_left;
  left[5] = t.exponent_label;
  out += inputs_block(inputs, left, shared.inputs_right);
  message(out, t.report_end);
  out += kLineEnd;
  return out;
}

bool append_to_file(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  // Unbuffered: the whole report goes to the file in one write.
  bool ok = std::setvbuf(file, nullptr, _IONBF, 0) == 0;
  ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

bool output_file(const stage::StageResults& results, const stage::StageInputs& inputs,
                 const stage::PulseCoeffs& pulse_coeffs,
                 const std::vector<warnings::Warning>& warnings, std::string_view date,
                 const std::string& path) {
  return append_to_file(path, file_report(results, inputs, pulse_coeffs, warnings, date));
}

}  // namespace printer
