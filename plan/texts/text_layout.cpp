#include "plan/texts/text_layout.hpp"

#include <algorithm>

#include "printer/numform.hpp"

namespace plan {

namespace {

// The reports' frequency field: f9.3.
constexpr int kMhzWidth = 9;
constexpr int kMhzDecimals = 3;

}  // namespace

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

std::string bare_label(std::string_view label) {
  if (!label.empty() && label.front() == ' ') label.remove_prefix(1);
  while (!label.empty() && (label.back() == ' ' || label.back() == '\t' || label.back() == '=')) {
    label.remove_suffix(1);
  }
  return std::string(label);
}

std::string trimmed(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

std::string mhz_field(float f_mhz) {
  return numform::fixed(f_mhz, kMhzWidth, kMhzDecimals);
}

std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> out;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    out.emplace_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return out;
}

std::string markup_escaped(std::string_view s) {
  std::string out;
  for (const char c : s) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::vector<std::string> words_of(std::string_view text, bool keep_brackets) {
  std::vector<std::string> words;
  std::string word;
  int depth = 0;
  for (const char c : text) {
    if (keep_brackets && (c == '[' || c == '(')) ++depth;
    if (keep_brackets && (c == ']' || c == ')') && depth > 0) --depth;
    const bool blank = c == ' ' || c == '\n';
    if (blank && depth == 0) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += blank ? ' ' : c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::string wrapped(std::string_view text, std::string_view first, std::size_t indent,
                    std::size_t width) {
  return wrapped(words_of(text, false), first, indent, width);
}

std::string wrapped(const std::vector<std::string>& words, std::string_view first,
                    std::size_t indent, std::size_t width) {
  std::string out(first);
  std::size_t column = display_width(first);
  bool line_empty = true;
  for (const std::string& word : words) {
    const std::size_t w = display_width(word);
    if (!line_empty && column + 1 + w > width) {
      out += '\n';
      out.append(indent, ' ');
      column = indent;
      line_empty = true;
    }
    if (!line_empty) {
      out += ' ';
      ++column;
    }
    out += word;
    column += w;
    line_empty = false;
  }
  out += '\n';
  return out;
}

}  // namespace plan
