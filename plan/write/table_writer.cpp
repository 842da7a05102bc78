#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "plan/cli/option_table.hpp"
#include "plan/report/design_blocks.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/write/document_table.hpp"
#include "plan/write/outputs.hpp"
#include "printer/numform.hpp"

// The readable table: the starting values, one grid per network, the
// warnings, the summary and the parts.

namespace plan {

namespace {

// The row of Q0 in the right column of the starting values.
constexpr std::size_t kQ0Row = 2;

void inputs_section(std::string& out, const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  const TypedInputs& in = report.inputs;
  // The report's block of starting values without the frequency column.
  const std::array<std::string, 6> left{bare_label(t.inputs_left[0]), bare_label(t.inputs_left[1]),
                                        bare_label(t.inputs_left[2]), bare_label(t.inputs_left[3]),
                                        bare_label(t.inputs_left[4]), bare_label(t.inputs_left[5])};
  const std::array<float, 6> left_values{in.p_out,  in.e_supply,  in.u_min,
                                         in.c_tube, in.c_var_min, in.tube_exponent};
  const std::array<std::string, 4> right{
      bare_label(t.inputs_right[1]), bare_label(t.inputs_right[2]), bare_label(t.inputs_right[3]),
      bare_label(t.inputs_right[4])};
  const std::array<float, 4> right_values{in.r_load, in.filter_db, in.q_unloaded, in.cutoff_deg};
  out += ' ' + std::string(t.inputs_heading) + '\n';
  for (std::size_t i = 0; i < left.size(); ++i) {
    out += ' ' + pad_right(left[i], 15) + " = " + numform::fixed(left_values[i], 9, 2);
    if (i < right.size()) {
      // With --q0 coil each band has its own Q0, in its row "q0_used".
      const bool coil_q0 = report.q0_coil && i == kQ0Row;
      const std::string value =
          coil_q0 ? pad_left(kQ0CoilWord, 9) : numform::fixed(right_values[i], 9, 2);
      out += "       " + pad_right(right[i], 10) + " = " + value;
    }
    out += '\n';
  }
  out += ' ' + std::string(t.raise_q_line);
  out += std::string(report.raise_q ? t.raise_q_yes : t.raise_q_no) + '\n';
}

}  // namespace

std::size_t table_width() {
  const char* columns = std::getenv("COLUMNS");
  if (columns == nullptr) return kTableWidth;
  const std::string_view text(columns);
  std::size_t width = 0;
  const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), width);
  const bool sane = r.ec == std::errc() && r.ptr == text.data() + text.size() &&
                    width >= kNarrowestTable && width <= kWidestTable;
  return sane ? width : kTableWidth;
}

std::string table_report(const PlanReport& report) {
  return table_report(report, table_width());
}

std::string table_report(const PlanReport& report, std::size_t width) {
  std::string out;
  const PlanTexts& t = texts_of(report);
  std::string banner = std::string(t.banner_a) + ' ' + std::string(t.banner_b);
  while (!banner.empty() && banner.back() == ' ') banner.pop_back();
  out += " valvenet-plan: " + banner + '\n';
  out += '\n';
  inputs_section(out, report);
  out += '\n';
  write_document_table(out, report_document(report), width);
  return out;
}

}  // namespace plan
