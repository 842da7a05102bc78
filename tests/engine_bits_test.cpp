// Every calculation of the engine bit table must give the same bits as when
// the table was written: all 34 results, the pulse coefficients, the working
// p_out, the outcome, the question asked and the warning flag.

#include "engine_bits.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tolerant_compare.hpp"

namespace {

std::vector<engine_bits::Line> table_lines() {
  std::ifstream in(VALVENET_ENGINE_BITS_TABLE);
  std::vector<engine_bits::Line> lines;
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    if (text.empty() || text[0] == '#') continue;
    const std::optional<engine_bits::Line> line = engine_bits::parse_line(text);
    EXPECT_TRUE(line.has_value()) << "malformed table line " << number;
    if (line) lines.push_back(*line);
  }
  return lines;
}

// 0 for p_out after the run, 1..34 for the results, 35..37 for a0, a1, a2.
std::string field_name(std::size_t index) {
  std::string name;
  if (index == 0) {
    name = "working p_out";
  } else if (index <= engine_bits::kResultCount) {
    name = "result ";
    name += std::to_string(index);
  } else {
    name = "a";
    name += std::to_string(index - engine_bits::kResultCount - 1);
  }
  return name;
}

#ifdef _WIN32
// Indices into outcome_floats: results are 1..34, then a0, a1, a2.
constexpr std::size_t kPOutput = 1;
constexpr std::size_t kPH2OutMw = 31;
constexpr std::size_t kA1 = engine_bits::kResultCount + 2;
constexpr std::size_t kA2 = engine_bits::kResultCount + 3;
constexpr double kMwPerW = 1000.0;

// The magnitude a value's rounding noise is judged against: the second
// harmonic of a 180-degree pulse is zero but for rounding, so its coefficient
// and its output power can only be compared with the fundamental's.
double noise_scale(const std::vector<float>& want, std::size_t i) {
  if (i == kA2) return double{want[kA1]};
  if (i == kPH2OutMw) return double{want[kPOutput]} * kMwPerW;
  return 0.0;
}
#endif

// The same bits; on Windows, whose float functions may round differently in
// the last bit, the same value to four significant digits of itself or of
// its scale.
bool same_value(const std::vector<float>& want, const std::vector<float>& have, std::size_t i) {
#ifdef _WIN32
  return tolerant::agrees(want[i], have[i], noise_scale(want, i));
#else
  return std::memcmp(&want[i], &have[i], sizeof(float)) == 0;
#endif
}

TEST(EngineBits, TableCoversRefusalsBothQuestionsAndBothAnswers) {
  const std::vector<engine_bits::Line> lines = table_lines();
  ASSERT_GE(lines.size(), 300u);
  std::set<std::string> seen;
  for (const engine_bits::Line& l : lines) {
    seen.insert(std::string{l.expected.outcome});
    seen.insert(std::string{l.expected.question} + (l.c.answer_yes ? "y" : "n"));
  }
  for (const char* kind : {"c", "r", "Ay", "An", "By", "Bn", "-y", "-n"}) {
    EXPECT_TRUE(seen.count(kind) == 1) << "no case of kind " << kind;
  }
}

TEST(EngineBits, EveryCalculationGivesTheRecordedBits) {
  const std::vector<engine_bits::Line> lines = table_lines();
  ASSERT_FALSE(lines.empty());
  int differing_cases = 0;
  std::size_t values = 0;
  std::size_t other_bits = 0;  // values that differ in bits yet agree (Windows only)
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const engine_bits::Line& line = lines[n];
    const engine_bits::Outcome got = engine_bits::run(line.c);
    const std::string where = "case " + std::to_string(n + 1) + ": ";
    bool same = got.outcome == line.expected.outcome && got.question == line.expected.question &&
                got.hot_cap_warning == line.expected.hot_cap_warning;
    EXPECT_EQ(got.outcome, line.expected.outcome) << where << "outcome";
    EXPECT_EQ(got.question, line.expected.question) << where << "question";
    EXPECT_EQ(got.hot_cap_warning, line.expected.hot_cap_warning) << where << "warning flag";
    const std::vector<float> want = engine_bits::outcome_floats(line.expected);
    const std::vector<float> have = engine_bits::outcome_floats(got);
    values += want.size();
    for (std::size_t i = 0; i < want.size(); ++i) {
      if (std::memcmp(&want[i], &have[i], sizeof(float)) != 0) ++other_bits;
      if (!same_value(want, have, i)) {
        --other_bits;
        same = false;
        ADD_FAILURE() << where << field_name(i) << " is " << have[i] << " ("
                      << engine_bits::hex(have[i]) << "), recorded " << want[i] << " ("
                      << engine_bits::hex(want[i]) << ")";
      }
    }
    if (!same && ++differing_cases >= 5) FAIL() << "stopping after five differing cases";
  }
  if (other_bits > 0) {
    std::printf("%zu of %zu values differ in their last bits from the table, within four digits\n",
                other_bits, values);
  }
}

TEST(EngineBits, LinesRoundTripThroughTheTableFormat) {
  engine_bits::Case c{
      {100.0f, 1000.0f, 100.0f, 1e-12f, 2e-13f, 6e7f, 50.0f, 70.0f, 750.0f, 90.0f, 1.0f}, true};
  engine_bits::Outcome o;
  o.outcome = 'c';
  o.question = 'B';
  o.hot_cap_warning = 1;
  o.p_out_after = -0.0f;
  o.results[33] = std::bit_cast<float>(0x7fc00001u);  // a NaN payload must survive too
  const std::optional<engine_bits::Line> back =
      engine_bits::parse_line(engine_bits::format_line(c, o));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(engine_bits::format_line(back->c, back->expected), engine_bits::format_line(c, o));
  EXPECT_FALSE(engine_bits::parse_line("00000000 y : c - 0").has_value());
}

}  // namespace
