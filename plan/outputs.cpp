#include "plan/outputs.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "plan/option_table.hpp"
#include "plan/pi_l_report.hpp"
#include "plan/texts.hpp"
#include "printer/numform.hpp"
#include "printer/results.hpp"
#include "text/texts.hpp"

namespace plan {

namespace {

const PlanTexts& texts_of(const PlanReport& report) {
  return plan_texts(report.language);
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

std::string mhz(float f) {
  return numform::fixed(f, 9, 3);
}

std::string trimmed(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

std::string with_mhz(const PlanTexts& t, float f_mhz) {
  return trimmed(mhz(f_mhz)) + ' ' + std::string(t.megahertz);
}

std::string at_text(const PlanTexts& t, const AtFrequency& a, int width, int decimals) {
  return numform::fixed(a.value, width, decimals) + " (" + with_mhz(t, a.f_mhz) + ")";
}

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
      out += "       " + pad_right(right[i], 10) + " = " + numform::fixed(right_values[i], 9, 2);
    }
    out += '\n';
  }
  out += ' ' + std::string(t.raise_q_line);
  out += std::string(report.raise_q ? t.raise_q_yes : t.raise_q_no) + '\n';
}

// The parts lines the report shows.
// None for a report built without its parts.
// pi_l : the lines of the Pi-L's parts
std::vector<const PartLine*> part_lines(const PlanReport& report, bool pi_l = false) {
  std::vector<const PartLine*> out;
  const auto& parts = pi_l ? report.pi_l_parts : report.parts;
  if (parts.size() != report.designs.size()) return out;
  for (const PartLine& line : kPartLines) {
    if (shows(line.group, report.parts_options, pi_l)) out.push_back(&line);
  }
  return out;
}

std::string_view part_label(const PlanTexts& t, const PartLine& line) {
  return t.language == Language::en ? line.en : line.ru;
}

// The parts of a design, if it has them.
// pi_l : of its Pi-L
const Parts* parts_at(const PlanReport& report, std::size_t k, bool pi_l = false) {
  const auto& parts = pi_l ? report.pi_l_parts : report.parts;
  return k < parts.size() && parts[k] ? &*parts[k] : nullptr;
}

// The widest label of the parts lines.
std::size_t part_label_width(const PlanReport& report, bool pi_l) {
  std::size_t width = 0;
  for (const PartLine* line : part_lines(report, pi_l)) {
    width = std::max(width, display_width(part_label(texts_of(report), *line)));
  }
  return width;
}

// The rows of the parts in a block of the grid, for the designs [first, last).
// pi_l : the Pi-L's parts
void part_rows(std::string& out, const PlanReport& report, bool pi_l, std::size_t label_width,
               std::size_t first, std::size_t last) {
  const PlanTexts& t = texts_of(report);
  for (const PartLine* line : part_lines(report, pi_l)) {
    out += ' ' + pad_right(part_label(t, *line), label_width) + "  ";
    for (std::size_t col = first; col < last; ++col) {
      const Parts* p = parts_at(report, col, pi_l);
      const std::optional<double> v = p != nullptr ? line->value(*p) : std::nullopt;
      out +=
          v ? numform::fixed(static_cast<float>(*v), kCell, line->decimals) : pad_left("—", kCell);
    }
    out += '\n';
  }
}

// The parts cells of a CSV row, each after its comma; empty without parts.
// tuning : with the tuning reason after the values
std::string csv_parts(const std::vector<const PartLine*>& lines, const Parts* p, bool tuning) {
  std::string out;
  for (const PartLine* line : lines) {
    const std::optional<double> v = p != nullptr ? line->value(*p) : std::nullopt;
    out += ',' + (v ? float_text(static_cast<float>(*v)) : std::string());
  }
  if (tuning) out += ',' + (p != nullptr ? std::string(reason_key(overall_reason(*p))) : "");
  return out;
}

// The two heading rows of a block of the grid: the frequencies, then the
// status of each design's calculation under status_label.
template <typename Status>
void block_heading(std::string& out, const PlanReport& report, std::size_t label_width,
                   std::size_t first, std::size_t last, std::string_view status_label,
                   const Status& status) {
  const auto row = [&](std::string_view label) {
    out += ' ' + pad_right(label, label_width) + "  ";
  };
  row(bare_label(texts_of(report).frequency_heading));
  for (std::size_t col = first; col < last; ++col) {
    out += numform::fixed(report.designs[col].f_mhz, kCell, 3);
  }
  out += '\n';
  row(status_label);
  for (std::size_t col = first; col < last; ++col) {
    out += pad_left(status(report.designs[col]), kCell);
  }
  out += '\n';
}

// One block of the grid: the label column and the designs [first, last).
void grid_block(std::string& out, const PlanReport& report, std::size_t label_width,
                std::size_t first, std::size_t last) {
  const PlanTexts& t = texts_of(report);
  const auto row = [&](std::string_view label) {
    out += ' ' + pad_right(label, label_width) + "  ";
  };
  block_heading(out, report, label_width, first, last, t.calculation,
                [&](const Design& d) { return d.completed() ? t.completed : t.refused; });
  for (const results::Line& line : report_lines()) {
    row(result_label(t, line));
    for (std::size_t col = first; col < last; ++col) {
      const Design& d = report.designs[col];
      out += d.completed()
                 ? numform::fixed(results::value(line, d.record.results, d.record.pulse_coeffs),
                                  kCell, 3)
                 : pad_left("—", kCell);
    }
    out += '\n';
  }
  part_rows(out, report, false, label_width, first, last);
}

// The numbered values of the file report for every design side by side, in
// blocks of as many designs as fit the width, each with the label column.
void grid_section(std::string& out, const PlanReport& report, std::size_t width) {
  const PlanTexts& t = texts_of(report);
  std::size_t label_width = display_width(bare_label(t.frequency_heading));
  for (const results::Line& line : report_lines()) {
    label_width = std::max(label_width, display_width(result_label(t, line)));
  }
  label_width = std::max(label_width, part_label_width(report, false));
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
void pi_l_warning_lines(const PlanTexts& t, std::vector<std::string>& lines, const Design& d) {
  if (!d.pi_l) return;
  const std::string prefix(t.pi_l_warnings_prefix);
  const std::string why = pi_l_refusal(*d.pi_l, t);
  if (!why.empty()) lines.push_back(prefix + std::string(t.pi_l_refused) + ": " + why);
  for (const std::string& w : pi_l_warning_texts(*d.pi_l, t)) lines.push_back(prefix + w);
}

// The Pi-L's values for every design side by side, in the blocks of the grid.
void pi_l_grid_block(std::string& out, const PlanReport& report, std::size_t label_width,
                     std::size_t first, std::size_t last) {
  const PlanTexts& t = texts_of(report);
  const auto row = [&](std::string_view label) {
    out += ' ' + pad_right(label, label_width) + "  ";
  };
  block_heading(out, report, label_width, first, last, t.pi_l_status, [&](const Design& d) {
    return d.pi_l->design.completed() ? t.pi_l_completed : t.pi_l_refused;
  });
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
  part_rows(out, report, true, label_width, first, last);
}

void pi_l_grid_section(std::string& out, const PlanReport& report, std::size_t width) {
  if (report.network != Network::pi_l) return;
  const PlanTexts& t = texts_of(report);
  std::size_t label_width = display_width(bare_label(t.frequency_heading));
  label_width = std::max(label_width, display_width(t.pi_l_status));
  for (const PiLLine& line : kPiLLines) {
    label_width = std::max(label_width, display_width(t.*line.label));
  }
  label_width = std::max(label_width, part_label_width(report, true));
  const std::size_t label_column = label_width + 3;
  const std::size_t per_block =
      width > label_column ? std::max<std::size_t>(1, (width - label_column) / kCell) : 1;
  out += ' ' + fill(t.pi_l_heading, {float_text(report.r_mid)}) + "\n\n";
  for (std::size_t first = 0; first < report.designs.size(); first += per_block) {
    if (first != 0) out += '\n';
    pi_l_grid_block(out, report, label_width, first,
                    std::min(report.designs.size(), first + per_block));
  }
  out += '\n';
}

// What the parts of a design cannot give: no coil, a variable that cannot
// reach the band.
std::vector<std::string> parts_problems(const PlanTexts& t, const Parts* p) {
  std::vector<std::string> out;
  if (p == nullptr) return out;
  if (p->coil && p->coil->problem != coil::Problem::none) {
    out.emplace_back(t.coil_problems.at(static_cast<std::size_t>(p->coil->problem)));
  }
  if (p->l2_coil && p->l2_coil->problem != coil::Problem::none) {
    out.push_back("L2: " +
                  std::string(t.coil_problems.at(static_cast<std::size_t>(p->l2_coil->problem))));
  }
  const auto variable = [&](const std::optional<tuning::Setting>& s, std::string_view name) {
    if (s && !s->reachable) {
      out.push_back(fill(t.tuning_unreachable,
                         {name, t.tuning_reasons.at(static_cast<std::size_t>(s->reason))}));
    }
  };
  variable(p->c1, t.capacitor_c1);
  variable(p->c2, t.capacitor_c2);
  return out;
}

void warnings_section(std::string& out, const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  out += ' ' + std::string(t.warnings_heading) + '\n';
  bool any = false;
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const Design& d = report.designs[k];
    std::vector<std::string> lines;
    if (!d.completed()) lines.push_back(fill(t.refused_line, {t.critical_q}));
    for (const std::string_view w : warning_texts(d, t)) lines.emplace_back(w);
    for (std::string& p : parts_problems(t, parts_at(report, k))) lines.push_back(std::move(p));
    pi_l_warning_lines(t, lines, d);
    for (const std::string& p : parts_problems(t, parts_at(report, k, true))) {
      lines.push_back(std::string(t.pi_l_warnings_prefix) + p);
    }
    const std::string at = mhz(d.f_mhz) + ' ' + std::string(t.megahertz) + ": ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      out += ' ' + (i == 0 ? at : std::string(display_width(at), ' '));
      out += lines[i] + '\n';
      any = true;
    }
  }
  if (!any) out += ' ' + std::string(t.none) + '\n';
}

// The frequencies where the hot capacitance is below the variable
// capacitor's minimum, or that there are none.
std::string hot_cap_line(const PlanTexts& t, const Summary& s) {
  if (s.hot_cap_below_min_f_mhz.empty()) return std::string(t.hot_cap_below_min_none);
  std::string list;
  for (const float f : s.hot_cap_below_min_f_mhz) {
    list += (list.empty() ? "" : ", ") + trimmed(mhz(f));
  }
  return fill(t.hot_cap_below_min, {list + ' ' + std::string(t.megahertz)});
}

void summary_section(std::string& out, const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  const Summary& s = report.summary;
  out +=
      ' ' + fill(t.summary_counts, {std::to_string(s.completed), std::to_string(s.refused)}) + '\n';
  if (!s.spans || !s.duties) return;
  const ElementSpans& e = *s.spans;
  const auto span_line = [&](std::string_view label, const Span& span) {
    out += ' ' + pad_right(label, 32) + ' ' + std::string(t.from) + ' ' +
           at_text(t, span.min, 11, kSpanDecimals) + "  " + std::string(t.to) + ' ' +
           at_text(t, span.max, 11, kSpanDecimals) + '\n';
  };
  out += ' ' + std::string(t.spans_heading) + '\n';
  span_line(t.span_c1, e.c1_total_pf);
  span_line(t.span_c_hot, e.c_hot_pf);
  span_line(t.span_l, e.l_uh);
  span_line(t.span_c2, e.c2_pf);

  const ElementDuties& u = *s.duties;
  out += ' ' + std::string(t.duties_heading) + '\n';
  out += ' ' + pad_right("", 10) + pad_right(t.duty_current, 24) + pad_right(t.duty_voltage, 24) +
         std::string(t.duty_reactive) + '\n';
  const auto duty_line = [&](std::string_view label, const Duty& d) {
    out += ' ' + pad_right(label, 6) + pad_right(at_text(t, d.current_a, 9, kCurrentDecimals), 24) +
           pad_right(at_text(t, d.voltage_v, 9, kVoltageDecimals), 24) +
           at_text(t, d.reactive_var, 9, kReactiveDecimals) + '\n';
  };
  duty_line(t.capacitor_c1, u.c1);
  duty_line("L", u.coil);
  duty_line(t.capacitor_c2, u.c2);
  out += ' ' + std::string(t.duty_note) + '\n';
  out += ' ' + hot_cap_line(t, s) + '\n';
}

// A length for a person: mm with the given decimals, trimmed.
std::string amount(double v, int decimals) {
  return trimmed(numform::fixed(static_cast<float>(v), kCell, decimals));
}

// The parts over all bands: the largest ratings and the one tapped coil.
// pi_l : the Pi-L's parts, whose coil from C1 is L1, after the Pi-L's prefix
void parts_summary_section(std::string& out, const PlanReport& report, bool pi_l) {
  const PlanTexts& t = texts_of(report);
  const PartsSummary& s = pi_l ? report.pi_l_parts_summary : report.parts_summary;
  const PartsOptions& o = report.parts_options;
  const std::string prefix(pi_l ? t.pi_l_warnings_prefix : "");
  out += ' ' + prefix +
         fill(t.parts_heading, {float_text(o.margin),
                                o.feed == ratings::Feed::series ? t.feed_series : t.feed_shunt}) +
         '\n';
  const std::array<std::string_view, 3> names{t.capacitor_c1, t.capacitor_c2, t.capacitor_blocking};
  std::size_t name = 0;
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (!kPartLines[i].summary_max) continue;
    const std::string_view capacitor = names.at(name++);
    if (!s.largest[i]) continue;
    out += "   " +
           fill(t.largest_rating, {capacitor, amount(static_cast<double>(s.largest[i]->value), 0),
                                   trimmed(mhz(s.largest[i]->f_mhz))}) +
           '\n';
  }
  if (!o.coil || !s.coil) return;
  const coil::Tapped& c = *s.coil;
  out += ' ' + prefix +
         fill(t.coil_heading, {float_text(o.coil->diameter_mm), float_text(o.coil->wire_mm),
                               float_text(o.coil->pitch_mm)}) +
         '\n';
  if (!c.coil) {
    const float f = c.band < s.tap_f_mhz.size() ? s.tap_f_mhz[c.band] : 0.0f;
    out += "   " +
           fill(t.coil_failed,
                {trimmed(mhz(f)), t.coil_problems.at(static_cast<std::size_t>(c.problem))}) +
           '\n';
  } else {
    out += "   " +
           fill(t.coil_whole, {amount(c.coil->turns, 2), amount(c.coil->length_m * 1e3, 1),
                               amount(c.coil->conductor_m, 2)}) +
           '\n';
    for (std::size_t k = 0; k < c.taps.size() && k < s.tap_f_mhz.size(); ++k) {
      out += "   " + fill(t.coil_tap, {trimmed(mhz(s.tap_f_mhz[k])), amount(c.taps[k], 2)}) + '\n';
    }
  }
  if (pi_l) return;  // said once, under the plain Pi's coil
  out += ' ';
  for (const char ch : t.coil_leaves_out) {
    out += ch;
    if (ch == '\n') out += ' ';
  }
  out += '\n';
}

// The ranges of the Pi-L's four elements, with the labels of the Pi-L's values.
void pi_l_summary_section(std::string& out, const PlanReport& report) {
  const Summary& s = report.summary;
  if (!s.pi_l_spans) return;
  const PlanTexts& t = texts_of(report);
  const PiLSpans& e = *s.pi_l_spans;
  out += ' ' + std::string(t.pi_l_ranges) + '\n';
  const auto span_line = [&](std::string_view label, const Span& span) {
    out += ' ' + pad_right(label, 32) + ' ' + std::string(t.from) + ' ' +
           at_text(t, span.min, 11, kSpanDecimals) + "  " + std::string(t.to) + ' ' +
           at_text(t, span.max, 11, kSpanDecimals) + '\n';
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

std::vector<std::string_view> warning_texts(const Design& design, const PlanTexts& t) {
  std::vector<std::string_view> out;
  if (!design.completed()) return out;
  for (const warnings::Warning w : design.record.warnings) {
    out.push_back(t.warnings.at(static_cast<std::size_t>(w)));
  }
  return out;
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
  const PlanTexts& t = texts_of(report);
  std::string banner = std::string(t.banner_a) + ' ' + std::string(t.banner_b);
  while (!banner.empty() && banner.back() == ' ') banner.pop_back();
  out += " valvenet-plan: " + banner + '\n';
  out += '\n';
  inputs_section(out, report);
  out += '\n';
  if (report.network == Network::pi_l) {
    out += ' ' + std::string(t.pi_l_plain_pi_heading) + "\n\n";
  }
  grid_section(out, report, width);
  out += '\n';
  pi_l_grid_section(out, report, width);
  out += load_range_table(report);
  warnings_section(out, report);
  out += '\n';
  summary_section(out, report);
  pi_l_summary_section(out, report);
  if (!report.parts.empty()) {
    out += '\n';
    parts_summary_section(out, report, false);
  }
  if (!report.pi_l_parts.empty()) {
    out += '\n';
    parts_summary_section(out, report, true);
  }
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
  const std::vector<const PartLine*> parts = part_lines(report);
  const bool tuning = !parts.empty() && shows(PartGroup::tuning, report.parts_options);
  std::string out = "f_mhz,status";
  for (const results::Line* line : columns) out += ',' + std::string(line->key);
  out += ",hot_cap_warning";
  for (const PartLine* line : parts) out += ',' + std::string(line->csv);
  if (tuning) out += ",tuning_reason";
  const std::vector<const PartLine*> pi_l_parts = part_lines(report, true);
  if (report.network == Network::pi_l) {
    out += pi_l_csv_header();
    for (const PartLine* line : pi_l_parts) out += ",pi_l_" + std::string(line->csv);
    if (tuning && !pi_l_parts.empty()) out += ",pi_l_tuning_reason";
  }
  out += '\n';
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const Design& d = report.designs[k];
    out += float_text(d.f_mhz);
    const Parts* p = parts_at(report, k);
    if (!d.completed()) {
      out += ",refused";
      out += std::string(columns.size() + 1 + parts.size() + (tuning ? 1 : 0), ',');
    } else {
      out += ",completed";
      for (const results::Line* line : columns) {
        out += ',' + float_text(results::value(*line, d.record.results, d.record.pulse_coeffs));
      }
      out += ',' + std::to_string(d.record.hot_cap_warning);
      out += csv_parts(parts, p, tuning);
    }
    if (d.pi_l) out += pi_l_csv_row(*d.pi_l);
    if (d.pi_l && !pi_l_parts.empty())
      out += csv_parts(pi_l_parts, parts_at(report, k, true), tuning);
    out += '\n';
  }
  return load_range_csv(report, std::move(out));
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

// The groups of parts of one design: null for a refused one.
// pi_l : the Pi-L's parts, with its L2
void parts_json(Json& j, const PlanReport& report, const Parts* p, bool pi_l) {
  for (const PartGroup group :
       {PartGroup::ratings, PartGroup::coil, PartGroup::tuning, PartGroup::l2_coil}) {
    if (!shows(group, report.parts_options, pi_l)) continue;
    Json g = Json::object();
    for (const PartLine& line : kPartLines) {
      if (line.group != group) continue;
      const std::optional<double> v = p != nullptr ? line.value(*p) : std::nullopt;
      g[std::string(line.key)] = v ? Json(static_cast<float>(*v)) : Json(nullptr);
    }
    if (group == PartGroup::ratings) {
      g["feed"] = std::string(feed_key(report.parts_options.feed));
      g["margin"] = report.parts_options.margin;
    }
    if (group == PartGroup::tuning && p != nullptr) {
      g["reachable"] = reachable(*p);
      g["reason"] = std::string(reason_key(overall_reason(*p)));
      g["c1_reason"] = std::string(reason_key(p->c1->reason));
      g["c2_reason"] = std::string(reason_key(p->c2->reason));
    }
    j[std::string(group_key(group))] = p != nullptr ? g : Json(nullptr);
  }
}

// The summary's largest ratings and the tapped coil.
void parts_summary_json(Json& summary, const PlanReport& report, const PartsSummary& s) {
  Json largest = Json::object();
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (!kPartLines[i].summary_max) continue;
    largest[std::string(kPartLines[i].key)] = s.largest[i] ? at_json(*s.largest[i]) : Json(nullptr);
  }
  summary["largest_ratings"] = largest;
  if (!report.parts_options.coil) return;
  if (!s.coil || !s.coil->coil) {
    summary["coil"] = nullptr;
    return;
  }
  Json c = Json::object();
  c["turns"] = static_cast<float>(s.coil->coil->turns);
  c["length_mm"] = static_cast<float>(s.coil->coil->length_m * 1e3);
  c["conductor_m"] = static_cast<float>(s.coil->coil->conductor_m);
  Json taps = Json::array();
  for (std::size_t k = 0; k < s.coil->taps.size() && k < s.tap_f_mhz.size(); ++k) {
    Json tap = Json::object();
    tap["f_mhz"] = s.tap_f_mhz[k];
    tap["turns"] = static_cast<float>(s.coil->taps[k]);
    taps.push_back(tap);
  }
  c["taps"] = taps;
  summary["coil"] = c;
}

// The settings of the run the report was made by.
Settings settings_of(const PlanReport& report) {
  Settings s;
  s.inputs = report.inputs;
  for (const Design& d : report.designs) s.f_mhz.push_back(d.f_mhz);
  s.raise_q = report.raise_q;
  s.network = report.network;
  s.r_mid = report.r_mid;
  s.parts = report.parts_options;
  s.language = report.language;
  s.swr = report.swr;
  return s;
}

// The starting values and options of the run, as --inputs reads them back.
Json inputs_json(const PlanReport& report) {
  const Settings settings = settings_of(report);
  Json inputs = Json::object();
  for (const OptionSpec* o : kept_options()) {
    const std::optional<Kept> kept = o->kept(settings);
    if (!kept) continue;
    Json& j = inputs[std::string(o->key)];
    if (o->kind == OptionKind::word) {
      j = kept->word;
    } else if (o->kind == OptionKind::number) {
      j = kept->numbers.front();
    } else {
      j = Json::array();
      for (const float v : kept->numbers) j.push_back(v);
    }
  }
  return inputs;
}

// The design at index k, with its Pi-L and the parts of both.
Json design_json(const PlanReport& report, std::size_t k) {
  const PlanTexts& t = texts_of(report);
  const Design& d = report.designs[k];
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
  for (const std::string_view w : warning_texts(d, t)) warnings.push_back(std::string(w));
  j["warnings"] = warnings;
  if (d.pi_l) j["pi_l"] = pi_l_json(*d.pi_l, t);
  if (d.pi_l && report.pi_l_parts.size() == report.designs.size()) {
    parts_json(j["pi_l"], report, parts_at(report, k, true), true);
  }
  if (report.parts.size() == report.designs.size()) {
    parts_json(j, report, parts_at(report, k), false);
  }
  return j;
}

}  // namespace

Json json_document(const PlanReport& report) {
  Json doc = Json::object();
  doc["inputs"] = inputs_json(report);
  doc["raise_q"] = report.raise_q;
  doc["network"] = network_name(report.network);

  Json designs = Json::array();
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    designs.push_back(design_json(report, k));
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
  if (!report.parts.empty()) parts_summary_json(summary, report, report.parts_summary);
  if (!report.pi_l_parts.empty()) {
    Json pi_l = Json::object();
    parts_summary_json(pi_l, report, report.pi_l_parts_summary);
    summary["pi_l_parts"] = pi_l;
  }
  doc["summary"] = summary;
  load_range_json(doc, report);
  return doc;
}

std::string json_report(const PlanReport& report) {
  return json_document(report).dump(2) + '\n';
}

}  // namespace plan
