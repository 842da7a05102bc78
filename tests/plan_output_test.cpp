// The plan's outputs: CSV and JSON read back to the very floats of the
// records; the table shows every value in the reports' number form.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "plan/cli/app.hpp"
#include "plan/cli/inputs_block.hpp"
#include "plan/cli/option_table.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/summary.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/write/outputs.hpp"
#include "plan_fixtures.hpp"
#include "printer/numform.hpp"
#include "printer/results.hpp"
#include "text/texts.hpp"

namespace {

using testing_support::example_plan_inputs;

// The ham bands, with the hot-capacitance warning at 50.1 MHz, and one
// design refused by the critical-Q rule.
plan::PlanReport report() {
  plan::PlanReport r;
  r.inputs = example_plan_inputs();
  r.designs = plan::design_all(r.inputs, {1.85f, 3.6f, 7.1f, 14.15f, 28.5f, 50.1f}, false);
  plan::TypedInputs refused = example_plan_inputs();
  refused.p_out = 1.0f;
  refused.e_supply = 10000.0f;
  refused.r_load = 1.0f;
  refused.q_unloaded = 50.0f;
  r.designs.push_back(plan::design_at(refused, 7.0f, false));
  r.summary = plan::summarise(r.designs);
  r.inputs_block = plan::inputs_block(r);
  return r;
}

bool same_bits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

std::vector<std::string> split(const std::string& s, char by) {
  std::vector<std::string> out;
  std::string field;
  std::istringstream in(s);
  while (std::getline(in, field, by)) out.push_back(field);
  if (!s.empty() && s.back() == by) out.emplace_back();
  return out;
}

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

float read_float(const std::string& s) {
  char* end = nullptr;
  const float v = std::strtof(s.c_str(), &end);
  EXPECT_EQ(*end, '\0') << s;
  return v;
}

TEST(PlanOutput, FloatTextReadsBackAsTheSameFloat) {
  for (const float v : {14.2f, 0.1f, 1.0f / 3.0f, 3.4028235e38f, 1e-38f, 1.17549435e-38f,
                        123456.789f, -0.0f, 5449.40332f}) {
    const std::string t = plan::float_text(v);
    EXPECT_TRUE(same_bits(read_float(t), v)) << t;
    std::size_t digits = 0;
    for (const char c : t.substr(0, t.find('e'))) digits += (c >= '0' && c <= '9') ? 1 : 0;
    EXPECT_LE(digits, 10u) << t;  // at most 9 significant digits and a leading 0
  }
  EXPECT_EQ(plan::float_text(14.15f), "14.15");
  EXPECT_EQ(plan::float_text(400.0f), "400");
}

TEST(PlanOutput, CsvReadsBackToTheRecordsFloats) {
  const plan::PlanReport r = report();
  const std::vector<std::string> lines = split(plan::csv_report(r), '\n');
  ASSERT_EQ(lines.size(), r.designs.size() + 2);  // header, rows, and the empty after the last LF
  EXPECT_TRUE(lines.back().empty());
  const std::vector<std::string> header = split(lines[0], ',');
  ASSERT_EQ(header.size(), 2 + 34 + 3 + 1);
  EXPECT_EQ(header[0], "f_mhz");
  EXPECT_EQ(header[1], "status");
  for (std::size_t i = 0; i < 34; ++i) EXPECT_EQ(header[2 + i], testing_support::kResultNames[i]);
  EXPECT_EQ(header[36], "a0");
  EXPECT_EQ(header[39], "hot_cap_warning");

  for (std::size_t row = 0; row < r.designs.size(); ++row) {
    const plan::Design& d = r.designs[row];
    const std::vector<std::string> f = split(lines[row + 1], ',');
    ASSERT_EQ(f.size(), header.size()) << lines[row + 1];
    EXPECT_TRUE(same_bits(read_float(f[0]), d.f_mhz));
    if (!d.completed()) {
      EXPECT_EQ(f[1], "refused");
      for (std::size_t i = 2; i < f.size(); ++i) EXPECT_TRUE(f[i].empty());
      continue;
    }
    EXPECT_EQ(f[1], "completed");
    const std::array<float, 34> v = testing_support::result_values(d.record.results);
    for (std::size_t i = 0; i < 34; ++i) {
      EXPECT_TRUE(same_bits(read_float(f[2 + i]), v[i])) << header[2 + i] << " " << f[2 + i];
    }
    EXPECT_TRUE(same_bits(read_float(f[36]), d.record.pulse_coeffs.a0));
    EXPECT_TRUE(same_bits(read_float(f[37]), d.record.pulse_coeffs.a1));
    EXPECT_TRUE(same_bits(read_float(f[38]), d.record.pulse_coeffs.a2));
    EXPECT_EQ(f[39], std::to_string(d.record.hot_cap_warning));
  }
}

TEST(PlanOutput, JsonReadsBackToTheRecordsFloats) {
  const plan::PlanReport r = report();
  const std::string text = plan::json_report(r);
  const plan::Json doc = plan::Json::parse(text);           // numbers read with strtof
  const nlohmann::json wide = nlohmann::json::parse(text);  // and as doubles

  for (const plan::OptionSpec& o : plan::option_table()) {
    if (o.field == nullptr) continue;
    const std::string name(o.key);
    EXPECT_TRUE(same_bits(doc["inputs"][name].get<float>(), r.inputs.*o.field)) << name;
  }
  EXPECT_EQ(doc["inputs"]["f_mhz"].size(), r.designs.size());
  EXPECT_EQ(doc["raise_q"].get<bool>(), false);

  const plan::Json& designs = doc["designs"];
  ASSERT_EQ(designs.size(), r.designs.size());
  for (std::size_t k = 0; k < r.designs.size(); ++k) {
    const plan::Design& d = r.designs[k];
    const plan::Json& j = designs[k];
    SCOPED_TRACE(d.f_mhz);
    EXPECT_TRUE(same_bits(j["f_mhz"].get<float>(), d.f_mhz));
    EXPECT_TRUE(same_bits(doc["inputs"]["f_mhz"][k].get<float>(), d.f_mhz));
    EXPECT_EQ(j["hot_cap_warning"].get<int>(), d.record.hot_cap_warning);
    const std::vector<std::string_view> warnings = plan::warning_texts(d);
    ASSERT_EQ(j["warnings"].size(), warnings.size());
    for (std::size_t w = 0; w < warnings.size(); ++w) {
      EXPECT_EQ(j["warnings"][w].get<std::string>(), warnings[w]);
    }
    if (!d.completed()) {
      EXPECT_EQ(j["status"], "refused");
      EXPECT_TRUE(j["results"].is_null());
      EXPECT_TRUE(j["pulse_coeffs"].is_null());
      continue;
    }
    EXPECT_EQ(j["status"], "completed");
    ASSERT_EQ(j["results"].size(), 34u);
    const std::array<float, 34> v = testing_support::result_values(d.record.results);
    for (std::size_t i = 0; i < 34; ++i) {
      const std::string name(testing_support::kResultNames[i]);
      EXPECT_TRUE(same_bits(j["results"][name].get<float>(), v[i])) << name;
      EXPECT_TRUE(
          same_bits(static_cast<float>(wide["designs"][k]["results"][name].get<double>()), v[i]))
          << name;
    }
    EXPECT_TRUE(same_bits(j["pulse_coeffs"]["a0"].get<float>(), d.record.pulse_coeffs.a0));
    EXPECT_TRUE(same_bits(j["pulse_coeffs"]["a1"].get<float>(), d.record.pulse_coeffs.a1));
    EXPECT_TRUE(same_bits(j["pulse_coeffs"]["a2"].get<float>(), d.record.pulse_coeffs.a2));
  }
  // The result names appear in record order.
  std::size_t i = 0;
  for (const auto& item : designs[0]["results"].items())
    EXPECT_EQ(item.key(), testing_support::kResultNames[i++]);

  const plan::Json& s = doc["summary"];
  EXPECT_EQ(s["completed"].get<int>(), r.summary.completed);
  EXPECT_EQ(s["refused"].get<int>(), 1);
  const plan::Span& c1 = plan::span_of(*r.summary.spans, plan::kPiSpans, "c1_total_pf");
  EXPECT_TRUE(same_bits(s["ranges"]["c1_total_pf"]["min"].get<float>(), c1.min.value));
  EXPECT_TRUE(same_bits(s["ranges"]["c1_total_pf"]["max_f_mhz"].get<float>(), c1.max.f_mhz));
  for (const char* name : {"c_hot_pf", "l_uh", "c2_pf"}) EXPECT_TRUE(s["ranges"].contains(name));
  EXPECT_EQ(s["hot_cap_below_min_f_mhz"], plan::Json::array({50.1f}));
  EXPECT_NE(plan::table_report(r).find(
                "Горячая ёмкость меньше минимальной ёмкости КПЕ на частотах: 50.100 МГц\n"),
            std::string::npos);
  const plan::AtFrequency& coil = r.summary.duties->coil.current_a;
  EXPECT_TRUE(same_bits(s["maxima"]["l"]["i_a"]["value"].get<float>(), coil.value));
  EXPECT_TRUE(same_bits(s["maxima"]["l"]["i_a"]["f_mhz"].get<float>(), coil.f_mhz));
  for (const char* element : {"c1", "l", "c2"}) {
    for (const char* what : {"i_a", "u_rms", "q_var"}) {
      EXPECT_TRUE(s["maxima"][element][what].contains("value")) << element << what;
    }
  }
}

TEST(PlanOutput, JsonWithNoCompletedDesign) {
  plan::PlanReport r = report();
  r.designs.erase(r.designs.begin(), r.designs.end() - 1);
  r.summary = plan::summarise(r.designs);
  const plan::Json doc = plan::Json::parse(plan::json_report(r));
  EXPECT_TRUE(doc["summary"]["ranges"].is_null());
  EXPECT_TRUE(doc["summary"]["maxima"].is_null());
}

TEST(PlanOutput, TableShowsEveryValueInTheReportsNumberForm) {
  const plan::PlanReport r = report();
  const std::string t = plan::table_report(r);
  for (const results::Line& line : results::lines(text::Encoding::utf8)) {
    const std::string label = results::file_label(line);
    const std::string bare = label.substr(1, label.find('\t') - 1);
    EXPECT_NE(t.find(bare), std::string::npos) << bare;
  }
  for (const plan::Design& d : r.designs) {
    EXPECT_NE(t.find(numform::fixed(d.f_mhz, 11, 3)), std::string::npos);
    if (!d.completed()) continue;
    for (const float v : testing_support::result_values(d.record.results)) {
      EXPECT_NE(t.find(numform::fixed(v, 11, 3)), std::string::npos) << v;
    }
  }
  EXPECT_NE(t.find("Внимание, мала горячая емкость!"), std::string::npos);
  EXPECT_NE(t.find("отказ"), std::string::npos);
  EXPECT_NE(t.find("Итоги по частотам"), std::string::npos);
  EXPECT_NE(t.find("Исходные данные:"), std::string::npos);
}

// Characters shown on the screen of each line.
std::vector<std::size_t> line_widths(const std::string& table) {
  std::vector<std::size_t> widths;
  for (const std::string& line : split(table, '\n')) {
    std::size_t n = 0;
    for (const char c : line) n += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u ? 1 : 0;
    widths.push_back(n);
  }
  return widths;
}

TEST(PlanOutput, TableStandsInBlocksOfFrequenciesThatFitTheWidth) {
  plan::PlanReport r;
  r.inputs = example_plan_inputs();
  r.designs = plan::design_all(r.inputs, plan::kHamBands, false);
  r.summary = plan::summarise(r.designs);
  r.inputs_block = plan::inputs_block(r);
  const std::string heading = " Результаты расчета для f, МГц";
  // width : the blocks it gives, each with the label column
  for (const auto& [width, blocks] : std::vector<std::pair<std::size_t, std::size_t>>{
           {100, 2}, {80, 4}, {154, 1}, {153, 2}, {20, 10}}) {
    SCOPED_TRACE(width);
    const std::string t = plan::table_report(r, width);
    EXPECT_EQ(occurrences(t, heading), blocks);
    EXPECT_EQ(occurrences(t, " 35. Полоса S11 контура по уровню 0.1, кГц"), blocks);
    // The whole table fits 100 columns; the grid fits any width that holds
    // the label column and one frequency.
    const std::size_t grid = t.find(heading);
    const std::string checked = width >= 100 ? t : t.substr(grid, t.find(" Предупреждения") - grid);
    if (width >= 55) {
      for (const std::size_t w : line_widths(checked)) EXPECT_LE(w, width);
    }
    for (const plan::Design& d : r.designs) {
      EXPECT_EQ(occurrences(t, numform::fixed(d.f_mhz, 11, 3)), 1u) << d.f_mhz;
    }
  }
  // A table that fits stays one block, whatever the width.
  r.designs.resize(3);
  EXPECT_EQ(plan::table_report(r, 100), plan::table_report(r, 1000));
}

TEST(PlanOutput, TableWidthComesFromColumnsWhenItIsSane) {
  const char* saved = std::getenv("COLUMNS");
  const std::string restore = saved != nullptr ? saved : "";
  for (const auto& [columns, width] :
       std::vector<std::pair<const char*, std::size_t>>{{"80", 80},
                                                        {"132", 132},
                                                        {"", 100},
                                                        {"abc", 100},
                                                        {"80x", 100},
                                                        {"-80", 100},
                                                        {"5", 100},
                                                        {"99999999999999999999999", 100}}) {
    setenv("COLUMNS", columns, 1);
    EXPECT_EQ(plan::table_width(), width) << columns;
  }
  unsetenv("COLUMNS");
  EXPECT_EQ(plan::table_width(), 100u);
  if (saved != nullptr) setenv("COLUMNS", restore.c_str(), 1);
}

TEST(PlanOutput, RunWritesTheChosenFormat) {
  const std::vector<std::string> base(testing_support::example_args({"--freq", "14.15", "28.5"}));
  for (const std::string format : {"table", "csv", "json"}) {
    std::vector<std::string> args = base;
    args.push_back("--format");
    args.push_back(format);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(plan::run(args, out, err), 0) << err.str();
    EXPECT_TRUE(err.str().empty());
    const plan::PlanReport expected = [&] {
      plan::Options o;
      o.inputs = example_plan_inputs();
      o.f_mhz = {14.15f, 28.5f};
      return plan::make_report(o);
    }();
    const std::string want = format == "csv"    ? plan::csv_report(expected)
                             : format == "json" ? plan::json_report(expected)
                                                : plan::table_report(expected);
    EXPECT_EQ(out.str(), want) << format;
  }
}

}  // namespace
