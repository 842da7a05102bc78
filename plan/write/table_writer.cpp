#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <system_error>

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
  write_document_table(out, report_document(report), width);
  return out;
}

std::string document_table(const doc::Block& root, std::size_t width) {
  std::string out;
  write_document_table(out, root, width);
  return out;
}

}  // namespace plan
