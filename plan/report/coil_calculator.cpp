#include "plan/report/coil_calculator.hpp"

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

constexpr double kHzPerMhz = 1e6;
// The label column of the table, in characters on the screen.
constexpr std::size_t kLabelWidth = 44;
// The value column of the table.
constexpr std::size_t kValueWidth = 12;

// The shortest text that reads back as the same double, as the JSON
// writer writes it, so that the CSV and the JSON carry the same digits.
std::string double_text(double v) {
  return nlohmann::json(v).dump();
}

std::string line_label(const PlanTexts& t, const CoilLine& line) {
  std::string label(t.*line.label);
  if (line.unit != nullptr) label += ", " + std::string(t.*line.unit);
  return label;
}

// The lines with a value of their own (not f, not the warnings).
bool is_value(const CoilLine& line) {
  return line.label != nullptr && line.value != nullptr;
}

void table_block(std::string& out, const CoilAt& c, const PlanTexts& t) {
  out += "\n " + fill(t.coil_calc_at, {fixed_text(static_cast<double>(c.f_mhz), 3)}) + '\n';
  for (const CoilLine& line : kCoilLines) {
    if (!is_value(line)) continue;
    const std::string label = line_label(t, line);
    const std::string value = fixed_text(line.value(c), line.decimals);
    out +=
        "   " + label + std::string(kLabelWidth - std::min(kLabelWidth, display_width(label)), ' ');
    out += std::string(kValueWidth - std::min(kValueWidth, value.size()), ' ') + value;
    // Medhurst's factor was measured with the skin effect developed.
    if (line.label == &PlanTexts::coil_q && c.values.skin_undeveloped) {
      out += "  (" + std::string(t.coil_skin_undeveloped) + ')';
    }
    out += '\n';
  }
  if (c.values.near_resonance) {
    out += "   ! " + fill(t.coil_near_resonance, {fixed_text(c.values.srf_hz * kMega, 2)}) + '\n';
  }
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
    out.push_back(fill(t.coil_near_resonance, {fixed_text(c.values.srf_hz * kMega, 2)}));
  }
  if (c.values.skin_undeveloped) out.emplace_back(t.coil_skin_undeveloped);
  return out;
}

std::string coil_table(const CoilReport& r) {
  const PlanTexts& t = plan_texts(r.language);
  const CoilOptions& c = r.inputs.coil;
  std::string out =
      ' ' +
      fill(t.coil_calc_heading, {float_text(c.diameter_mm), float_text(c.wire_mm),
                                 float_text(c.pitch_mm), float_text(r.inputs.turns)}) +
      '\n';
  for (const CoilAt& at : r.coils) table_block(out, at, t);
  return out;
}

std::string coil_csv(const CoilReport& r) {
  std::string out;
  for (const CoilLine& line : kCoilLines) {
    if (!out.empty()) out += ',';
    out += line.key;
  }
  out += '\n';
  for (const CoilAt& c : r.coils) {
    for (const CoilLine& line : kCoilLines) {
      if (line.value != nullptr) out += double_text(line.value(c)) + ',';
    }
    // The warnings by name, the same in both languages as the header.
    if (c.values.near_resonance) out += "near_resonance";
    if (c.values.near_resonance && c.values.skin_undeveloped) out += ' ';
    if (c.values.skin_undeveloped) out += "skin_undeveloped";
    out += '\n';
  }
  return out;
}

std::string coil_json(const CoilReport& r) {
  const PlanTexts& t = plan_texts(r.language);
  using Doc = nlohmann::ordered_json;
  Doc inputs = Doc::object();
  const CoilOptions& c = r.inputs.coil;
  inputs[option(OptionId::coil_diameter).key] = typed_number(c.diameter_mm);
  inputs[option(OptionId::wire).key] = typed_number(c.wire_mm);
  inputs[option(OptionId::pitch).key] = typed_number(c.pitch_mm);
  inputs[option(OptionId::turns).key] = typed_number(r.inputs.turns);
  Doc f = Doc::array();
  for (const float v : r.inputs.f_mhz) f.push_back(typed_number(v));
  inputs[option(OptionId::freq).key] = f;
  Doc coils = Doc::array();
  for (const CoilAt& at : r.coils) {
    Doc j = Doc::object();
    for (const CoilLine& line : kCoilLines) {
      if (line.value != nullptr) j[line.key] = line.value(at);
    }
    j["warnings"] = coil_warnings(at, t);
    coils.push_back(j);
  }
  Doc doc = Doc::object();
  doc["inputs"] = inputs;
  doc["coils"] = coils;
  return doc.dump(2) + '\n';
}

}  // namespace plan
