#include "web/form.hpp"

#include <optional>

#include "plan/cli/option_table.hpp"

namespace web {

namespace {

// The help's words of an option: its description up to the first ";" is
// the field's label, the rest and the range the hint beneath it.
void set_texts(Field& f, const plan::PlanTexts& t, const plan::OptionSpec& o) {
  const std::string what(t.*o.help);
  const std::size_t semicolon = what.find(';');
  f.label = what.substr(0, semicolon);
  if (semicolon != std::string::npos) {
    const std::size_t rest = what.find_first_not_of(" \n", semicolon + 1);
    if (rest != std::string::npos) f.hint = what.substr(rest);
  }
  if (o.help_tells_range) {
    const std::string range = plan::describe(t, plan::shown_range(o), plan::unit_of(t, o));
    f.hint = f.hint.empty() ? range : f.hint + "; " + range;
  }
}

Kind kind_of(const plan::OptionSpec& o) {
  switch (o.kind) {
    case plan::OptionKind::numbers:
      return Kind::values;
    case plan::OptionKind::word:
      return o.choices.size() == 1 ? Kind::flag : Kind::choice;
    case plan::OptionKind::flag:
      return Kind::flag;
    default:
      return Kind::value;
  }
}

Field field_of(const plan::PlanTexts& t, const plan::OptionSpec& o) {
  Field f;
  f.option = std::string(o.name);
  f.name = f.option.substr(2);
  f.unit = std::string(plan::unit_of(t, o));
  // A pair is typed MIN:MAX: the placeholder of --help says so beside the unit.
  if (o.kind == plan::OptionKind::pair) f.unit = plan::placeholder_text(t, o) + ' ' + f.unit;
  f.kind = kind_of(o);
  // A number's words (--q0 coil) are typed in its box, not chosen.
  if (o.kind != plan::OptionKind::number) {
    for (const std::string_view c : o.choices) f.choices.emplace_back(c);
  }
  set_texts(f, t, o);
  return f;
}

bool off_the_form(std::string_view option) {
  return option == kFormatOption || option == kPlotOption || option == kSmithOption ||
         option == kInputsOption || option == kHelpOption || option == kLangOption;
}

// Every option of the table in the groups of --help, the ones off the form kept.
std::vector<Group> all_fields(const plan::PlanTexts& t) {
  std::vector<Group> groups;
  std::optional<plan::OptionGroup> group;
  for (const plan::OptionSpec& o : plan::option_table()) {
    // The coil calculator's and the choke search's own options belong to
    // their commands.
    if (plan::own_command(o.group)) continue;
    if (o.group != group) {
      std::string heading(t.*plan::group_heading(o.group));
      if (!heading.empty() && heading.back() == ':') heading.pop_back();
      groups.push_back({heading, {}});
      group = o.group;
    }
    groups.back().fields.push_back(field_of(t, o));
  }
  return groups;
}

// A letter that may continue an option's name.
bool name_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

}  // namespace

std::vector<Group> form_of(const plan::PlanTexts& t) {
  std::vector<Group> groups = all_fields(t);
  for (Group& g : groups) {
    std::erase_if(g.fields, [](const Field& f) { return off_the_form(f.option); });
  }
  std::erase_if(groups, [](const Group& g) { return g.fields.empty(); });
  return groups;
}

Field language_field(const plan::PlanTexts& t) {
  for (const Group& g : all_fields(t)) {
    for (const Field& f : g.fields) {
      if (f.option == kLangOption) return f;
    }
  }
  return {};
}

std::string field_named(std::string_view message, const std::vector<Group>& form) {
  std::size_t first = std::string_view::npos;
  std::string name;
  for (const Group& g : form) {
    for (const Field& f : g.fields) {
      for (std::size_t at = message.find(f.option); at != std::string_view::npos;
           at = message.find(f.option, at + 1)) {
        const std::size_t end = at + f.option.size();
        if (end < message.size() && name_letter(message[end])) continue;
        if (at < first) {
          first = at;
          name = f.name;
        }
        break;
      }
    }
  }
  return name;
}

}  // namespace web
