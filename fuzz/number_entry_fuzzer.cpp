// Fuzz target for the number entry: the real and whole-number parsers on any
// bytes, and the two reading procedures on the same bytes split into lines.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/tochka.hpp"
#include "fuzz/properties.hpp"
#include "tests/scripted_console.hpp"

namespace {

using fuzzing::require;

bool same_real(const std::optional<float>& a, const std::optional<float>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  if (std::isnan(*a) || std::isnan(*b)) return std::isnan(*a) && std::isnan(*b);
  return std::memcmp(&*a, &*b, sizeof(float)) == 0;
}

std::vector<std::string> lines_of(std::string_view bytes) {
  std::vector<std::string> lines;
  testing_support::ScriptedConsole con{std::string(bytes)};
  while (std::optional<std::string> line = con.read_line()) lines.push_back(std::move(*line));
  return lines;
}

// The first item of a line, cut at the separators of the whole-number entry.
std::string_view first_item(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && tochka::is_blank(line[begin])) ++begin;
  const std::size_t end = line.find_first_of(" \t,;/", begin);
  return line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

// An independent reading of the whole-number item, by std::from_chars.
void check_integer_against_from_chars(std::string_view line) {
  const tochka::IntegerItem item = tochka::parse_integer(line);
  if (line.find_first_not_of(" \t") == std::string_view::npos) {
    require(item.kind == tochka::ItemKind::none, "a blank line holds no item");
    return;
  }
  std::string_view text = first_item(line);
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  std::int32_t expected = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
  const bool whole = !text.empty() && error == std::errc() && end == text.data() + text.size();
  if (whole) {
    require(item.kind == tochka::ItemKind::number && item.value == expected,
            "a whole number in the int32 range is read as itself");
  } else {
    require(item.kind == tochka::ItemKind::bad, "anything else is a bad item");
  }
}

void check_real(std::string_view line) {
  const std::optional<float> value = tochka::parse_real(line);
  require(same_real(value, tochka::parse_real(line.substr(0, 10))),
          "only the first 10 bytes of a line count");
  std::string pointed(line.substr(0, 10));
  const std::size_t comma = pointed.find(',');
  if (comma != std::string::npos && pointed.find(',', comma + 1) == std::string::npos) {
    pointed[comma] = '.';
    require(same_real(value, tochka::parse_real(pointed)), "the first comma is a decimal point");
  }
}

void check_chislo(std::string_view bytes, const std::vector<std::string>& lines) {
  testing_support::ScriptedConsole con{std::string(bytes)};
  for (const std::string& line : lines) {
    require(same_real(tochka::chislo(con), tochka::parse_real(line)),
            "chislo gives the number of the line it reads");
  }
  try {
    tochka::chislo(con);
    require(false, "chislo at the end of input ends the input");
  } catch (const console::InputEnded&) {
  }
}

void check_chislointeger(std::string_view bytes, const std::vector<std::string>& lines) {
  constexpr std::string_view kBad = "bad";
  testing_support::ScriptedConsole con{std::string(bytes)};
  std::string expected_output;
  std::optional<std::int32_t> expected;
  for (const std::string& line : lines) {
    const tochka::IntegerItem item = tochka::parse_integer(line);
    if (item.kind == tochka::ItemKind::number) {
      expected = item.value;
      break;
    }
    if (item.kind == tochka::ItemKind::bad) expected_output += " bad\r\n";
  }
  try {
    const std::int32_t value = tochka::chislointeger(con, kBad);
    require(expected == value, "chislointeger returns the first whole number");
  } catch (const console::InputEnded&) {
    require(!expected, "chislointeger ends the input only when no line held a whole number");
  }
  require(con.output() == expected_output, "one message for every bad item, nothing else");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = lines_of(bytes);
  for (const std::string& line : lines) {
    check_real(line);
    check_integer_against_from_chars(line);
  }
  check_real(bytes);
  check_chislo(bytes, lines);
  check_chislointeger(bytes, lines);
  return 0;
}
