// valvenet-plan --help: the usage, made from the table of options so that
// it names every one, then each group's options in the groups' order, each
// line within the help's width.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "plan/cli/option_table.hpp"
#include "plan/cli/option_values.hpp"
#include "plan/cli/options.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

// The program's name, as the usage lines begin.
constexpr std::string_view kCommand = "valvenet-plan";

// An option as the usage writes it: its name and its value's placeholder.
std::string usage_item(const PlanTexts& t, const OptionSpec& o) {
  std::string item(o.name);
  std::string value = placeholder_text(t, o);
  // A number that also takes words (--q0 coil) shows them beside it.
  if (o.kind == OptionKind::number && !o.choices.empty())
    value.append("|").append(joined_choices(o, "|"));
  if (!value.empty()) item.append(" ").append(value);
  return item;
}

// The first usage line's words: the starting values, the frequencies (one
// of the two) and every other option of a design in brackets.
std::vector<std::string> design_usage(const PlanTexts& t) {
  std::vector<std::string> out;
  std::string frequencies;
  for (const OptionSpec& o : option_table()) {
    if (own_command(o.group) || o.group == OptionGroup::help || o.id == OptionId::inputs) continue;
    const std::string item = usage_item(t, o);
    if (o.group == OptionGroup::frequencies) {
      frequencies.append(frequencies.empty() ? "(" : " | ").append(item);
      continue;
    }
    if (o.group != OptionGroup::starting_values && !frequencies.empty()) {
      out.push_back(frequencies + ")");
      frequencies.clear();
    }
    const bool optional = o.group != OptionGroup::starting_values;
    out.push_back(optional ? "[" + item + "]" : item);
  }
  return out;
}

}  // namespace

std::string paragraphs(std::string_view text) {
  std::string out;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find("\n\n", at), text.size());
    if (!out.empty()) out += '\n';
    out += wrapped(text.substr(at, end - at), "", 0);
    at = end + 2;
  }
  return out;
}

std::string usage_lines(const PlanTexts& t, std::string_view lines, bool first) {
  const std::string lead = std::string(t.help_usage_word) + ' ';
  const std::string others(display_width(lead), ' ');
  const std::size_t indent = display_width(lead) + display_width(kCommand) + 1;
  std::string out;
  for (const std::string& line : lines_of(lines)) {
    out += wrapped(words_of(line, true), first && out.empty() ? lead : others, indent);
  }
  return out;
}

namespace {

// The usage lines: the design's, made from the table, then the others.
std::string usage_text(const PlanTexts& t) {
  const std::string lead = std::string(t.help_usage_word) + ' ' + std::string(kCommand) + ' ';
  return wrapped(design_usage(t), lead, display_width(lead)) + usage_lines(t, t.help_usage, false);
}

}  // namespace

std::string help_text(const PlanTexts& t) {
  std::string out = paragraphs(t.help_title) + '\n' + usage_text(t) + '\n';
  for (std::size_t g = 0; g <= static_cast<std::size_t>(OptionGroup::help); ++g) {
    const auto group = static_cast<OptionGroup>(g);
    if (g > 0) out += '\n';
    out += std::string(t.*group_heading(group)) + '\n';
    for (const OptionSpec& o : option_table()) {
      if (o.group != group) continue;
      std::string what(t.*o.help);
      if (o.help_tells_range) what += "; " + describe(t, shown_range(o), unit_of(t, o));
      help_entry(out, o.name, placeholder_text(t, o), what);
    }
  }
  out += '\n' + paragraphs(t.help_footer);
  return out;
}

}  // namespace plan
