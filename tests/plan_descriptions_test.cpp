// The descriptions of the networks' outputs: every line each network
// describes reaches every format once, labelled in both languages.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "plan/cli/app.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/write/outputs.hpp"
#include "plan_fixtures.hpp"

namespace {

// Both networks with all their parts, one band refused by neither.
plan::PlanReport report_in(std::string_view language) {
  const plan::Parsed parsed = plan::parse_options(testing_support::example_args(
      {"--freq", "3.6", "14.15", "--network", "pi-l", "--coil-diameter", "50", "--wire", "2",
       "--pitch", "4", "--c1-max", "250", "--c2-range", "20:1000", "--lang",
       std::string(language)}));
  EXPECT_EQ(parsed.kind, plan::Parsed::Kind::run);
  return plan::make_report(parsed.options);
}

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(PlanDescriptions, EveryLineOfEveryNetworkIsInEveryFormatOnce) {
  for (const std::string_view language : {"ru", "en"}) {
    SCOPED_TRACE(language);
    const plan::PlanReport report = report_in(language);
    const std::vector<plan::TankOutputs> tanks = plan::tank_outputs(report);
    ASSERT_EQ(tanks.size(), 2u);
    const std::string whole = plan::table_report(report, plan::kWidestTable);
    // The grids: up to the warnings, after which the summary names values again.
    const std::string table = whole.substr(0, whole.find(plan::texts_of(report).warnings_heading));
    const std::string csv = plan::csv_report(report);
    const std::string header = "," + csv.substr(0, csv.find('\n')) + ",";
    const plan::Json doc = plan::Json::parse(plan::json_report(report));
    // A label shared by both networks has a row in each grid.
    std::vector<std::string> labels;
    for (const plan::TankOutputs& tank : tanks) {
      for (const plan::ValueLine& line : tank.lines) labels.push_back(line.label);
    }
    for (const plan::TankOutputs& tank : tanks) {
      ASSERT_EQ(plan::part_lines(report, tank).size(), tank.part_groups.size() == 4 ? 26u : 18u);
      for (const plan::ValueLine& line : tank.lines) {
        SCOPED_TRACE(line.key);
        EXPECT_FALSE(line.label.empty());
        std::size_t same = 0;
        for (const std::string& l : labels) same += l == line.label ? 1 : 0;
        EXPECT_EQ(count(table, "\n " + line.label + "  "), same);
        const std::string column = std::string(tank.key_prefix) + std::string(line.key);
        EXPECT_EQ(count(header, "," + column + ","), 1u);
        for (const plan::Json& design : doc["designs"]) {
          const plan::Json& own =
              tank.json_key.empty() ? design : design[std::string(tank.json_key)];
          const plan::Json& group = line.group.empty() ? own : own[std::string(line.group)];
          EXPECT_TRUE(group.contains(std::string(line.key)));
        }
      }
      for (const plan::PartLine* line : plan::part_lines(report, tank)) {
        const std::string column = std::string(tank.key_prefix) + std::string(line->csv);
        EXPECT_EQ(count(header, "," + column + ","), 1u) << column;
        const std::string label(plan::part_label(plan::texts_of(report), *line));
        EXPECT_FALSE(label.empty());
        std::size_t showing = 0;
        for (const plan::TankOutputs& other : tanks) {
          for (const plan::PartLine* l : plan::part_lines(report, other)) showing += l == line;
        }
        EXPECT_EQ(count(table, "\n " + label + "  "), showing) << column;
      }
    }
  }
}

}  // namespace
