#include "plan/write/json_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <nlohmann/detail/conversions/to_chars.hpp>
#include <string>
#include <tuple>
#include <utility>

namespace plan {

namespace {

constexpr int kIndentStep = 2;  // spaces per level, as dump(2)
// Below it a byte is a control character, written as \u00XX (as dump() does).
constexpr unsigned char kFirstPrintable = 0x20;

// A line end and n spaces, for the next element or member.
void new_line(std::string& out, bool first, int n) {
  if (!first) out += ',';
  out += '\n';
  out.append(static_cast<std::size_t>(n), ' ');
}

}  // namespace

JsonText::JsonText(std::string& out, int indent) : out_(out), indent_(indent) {}

void JsonText::before_value() {
  if (after_key_ || empty_.empty()) {
    after_key_ = false;
    return;
  }
  // An element of an array.
  new_line(out_, empty_.back(), indent_ + kIndentStep * static_cast<int>(empty_.size()));
  empty_.back() = false;
}

void JsonText::begin_object() {
  before_value();
  out_ += '{';
  empty_.push_back(true);
}

void JsonText::begin_array() {
  before_value();
  out_ += '[';
  empty_.push_back(true);
}

void JsonText::close(char bracket) {
  const bool empty = empty_.back();
  empty_.pop_back();
  if (!empty) {
    const int spaces = indent_ + kIndentStep * static_cast<int>(empty_.size());
    out_ += '\n';
    out_.append(static_cast<std::size_t>(spaces), ' ');
  }
  out_ += bracket;
}

void JsonText::end_object() {
  close('}');
}

void JsonText::end_array() {
  close(']');
}

void JsonText::key(std::string_view key) {
  new_line(out_, empty_.back(), indent_ + kIndentStep * static_cast<int>(empty_.size()));
  empty_.back() = false;
  out_ += '"';
  out_ += key;
  out_ += "\": ";
  after_key_ = true;
}

// The digits of Json's own float writer, so that a value reads the same
// whether it was written here or by dump().
template <class Float>
void append_digits(std::string& out, Float v) {
  std::array<char, 64> digits{};
  const char* end = nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), v);
  out.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

void JsonText::number(float v) {
  if (!std::isfinite(v)) {
    null();
    return;
  }
  before_value();
  append_digits(out_, v);
}

void JsonText::number(double v) {
  if (!std::isfinite(v)) {
    null();
    return;
  }
  before_value();
  append_digits(out_, v);
}

void JsonText::boolean(bool v) {
  before_value();
  out_ += v ? "true" : "false";
}

void JsonText::null() {
  before_value();
  out_ += "null";
}

void JsonText::integer(long long v) {
  before_value();
  out_ += std::to_string(v);
}

void JsonText::string(std::string_view s) {
  before_value();
  out_ += '"';
  for (const char c : s) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\b':
        out_ += "\\b";
        break;
      case '\f':
        out_ += "\\f";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (byte < kFirstPrintable) {
          std::array<char, 8> u{};
          std::snprintf(u.data(), u.size(), "\\u%04x", static_cast<unsigned>(byte));
          out_ += u.data();
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
}

std::string dump_with(const Json& doc, std::string_view key, const JsonFill& fill) {
  return dump_with(doc, std::vector<std::string_view>{key},
                   [&](JsonText& out, std::size_t, std::size_t n) { fill(out, n); });
}

std::string dump_with(const Json& doc, const std::vector<std::string_view>& keys,
                      const JsonFills& fill) {
  const std::string dumped = doc.dump(kIndentStep);
  std::vector<std::string> members;
  members.reserve(keys.size());
  for (const std::string_view key : keys) members.push_back('"' + std::string(key) + "\": ");
  // The next member of any of the keys from `from`: its place and key.
  const auto next = [&](std::size_t from) {
    std::pair<std::size_t, std::size_t> best{std::string::npos, 0};
    for (std::size_t i = 0; i < members.size(); ++i) {
      const std::size_t at = dumped.find(members[i], from);
      if (at < best.first) best = {at, i};
    }
    return best;
  };
  std::string out;
  out.reserve(dumped.size());
  std::size_t from = 0;
  for (auto [at, which] = next(0); at != std::string::npos;
       std::tie(at, which) = next(at + members[which].size())) {
    const std::string& member = members[which];
    const std::size_t value = at + member.size();
    std::size_t n = 0;
    const auto [end, error] =
        std::from_chars(dumped.data() + value, dumped.data() + dumped.size(), n);
    if (error != std::errc()) continue;                   // not a placeholder: left as it is
    const std::size_t line = dumped.rfind('\n', at) + 1;  // npos + 1 == 0
    out.append(dumped, from, value - from);
    JsonText text(out, static_cast<int>(at - line));
    fill(text, which, n);
    from = static_cast<std::size_t>(end - dumped.data());
  }
  out.append(dumped, from);
  return out;
}

}  // namespace plan
