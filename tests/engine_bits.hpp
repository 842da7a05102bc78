#pragma once

// One line of the engine bit table: the starting values and the answer to the
// hot-capacitance question, then everything one calculation leaves behind, each
// float as the eight hex digits of its bits. The table is written by the tool
// engine_bits_table and checked by engine_bits_test; a change of a single bit
// anywhere in the engine shows up as a changed line.

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "main/design.hpp"
#include "main/stage_record.hpp"

namespace engine_bits {

struct Case {
  stage::StageInputs inputs;
  bool answer_yes = false;  // the answer to the hot-capacitance question, if asked
};

constexpr std::size_t kInputCount = 11;
constexpr std::size_t kResultCount = 34;

// What one calculation leaves: outcome, question, flags and every float.
struct Outcome {
  char outcome = '?';   // 'c' completed, 'r' refused for its critical Q
  char question = '-';  // '-' not asked, 'A' c1 below c_tube, 'B' below c_tube + c_var_min
  std::int32_t hot_cap_warning = 0;
  float p_out_after = 0.0f;  // the working p_out the run leaves in record.start
  std::array<float, kResultCount> results{};
  std::array<float, 3> pulse_coeffs{};
};

inline std::array<float, kInputCount> input_floats(const stage::StageInputs& in) {
  return std::bit_cast<std::array<float, kInputCount>>(in);
}

inline Outcome run(const Case& c) {
  stage::StageRecord record;
  record.start = c.inputs;
  design::FixedAnswer console(c.answer_yes);
  const design::Outcome o = design::run_design(record, console);
  Outcome out;
  out.outcome = o == design::Outcome::completed ? 'c' : 'r';
  if (!console.questions().empty()) {
    out.question = console.questions().back() == design::HotCapText::below_tube ? 'A' : 'B';
  }
  out.hot_cap_warning = record.hot_cap_warning;
  out.p_out_after = record.start.p_out;
  out.results = std::bit_cast<std::array<float, kResultCount>>(record.results);
  out.pulse_coeffs = {record.pulse_coeffs.a0, record.pulse_coeffs.a1, record.pulse_coeffs.a2};
  return out;
}

inline std::string hex(float v) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", std::bit_cast<std::uint32_t>(v));
  return digits;
}

inline std::optional<float> parse_hex(const std::string& token) {
  if (token.size() != 8) return std::nullopt;
  std::uint32_t bits = 0;
  for (const char ch : token) {
    std::uint32_t digit = 0;
    if (ch >= '0' && ch <= '9') {
      digit = static_cast<std::uint32_t>(ch - '0');
    } else if (ch >= 'a' && ch <= 'f') {
      digit = static_cast<std::uint32_t>(ch - 'a' + 10);
    } else {
      return std::nullopt;
    }
    bits = bits * 16u + digit;
  }
  return std::bit_cast<float>(bits);
}

// The floats of an outcome in table order: p_out_after, 34 results, a0 a1 a2.
inline std::vector<float> outcome_floats(const Outcome& o) {
  std::vector<float> v{o.p_out_after};
  v.insert(v.end(), o.results.begin(), o.results.end());
  v.insert(v.end(), o.pulse_coeffs.begin(), o.pulse_coeffs.end());
  return v;
}

// "<11 inputs> <y|n> : <c|r> <-|A|B> <warning> <p_out after> <34 results> <3 coeffs>"
inline std::string format_line(const Case& c, const Outcome& o) {
  std::string line;
  for (const float v : input_floats(c.inputs)) line += hex(v) + ' ';
  line += c.answer_yes ? "y : " : "n : ";
  line += std::string{o.outcome} + ' ' + o.question + ' ' + std::to_string(o.hot_cap_warning);
  for (const float v : outcome_floats(o)) line += ' ' + hex(v);
  return line;
}

struct Line {
  Case c;
  Outcome expected;
};

// Parses one table line; nullopt when it is malformed.
inline std::optional<Line> parse_line(const std::string& text) {
  std::istringstream in(text);
  std::array<float, kInputCount> inputs{};
  std::string token;
  for (float& v : inputs) {
    if (!(in >> token)) return std::nullopt;
    const std::optional<float> f = parse_hex(token);
    if (!f) return std::nullopt;
    v = *f;
  }
  Line line;
  line.c.inputs = std::bit_cast<stage::StageInputs>(inputs);
  std::string answer, colon, outcome, question;
  if (!(in >> answer >> colon >> outcome >> question >> line.expected.hot_cap_warning)) {
    return std::nullopt;
  }
  if ((answer != "y" && answer != "n") || colon != ":" || outcome.size() != 1 ||
      question.size() != 1) {
    return std::nullopt;
  }
  line.c.answer_yes = answer == "y";
  line.expected.outcome = outcome[0];
  line.expected.question = question[0];
  std::vector<float> floats;
  while (in >> token) {
    const std::optional<float> f = parse_hex(token);
    if (!f) return std::nullopt;
    floats.push_back(*f);
  }
  if (floats.size() != 1 + kResultCount + 3) return std::nullopt;
  line.expected.p_out_after = floats[0];
  for (std::size_t i = 0; i < kResultCount; ++i) line.expected.results[i] = floats[1 + i];
  for (std::size_t i = 0; i < 3; ++i) line.expected.pulse_coeffs[i] = floats[1 + kResultCount + i];
  return line;
}

}  // namespace engine_bits
