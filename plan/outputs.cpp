#include "plan/outputs.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "plan/pi_l_report.hpp"
#include "plan/texts.hpp"
#include "printer/numform.hpp"
#include "printer/results.hpp"
#include "text/texts.hpp"

namespace plan {

namespace {

const text::ConsoleTexts& texts() {
  return text::console_texts(text::Encoding::utf8);
}

// Characters shown on the screen: UTF-8 bytes that begin a character.
std::size_t display_width(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
  }
  return n;
}

std::string pad_right(std::string_view s, std::size_t width) {
  std::string out(s);
  const std::size_t w = display_width(s);
  if (w < width) out.append(width - w, ' ');
  return out;
}

std::string pad_left(std::string_view s, std::size_t width) {
  const std::size_t w = display_width(s);
  std::string out = w < width ? std::string(width - w, ' ') : std::string();
  return out.append(s);
}

// A report label without its one leading blank and its tabs and "= " at the end.
std::string bare_label(std::string_view label) {
  if (!label.empty() && label.front() == ' ') label.remove_prefix(1);
  while (!label.empty() && (label.back() == ' ' || label.back() == '\t' || label.back() == '=')) {
    label.remove_suffix(1);
  }
  return std::string(label);
}

// The lines of the file report, UTF-8.
const std::array<results::Line, results::kLineCount>& report_lines() {
  return results::lines(text::Encoding::utf8);
}

constexpr std::size_t kCell = 11;  // the f11.3 form of the reports
constexpr std::string_view kMhz = " МГц";

std::string mhz(float f) {
  return numform::fixed(f, 9, 3);
}

std::string trimmed(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

std::string at_text(const AtFrequency& a, int width, int decimals) {
  return numform::fixed(a.value, width, decimals) + " (" + trimmed(mhz(a.f_mhz)) +
         std::string(kMhz) + ")";
}

void inputs_section(std::string& out, const PlanReport& report) {
  const auto& t = texts();
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
      out += "       " + pad_right(right[i], 10) + " = " + numform::fixed(right_values[i], 9, 2);
    }
    out += '\n';
  }
  out += " Увеличивать нагруженную добротность при малой горячей емкости: ";
  out += report.raise_q ? "да (--raise-q)\n" : "нет\n";
}

// One block of the grid: the label column and the designs [first, last).
void grid_block(std::string& out, const PlanReport& report, std::size_t label_width,
                std::size_t first, std::size_t last) {
  const auto row = [&](std::string_view label) {
    out += ' ' + pad_right(label, label_width) + "  ";
  };
  row(bare_label(text::kFileTexts.frequency_heading));
  for (std::size_t col = first; col < last; ++col) {
    out += numform::fixed(report.designs[col].f_mhz, kCell, 3);
  }
  out += '\n';
  row("Расчет");
  for (std::size_t col = first; col < last; ++col) {
    out += pad_left(report.designs[col].completed() ? "выполнен" : "отказ", kCell);
  }
  out += '\n';
  for (const results::Line& line : report_lines()) {
    row(bare_label(results::file_label(line)));
    for (std::size_t col = first; col < last; ++col) {
      const Design& d = report.designs[col];
      out += d.completed()
                 ? numform::fixed(results::value(line, d.record.results, d.record.pulse_coeffs),
                                  kCell, 3)
                 : pad_left("—", kCell);
    }
    out += '\n';
  }
}

// The numbered values of the file report for every design side by side, in
// blocks of as many designs as fit the width, each with the label column.
void grid_section(std::string& out, const PlanReport& report, std::size_t width) {
  std::size_t label_width = display_width(bare_label(text::kFileTexts.frequency_heading));
  for (const results::Line& line : report_lines()) {
    label_width = std::max(label_width, display_width(bare_label(results::file_label(line))));
  }
  const std::size_t label_column = label_width + 3;
  const std::size_t per_block =
      width > label_column ? std::max<std::size_t>(1, (width - label_column) / kCell) : 1;
  for (std::size_t first = 0; first < report.designs.size(); first += per_block) {
    if (first != 0) out += '\n';
    grid_block(out, report, label_width, first, std::min(report.designs.size(), first + per_block));
  }
  if (report.designs.empty()) grid_block(out, report, label_width, 0, 0);
}

// The Pi-L's refusal or warnings of a design, each after the Pi-L's prefix.
void pi_l_warning_lines(std::vector<std::string>& lines, const Design& d) {
  if (!d.pi_l) return;
  const std::string prefix(plan_texts().pi_l_warnings_prefix);
  const std::string why = pi_l_refusal(*d.pi_l);
  if (!why.empty()) lines.push_back(prefix + std::string(plan_texts().pi_l_refused) + ": " + why);
  for (const std::string& w : pi_l_warning_texts(*d.pi_l)) lines.push_back(prefix + w);
}

// The Pi-L's values for every design side by side, in the blocks of the grid.
void pi_l_grid_block(std::string& out, const PlanReport& report, std::size_t label_width,
                     std::size_t first, std::size_t last) {
  const PlanTexts& t = plan_texts();
  const auto row = [&](std::string_view label) {
    out += ' ' + pad_right(label, label_width) + "  ";
  };
  row(bare_label(text::kFileTexts.frequency_heading));
  for (std::size_t col = first; col < last; ++col) {
    out += numform::fixed(report.designs[col].f_mhz, kCell, 3);
  }
  out += '\n';
  row(t.pi_l_status);
  for (std::size_t col = first; col < last; ++col) {
    const bool done = report.designs[col].pi_l->design.completed();
    out += pad_left(done ? t.pi_l_completed : t.pi_l_refused, kCell);
  }
  out += '\n';
  for (const PiLLine& line : kPiLLines) {
    row(t.*line.label);
    for (std::size_t col = first; col < last; ++col) {
      const PiLColumn& c = *report.designs[col].pi_l;
      const float v = pi_l_value(line, c);
      const bool shown = line.beside != nullptr ? !std::isnan(v) : c.design.completed();
      out += shown ? numform::fixed(v, kCell, 3) : pad_left("—", kCell);
    }
    out += '\n';
  }
}

void pi_l_grid_section(std::string& out, const PlanReport& report, std::size_t width) {
  if (report.network != Network::pi_l) return;
  std::size_t label_width = display_width(bare_label(text::kFileTexts.frequency_heading));
  label_width = std::max(label_width, display_width(plan_texts().pi_l_status));
  for (const PiLLine& line : kPiLLines) {
    label_width = std::max(label_width, display_width(plan_texts().*line.label));
  }
  const std::size_t label_column = label_width + 3;
  const std::size_t per_block =
      width > label_column ? std::max<std::size_t>(1, (width - label_column) / kCell) : 1;
  out += ' ' + fill(plan_texts().pi_l_heading, {float_text(report.r_mid)}) + "\n\n";
  for (std::size_t first = 0; first < report.designs.size(); first += per_block) {
    if (first != 0) out += '\n';
    pi_l_grid_block(out, report, label_width, first,
                    std::min(report.designs.size(), first + per_block));
  }
  out += '\n';
}

void warnings_section(std::string& out, const PlanReport& report) {
  out += " Предупреждения:\n";
  bool any = false;
  for (const Design& d : report.designs) {
    std::vector<std::string> lines;
    if (!d.completed()) {
      lines.push_back("отказ: " + std::string(texts().abort_lines[0]) + " (выше 0.7·Q0)");
    }
    for (const std::string_view w : warning_texts(d)) lines.emplace_back(w);
    pi_l_warning_lines(lines, d);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      out += ' ' + (i == 0 ? mhz(d.f_mhz) + std::string(kMhz) + ": " : std::string(15, ' '));
      out += lines[i] + '\n';
      any = true;
    }
  }
  if (!any) out += " нет\n";
}

// The frequencies where the hot capacitance is below the variable
// capacitor's minimum, or that there are none.
std::string hot_cap_line(const Summary& s) {
  if (s.hot_cap_below_min_f_mhz.empty()) return std::string(plan_texts().hot_cap_below_min_none);
  std::string list;
  for (const float f : s.hot_cap_below_min_f_mhz) {
    list += (list.empty() ? "" : ", ") + trimmed(mhz(f));
  }
  return fill(plan_texts().hot_cap_below_min, {list + std::string(kMhz)});
}

void summary_section(std::string& out, const PlanReport& report) {
  const Summary& s = report.summary;
  out += " Итоги по частотам: выполнено " + std::to_string(s.completed) + ", отказ " +
         std::to_string(s.refused) + '\n';
  if (!s.spans || !s.duties) return;
  const ElementSpans& e = *s.spans;
  const auto span_line = [&](std::string_view label, const Span& span) {
    out += ' ' + pad_right(label, 32) + " от " + at_text(span.min, 11, kSpanDecimals) + "  до " +
           at_text(span.max, 11, kSpanDecimals) + '\n';
  };
  out += " Пределы значений элементов:\n";
  span_line("С1 П-контура полная, пФ", e.c1_total_pf);
  span_line("C горячего конденсатора, пФ", e.c_hot_pf);
  span_line("L П-контура, мкГн", e.l_uh);
  span_line("С2 П-контура, пФ", e.c2_pf);

  const ElementDuties& u = *s.duties;
  out += " Наибольшие нагрузки элементов (в скобках частота):\n";
  out += ' ' + pad_right("", 10) + pad_right("I, А (эфф.)", 24) + pad_right("U, В (эфф.)", 24) +
         "Q, ВАр\n";
  const auto duty_line = [&](std::string_view label, const Duty& d) {
    out += ' ' + pad_right(label, 6) + pad_right(at_text(d.current_a, 9, kCurrentDecimals), 24) +
           pad_right(at_text(d.voltage_v, 9, kVoltageDecimals), 24) +
           at_text(d.reactive_var, 9, kReactiveDecimals) + '\n';
  };
  duty_line("С1", u.c1);
  duty_line("L", u.coil);
  duty_line("С2", u.c2);
  out += " (U = Q / I: напряжение на конденсаторе; на катушке — ωL·I)\n";
  out += ' ' + hot_cap_line(s) + '\n';
}

// The ranges of the Pi-L's four elements, with the labels of the Pi-L's values.
void pi_l_summary_section(std::string& out, const Summary& s) {
  if (!s.pi_l_spans) return;
  const PlanTexts& t = plan_texts();
  const PiLSpans& e = *s.pi_l_spans;
  out += ' ' + std::string(t.pi_l_ranges) + '\n';
  const auto span_line = [&](std::string_view label, const Span& span) {
    out += ' ' + pad_right(label, 32) + " от " + at_text(span.min, 11, kSpanDecimals) + "  до " +
           at_text(span.max, 11, kSpanDecimals) + '\n';
  };
  span_line(t.pi_l_c1_total_pf, e.c1_total_pf);
  span_line(t.pi_l_l1_uh, e.l1_uh);
  span_line(t.pi_l_c2_pf, e.c2_pf);
  span_line(t.pi_l_l2_uh, e.l2_uh);
}

Json at_json(const AtFrequency& a) {
  Json j = Json::object();
  j["value"] = a.value;
  j["f_mhz"] = a.f_mhz;
  return j;
}

Json span_json(const Span& s) {
  Json j = Json::object();
  j["min"] = s.min.value;
  j["min_f_mhz"] = s.min.f_mhz;
  j["max"] = s.max.value;
  j["max_f_mhz"] = s.max.f_mhz;
  return j;
}

Json duty_json(const Duty& d) {
  Json j = Json::object();
  j["i_a"] = at_json(d.current_a);
  j["u_rms"] = at_json(d.voltage_v);
  j["q_var"] = at_json(d.reactive_var);
  return j;
}

Json pi_l_spans_json(const PiLSpans& s) {
  Json j = Json::object();
  j["c1_total_pf"] = span_json(s.c1_total_pf);
  j["l1_uh"] = span_json(s.l1_uh);
  j["c2_pf"] = span_json(s.c2_pf);
  j["l2_uh"] = span_json(s.l2_uh);
  return j;
}

}  // namespace

std::string float_text(float value) {
  std::array<char, 32> buf{};
  const std::to_chars_result r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return std::string(buf.data(), r.ptr);
}

std::vector<std::string_view> warning_texts(const Design& design) {
  std::vector<std::string_view> out;
  if (!design.completed()) return out;
  for (const warnings::Warning w : design.record.warnings) out.push_back(warning_text(w));
  return out;
}

std::string_view warning_text(warnings::Warning w) {
  return texts().warnings[static_cast<std::size_t>(w)];
}

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
  std::string banner = std::string(texts().banner[0]) + ' ' + std::string(texts().banner[1]);
  while (!banner.empty() && banner.back() == ' ') banner.pop_back();
  out += " valvenet-plan: " + banner + '\n';
  out += '\n';
  inputs_section(out, report);
  out += '\n';
  if (report.network == Network::pi_l) {
    out += ' ' + std::string(plan_texts().pi_l_plain_pi_heading) + "\n\n";
  }
  grid_section(out, report, width);
  out += '\n';
  pi_l_grid_section(out, report, width);
  warnings_section(out, report);
  out += '\n';
  summary_section(out, report);
  pi_l_summary_section(out, report.summary);
  return out;
}

std::string csv_report(const PlanReport& report) {
  // The results in record order, then the pulse coefficients.
  std::vector<const results::Line*> columns;
  for (const bool coefficient : {false, true}) {
    for (const results::Line& line : report_lines()) {
      if ((line.coeff != nullptr) == coefficient) columns.push_back(&line);
    }
  }
  std::string out = "f_mhz,status";
  for (const results::Line* line : columns) out += ',' + std::string(line->key);
  out += ",hot_cap_warning";
  if (report.network == Network::pi_l) out += pi_l_csv_header();
  out += '\n';
  for (const Design& d : report.designs) {
    out += float_text(d.f_mhz);
    if (!d.completed()) {
      out += ",refused";
      out += std::string(columns.size() + 1, ',');
    } else {
      out += ",completed";
      for (const results::Line* line : columns) {
        out += ',' + float_text(results::value(*line, d.record.results, d.record.pulse_coeffs));
      }
      out += ',' + std::to_string(d.record.hot_cap_warning);
    }
    if (d.pi_l) out += pi_l_csv_row(*d.pi_l);
    out += '\n';
  }
  return out;
}

namespace {

// The values of a completed design: {"results": {...}, "pulse_coeffs": {...}}.
void design_values(Json& j, const Design& d) {
  Json values = Json::object();
  Json coeffs = Json::object();
  for (const results::Line& line : report_lines()) {
    (line.coeff != nullptr ? coeffs : values)[std::string(line.key)] =
        results::value(line, d.record.results, d.record.pulse_coeffs);
  }
  j["results"] = values;
  j["pulse_coeffs"] = coeffs;
}

}  // namespace

Json json_document(const PlanReport& report) {
  Json doc = Json::object();
  Json inputs = Json::object();
  const std::array<float, 10> typed = typed_values(report.inputs);
  for (std::size_t i = 0; i < typed.size(); ++i) {
    inputs[std::string(kTypedInputNames[i])] = typed[i];
  }
  Json freqs = Json::array();
  for (const Design& d : report.designs) freqs.push_back(d.f_mhz);
  inputs["f_mhz"] = freqs;
  doc["inputs"] = inputs;
  doc["raise_q"] = report.raise_q;
  doc["network"] = network_name(report.network);

  Json designs = Json::array();
  for (const Design& d : report.designs) {
    Json j = Json::object();
    j["f_mhz"] = d.f_mhz;
    j["status"] = d.completed() ? "completed" : "refused";
    if (d.completed()) {
      design_values(j, d);
    } else {
      j["results"] = nullptr;
      j["pulse_coeffs"] = nullptr;
    }
    j["hot_cap_warning"] = d.record.hot_cap_warning;
    Json warnings = Json::array();
    for (const std::string_view w : warning_texts(d)) warnings.push_back(std::string(w));
    j["warnings"] = warnings;
    if (d.pi_l) j["pi_l"] = pi_l_json(*d.pi_l);
    designs.push_back(j);
  }
  doc["designs"] = designs;

  const Summary& s = report.summary;
  Json summary = Json::object();
  summary["completed"] = s.completed;
  summary["refused"] = s.refused;
  if (s.spans && s.duties) {
    Json spans = Json::object();
    spans["c1_total_pf"] = span_json(s.spans->c1_total_pf);
    spans["c_hot_pf"] = span_json(s.spans->c_hot_pf);
    spans["l_uh"] = span_json(s.spans->l_uh);
    spans["c2_pf"] = span_json(s.spans->c2_pf);
    summary["ranges"] = spans;
    Json duties = Json::object();
    duties["c1"] = duty_json(s.duties->c1);
    duties["l"] = duty_json(s.duties->coil);
    duties["c2"] = duty_json(s.duties->c2);
    summary["maxima"] = duties;
    Json hot = Json::array();
    for (const float f : s.hot_cap_below_min_f_mhz) hot.push_back(f);
    summary["hot_cap_below_min_f_mhz"] = hot;
  } else {
    summary["ranges"] = nullptr;
    summary["maxima"] = nullptr;
  }
  if (s.pi_l_spans) summary["pi_l_ranges"] = pi_l_spans_json(*s.pi_l_spans);
  doc["summary"] = summary;
  return doc;
}

std::string json_report(const PlanReport& report) {
  return json_document(report).dump(2) + '\n';
}

}  // namespace plan
