#include "plan/cli/option_values.hpp"

#include <algorithm>
#include <cmath>

#include "console/tochka.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

std::optional<float> read_number(std::string_view given) {
  std::string text(given);
  if (const std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return tochka::parse_real_token(text);
}

std::optional<float> checked(const PlanTexts& t, std::string_view label, std::string_view given,
                             const OptionSpec& o, std::vector<std::string>& errors) {
  const std::string expected = describe(t, shown_range(o), unit_of(t, o));
  const std::optional<float> value = read_number(given);
  if (!value) {
    errors.push_back(fill(t.not_a_number, {label, given, expected}));
    // The old form of a list, 1.85,3.6: say how a list is written now.
    if (o.id == OptionId::freq && given.find(',') != std::string_view::npos) {
      errors.back() += std::string(t.list_hint);
    }
  } else if (!std::isfinite(*value)) {
    errors.push_back(fill(t.not_finite, {label, given, expected}));
  } else if (!o.range->accepts(*value)) {
    errors.push_back(fill(t.out_of_range, {label, given, expected}));
  } else {
    return value;
  }
  return std::nullopt;
}

std::optional<std::string> single(const PlanTexts& t, const Given& g, std::string_view expected,
                                  std::vector<std::string>& errors) {
  if (g.count > 1) {
    errors.push_back(fill(t.repeated, {g.label}));
  } else if (g.values.empty() || g.values.front().empty()) {
    errors.push_back(fill(t.no_value, {g.label, expected}));
  } else {
    return g.values.front();
  }
  return std::nullopt;
}

std::optional<float> number_of(const PlanTexts& t, const GivenOf& given, const OptionSpec& o,
                               std::vector<std::string>& errors) {
  const Given g = given(o.id);
  if (g.count == 0) return std::nullopt;
  const std::optional<std::string> text = single(t, g, expected_text(t, o), errors);
  if (!text) return std::nullopt;
  return checked(t, g.label, *text, o, errors);
}

bool whole_group(const PlanTexts& t, const GivenOf& given, std::span<const OptionId> ids,
                 std::vector<std::string>& errors) {
  std::string named;
  std::string missing;
  for (const OptionId id : ids) {
    std::string& list = given(id).count > 0 ? named : missing;
    list += (list.empty() ? "" : ", ") + std::string(option(id).name);
  }
  if (!named.empty() && !missing.empty()) {
    errors.push_back(fill(t.group_incomplete, {named, missing}));
  }
  return missing.empty();
}

std::optional<CoilOptions> coil_sizes(const PlanTexts& t, float d, float wire, float pitch,
                                      std::vector<std::string>& errors) {
  return coil_sizes(t, d, wire, pitch, errors, {t.pitch_below_wire, t.wire_not_below_d});
}

std::optional<CoilOptions> coil_sizes(const PlanTexts& t, float d, float wire, float pitch,
                                      std::vector<std::string>& errors, const WindingTexts& w) {
  if (!(pitch >= wire)) {
    errors.push_back(fill(w.pitch_below_wire, {number_text(t, pitch), number_text(t, wire)}));
  } else if (!(wire < d)) {
    errors.push_back(fill(w.wire_not_below_d, {number_text(t, wire), number_text(t, d)}));
  } else {
    return CoilOptions{d, wire, pitch};
  }
  return std::nullopt;
}

void help_entry(std::string& out, std::string_view option, std::string_view value,
                std::string_view what) {
  // The option and its value on a line, its description under it, indented.
  constexpr std::size_t kOptionIndent = 2;
  constexpr std::size_t kWhatIndent = 6;
  std::string head(kOptionIndent, ' ');
  head += option;
  if (!value.empty()) head.append(" ").append(value);
  out += head;
  out += '\n';
  out += wrapped(what, std::string(kWhatIndent, ' '), kWhatIndent);
}

std::optional<std::size_t> choice_of(const PlanTexts& t, const OptionSpec& o, const Given& g,
                                     std::vector<std::string>& errors) {
  if (g.count == 0) return std::nullopt;
  const std::optional<std::string> w = single(t, g, expected_text(t, o), errors);
  if (!w) return std::nullopt;
  const auto at = std::find(o.choices.begin(), o.choices.end(), *w);
  if (at != o.choices.end()) return static_cast<std::size_t>(at - o.choices.begin());
  errors.push_back(fill(t.*o.unknown, {*w}));
  return std::nullopt;
}

}  // namespace plan
