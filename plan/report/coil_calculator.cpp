#include "plan/report/coil_calculator.hpp"

#include <cstdlib>

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

constexpr double kHzPerMhz = 1e6;
// The label column of a calculator's table, in characters on the screen.
constexpr std::size_t kLabelWidth = 44;
// Its value column.
constexpr std::size_t kValueWidth = 12;

std::string line_label(const PlanTexts& t, const CoilLine& line) {
  std::string label(t.coil.*line.label);
  if (line.unit != nullptr) label += ", " + std::string(t.*line.unit);
  return label;
}

// The lines with a value of their own (not f, not the warnings).
bool is_value(const CoilLine& line) {
  return line.label != nullptr && line.value != nullptr;
}

}  // namespace

double typed_number(float v) {
  return std::strtod(float_text(v).c_str(), nullptr);
}

CoilReport coil_report(const CoilInputs& in, Language language) {
  CoilReport r{in, {}, language};
  const coil::Geometry g = geometry(in.coil);
  for (const float f : in.f_mhz) {
    r.coils.push_back({f, coil_loss::evaluate(static_cast<double>(in.turns), g,
                                              static_cast<double>(f) * kHzPerMhz)});
  }
  return r;
}

std::vector<std::string> coil_warnings(const CoilAt& c, const PlanTexts& t) {
  std::vector<std::string> out;
  if (c.values.near_resonance) {
    out.push_back(fill(t.coil.coil_near_resonance, {fixed_text(c.values.srf_hz * kMega, 2)}));
  }
  if (c.values.skin_undeveloped) out.emplace_back(t.coil.coil_skin_undeveloped);
  return out;
}

namespace {

// The warnings: in JSON in words, in the CSV by name (the same in both
// languages, as the header), in the table the resonance after a "!".
void warning_entries(doc::Block& b, const CoilReport& r, const PlanTexts& t) {
  doc::Entry json = doc::entry("warnings", "", "", "", 0, doc::Kind::texts);
  json.in_table = false;
  doc::Entry csv = doc::entry("", "", "warnings", "", 0, doc::Kind::text);
  doc::Entry table = doc::entry("", "", "", "", 0, doc::Kind::texts);
  for (const CoilAt& at : r.coils) {
    doc::Value words;
    words.texts = coil_warnings(at, t);
    json.values.push_back(std::move(words));
    doc::Value names;
    if (at.values.near_resonance) names.text = "near_resonance";
    if (at.values.near_resonance && at.values.skin_undeveloped) names.text += ' ';
    if (at.values.skin_undeveloped) names.text += "skin_undeveloped";
    csv.values.push_back(std::move(names));
    doc::Value marks;
    if (at.values.near_resonance) {
      marks.texts.push_back(
          "! " + fill(t.coil.coil_near_resonance, {fixed_text(at.values.srf_hz * kMega, 2)}));
    }
    table.values.push_back(std::move(marks));
  }
  b.entries.push_back(std::move(json));
  b.entries.push_back(std::move(csv));
  b.entries.push_back(std::move(table));
}

}  // namespace

doc::Block calculator_block(std::string_view key) {
  doc::Block b;
  b.key = key;
  b.rows = true;
  b.layout = doc::Layout::list;
  b.blank_before = true;
  b.blank_after = false;
  b.label_width = kLabelWidth;
  b.value_width = kValueWidth;
  b.gap = "  ";
  return b;
}

doc::Block coils_block(const CoilReport& r) {
  const PlanTexts& t = plan_texts(r.language);
  doc::Block b = calculator_block("coils");
  const CoilOptions& c = r.inputs.coil;
  b.heading = fill(t.coil.coil_calc_heading, {float_text(c.diameter_mm), float_text(c.wire_mm),
                                              float_text(c.pitch_mm), float_text(r.inputs.turns)});
  for (const CoilLine& line : kCoilLines) {
    if (line.value == nullptr) continue;
    doc::Entry e = doc::entry(line.key, "", std::string(line.key),
                              is_value(line) ? line_label(t, line) : std::string(), line.decimals,
                              doc::Kind::number);
    e.wide = true;
    for (const CoilAt& at : r.coils) {
      doc::Value v;
      v.number = line.value(at);
      // Medhurst's factor was measured with the skin effect developed.
      if (line.label == &CoilTexts::coil_q && at.values.skin_undeveloped) {
        v.shown = '(' + std::string(t.coil.coil_skin_undeveloped) + ')';
      }
      e.values.push_back(std::move(v));
    }
    b.entries.push_back(std::move(e));
  }
  for (const CoilAt& at : r.coils) {
    b.present.push_back(true);
    b.titles.push_back(fill(t.coil.coil_calc_at, {fixed_text(static_cast<double>(at.f_mhz), 3)}));
  }
  warning_entries(b, r, t);
  return b;
}

}  // namespace plan
