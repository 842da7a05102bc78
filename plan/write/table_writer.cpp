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

std::string mhz(float f) {
  return mhz_field(f);
}

std::string with_mhz(const PlanTexts& t, float f_mhz) {
  return trimmed(mhz(f_mhz)) + ' ' + std::string(t.megahertz);
}

std::string at_text(const PlanTexts& t, const AtFrequency& a, int width, int decimals) {
  return numform::fixed(a.value, width, decimals) + " (" + with_mhz(t, a.f_mhz) + ")";
}

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

// The ranges of a network's elements, under its heading; none when no
// design of it completed.
void span_block(std::string& out, const PlanTexts& t, const TankOutputs& tank) {
  if (!*tank.spans) return;
  const Spans& spans = **tank.spans;
  constexpr std::size_t kSpanLabel = 32;  // the label column of the ranges
  constexpr int kSpanField = 11;          // the f11.3 form of the values
  out += ' ' + std::string(tank.span_heading) + '\n';
  for (std::size_t i = 0; i < spans.size() && i < tank.span_values->size(); ++i) {
    out += ' ' + pad_right(t.*(*tank.span_values)[i].label, kSpanLabel) + ' ' +
           std::string(t.from) + ' ' + at_text(t, spans[i].min, kSpanField, kSpanDecimals) + "  " +
           std::string(t.to) + ' ' + at_text(t, spans[i].max, kSpanField, kSpanDecimals) + '\n';
  }
}

// The heaviest duty of each element of the plain Pi.
void duty_block(std::string& out, const PlanTexts& t, const ElementDuties& u) {
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
}

// The counts, then the plain Pi's ranges, duties and hot capacitance, then
// the ranges of each other network.
void summary_section(std::string& out, const PlanReport& report,
                     const std::vector<TankOutputs>& tanks) {
  const PlanTexts& t = texts_of(report);
  const Summary& s = report.summary;
  out +=
      ' ' + fill(t.summary_counts, {std::to_string(s.completed), std::to_string(s.refused)}) + '\n';
  if (s.spans && s.duties) {
    span_block(out, t, tanks.front());
    duty_block(out, t, *s.duties);
    out += ' ' + hot_cap_line(t, s) + '\n';
  }
  for (std::size_t n = 1; n < tanks.size(); ++n) span_block(out, t, tanks[n]);
}

// A length for a person: mm with the given decimals, trimmed.
std::string amount(double v, int decimals) {
  return trimmed(numform::fixed(static_cast<float>(v), kCell, decimals));
}

// The parts of a network over all bands: the largest ratings and the one
// tapped coil (of the Pi-L: L1, the coil from C1).
void parts_summary_section(std::string& out, const PlanReport& report, const TankOutputs& tank) {
  const PlanTexts& t = texts_of(report);
  const PartsSummary& s = *tank.parts_summary;
  const PartsOptions& o = report.parts_options;
  const std::string prefix(tank.text_prefix);
  out += ' ' + prefix +
         fill(t.parts_heading, {float_text(o.margin),
                                o.feed == ratings::Feed::series ? t.feed_series : t.feed_shunt}) +
         '\n';
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (kPartLines[i].summary_name == nullptr || !s.largest[i]) continue;
    const std::string_view capacitor = t.*kPartLines[i].summary_name;
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
    if (s.whole) {
      out += "   " +
             fill(t.coil_whole_resonance, {amount(s.whole->c_self_f * kPicofaradsPerFarad, 2),
                                           amount(s.whole->srf_hz * kMegahertzPerHz, 2)}) +
             '\n';
    }
    for (std::size_t k = 0; k < c.taps.size() && k < s.tap_f_mhz.size(); ++k) {
      out += "   " + fill(t.coil_tap, {trimmed(mhz(s.tap_f_mhz[k])), amount(c.taps[k], 2)}) + '\n';
    }
  }
  if (!tank.coil_note) return;
  out += ' ';
  for (const char ch : t.coil_leaves_out) {
    out += ch;
    if (ch == '\n') out += ' ';
  }
  out += '\n';
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
  const std::vector<TankOutputs> tanks = tank_outputs(report);
  write_document_table(out, report_document(report), width);
  summary_section(out, report, tanks);
  for (const TankOutputs& tank : tanks) {
    if (tank.parts->empty()) continue;
    out += '\n';
    parts_summary_section(out, report, tank);
  }
  return out;
}

}  // namespace plan
