#include "web/messages.hpp"

#include <optional>

namespace web {

namespace {

// A letter that may continue an option's name.
bool name_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Where a text names an option: at or after from, not within a longer name.
std::size_t find_option(std::string_view text, std::string_view option, std::size_t from) {
  for (std::size_t at = text.find(option, from); at != std::string_view::npos;
       at = text.find(option, at + 1)) {
    const std::size_t end = at + option.size();
    if (end >= text.size() || !name_letter(text[end])) return at;
  }
  return std::string_view::npos;
}

// The index of the placeholder %N at i of a pattern (0 for %1), or none.
std::optional<std::size_t> placeholder_at(std::string_view pattern, std::size_t i) {
  if (pattern[i] != '%' || i + 1 >= pattern.size()) return std::nullopt;
  const char next = pattern[i + 1];
  if (next < '1' || next > '9') return std::nullopt;
  return static_cast<std::size_t>(next - '1');
}

// The values a pattern's %1, %2, ... were filled with to give text; none
// when the text is not the pattern's. A value runs to the first place where
// the pattern's next literal part follows.
std::optional<std::vector<std::string>> values_of(std::string_view pattern, std::string_view text) {
  std::vector<std::string> values;
  std::size_t at = 0;  // in text
  for (std::size_t i = 0; i < pattern.size();) {
    const std::optional<std::size_t> slot = placeholder_at(pattern, i);
    if (!slot) {
      if (at >= text.size() || text[at] != pattern[i]) return std::nullopt;
      ++at;
      ++i;
      continue;
    }
    i += 2;
    std::size_t literal = i;
    while (literal < pattern.size() && !placeholder_at(pattern, literal)) ++literal;
    const std::string_view next = pattern.substr(i, literal - i);
    const std::size_t end = next.empty() ? text.size() : text.find(next, at);
    if (end == std::string_view::npos) return std::nullopt;
    if (values.size() <= *slot) values.resize(*slot + 1);
    values[*slot] = std::string(text.substr(at, end - at));
    at = end;
  }
  if (at != text.size()) return std::nullopt;
  return values;
}

// Every option a text names replaced by its field's «label».
std::string with_labels(std::string text, const PageTexts& page, const std::vector<Group>& form) {
  for (const Group& g : form) {
    for (const Field& f : g.fields) {
      const std::string label = plan::fill(page.label_quote, {f.label});
      for (std::size_t at = find_option(text, f.option, 0); at != std::string::npos;
           at = find_option(text, f.option, at + label.size())) {
        text.replace(at, f.option.size(), label);
      }
    }
  }
  return text;
}

}  // namespace

std::string field_named(std::string_view text, const std::vector<Group>& form) {
  std::size_t first = std::string_view::npos;
  std::string name;
  for (const Group& g : form) {
    for (const Field& f : g.fields) {
      const std::size_t at = find_option(text, f.option, 0);
      if (at < first) {
        first = at;
        name = f.name;
      }
    }
  }
  return name;
}

PageMessage page_message(std::string_view message, const plan::PlanTexts& t, const PageTexts& page,
                         const std::vector<Group>& form) {
  PageMessage out{field_named(message, form), std::string(message)};
  for (const MessageText& m : page.messages) {
    const std::string_view pattern = t.*m.message;
    if (pattern.find('%') == std::string_view::npos) {
      if (const std::size_t at = out.text.find(pattern); at != std::string::npos) {
        out.text.replace(at, pattern.size(), m.text);
      }
      continue;
    }
    const std::optional<std::vector<std::string>> values = values_of(pattern, out.text);
    if (!values) continue;
    const auto arg = static_cast<std::size_t>(m.field_arg);
    if (arg > 0 && arg <= values->size()) out.field = field_named((*values)[arg - 1], form);
    out.text = plan::fill_from(m.text, *values);
    break;
  }
  out.text = with_labels(std::move(out.text), page, form);
  return out;
}

std::string page_words(std::string text, const plan::PlanTexts& t, const PageTexts& page,
                       const std::vector<Group>& form) {
  for (const MessageText& m : page.messages) {
    const std::string_view pattern = t.*m.message;
    if (pattern.find('%') != std::string_view::npos) continue;
    for (std::size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, at + m.text.size())) {
      text.replace(at, pattern.size(), m.text);
    }
  }
  return with_labels(std::move(text), page, form);
}

}  // namespace web
