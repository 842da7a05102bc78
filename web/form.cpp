#include "web/form.hpp"

#include <algorithm>
#include <sstream>

#include "plan/options.hpp"

namespace web {

namespace {

// The help's layout (plan/options.cpp): a heading flush left, each option
// indented by two blanks, its description by six.
constexpr std::string_view kEntryIndent = "  --";
constexpr std::string_view kTextIndent = "      ";
constexpr std::string_view kListMark = "...";  // after the unit of an option of several values

bool starts_with(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool ends_with(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// A choice of the help is written as lowercase Latin words joined by |.
bool is_choice_list(std::string_view unit) {
  return !unit.empty() && std::all_of(unit.begin(), unit.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || c == '-' || c == '|';
  });
}

std::vector<std::string> words_of(std::string_view list) {
  std::vector<std::string> words;
  std::string word;
  std::istringstream in{std::string(list)};
  while (std::getline(in, word, '|')) words.push_back(word);
  return words;
}

// "  --name UNIT" as a field without its description.
Field entry_of(std::string_view line) {
  Field f;
  const std::string_view rest = line.substr(2);
  const std::size_t blank = rest.find(' ');
  f.option = std::string(rest.substr(0, blank));
  f.name = f.option.substr(2);
  if (blank != std::string_view::npos) f.unit = std::string(rest.substr(blank + 1));
  return f;
}

// The help joins the range to a description with ";" at the end of a line.
// The label is the description before its last such line end; without one,
// the text before its first ";", or all of it. The hint is the rest.
std::string joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) out += (out.empty() ? "" : " ") + lines[i];
  return out;
}

void set_texts(Field& f, const std::vector<std::string>& lines) {
  const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                 [](const std::string& l) { return ends_with(l, ";"); });
  if (last != lines.rend()) {
    const auto label_lines = static_cast<std::size_t>(lines.rend() - last);
    f.label = joined(lines, 0, label_lines);
    f.label.pop_back();
    f.hint = joined(lines, label_lines, lines.size());
    return;
  }
  const std::string text = joined(lines, 0, lines.size());
  const std::size_t semicolon = text.find(';');
  f.label = text.substr(0, semicolon);
  if (semicolon != std::string::npos)
    f.hint = text.substr(text.find_first_not_of(' ', semicolon + 1));
}

std::string heading_of(std::string_view line) {
  return std::string(ends_with(line, ":") ? line.substr(0, line.size() - 1) : line);
}

// Every group of the help with its options, in their order.
std::vector<Group> parse_help(const std::string& help) {
  std::vector<Group> groups;
  std::istringstream in(help);
  std::string line;
  Field* current = nullptr;
  std::vector<std::string> text;
  const auto finish = [&] {
    if (current != nullptr) set_texts(*current, text);
    current = nullptr;
    text.clear();
  };
  while (std::getline(in, line)) {
    if (starts_with(line, kTextIndent) && current != nullptr) {
      text.push_back(line.substr(kTextIndent.size()));
      continue;
    }
    finish();
    if (starts_with(line, kEntryIndent) && !groups.empty()) {
      groups.back().fields.push_back(entry_of(line));
      current = &groups.back().fields.back();
    } else if (!line.empty() && line.front() != ' ') {
      groups.push_back({heading_of(line), {}});
    }
  }
  finish();
  std::erase_if(groups, [](const Group& g) { return g.fields.empty(); });
  return groups;
}

// The kind from the Russian help's unit of the same option.
void set_kind(Field& f, std::string_view russian_unit) {
  if (russian_unit.empty()) {
    f.kind = Kind::flag;
  } else if (is_choice_list(russian_unit)) {
    f.choices = words_of(russian_unit);
    f.kind = f.choices.size() == 1 ? Kind::flag : Kind::choice;
  } else if (ends_with(russian_unit, kListMark)) {
    f.kind = Kind::values;
    f.unit.resize(f.unit.size() - std::min(f.unit.size(), kListMark.size()));
  }
}

bool off_the_form(std::string_view option) {
  return option == kFormatOption || option == kPlotOption || option == kInputsOption ||
         option == kHelpOption || option == kLangOption;
}

// Every field of the help, kinds set, the ones off the form kept.
std::vector<Group> all_fields(const plan::PlanTexts& t) {
  std::vector<Group> groups = parse_help(plan::help_text(t));
  const std::vector<Group> russian = parse_help(plan::help_text(plan::kRussianTexts));
  for (std::size_t g = 0; g < groups.size() && g < russian.size(); ++g) {
    for (std::size_t i = 0; i < groups[g].fields.size() && i < russian[g].fields.size(); ++i) {
      set_kind(groups[g].fields[i], russian[g].fields[i].unit);
    }
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
    // The help's "NUMBER" stands for a value without a unit.
    for (Field& f : g.fields) {
      if (f.unit == t.number_word) f.unit.clear();
    }
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
