#pragma once

// The plan's results as a readable table (UTF-8, in the report's language;
// in Russian the console programs' labels), as CSV and as JSON.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plan/json.hpp"
#include "plan/load_range_report.hpp"
#include "plan/number_text.hpp"
#include "plan/parts.hpp"
#include "plan/stage_design.hpp"
#include "plan/summary.hpp"
#include "plan/texts.hpp"

namespace plan {

// Everything one run of the plan reports.
struct PlanReport {
  TypedInputs inputs;
  bool raise_q = false;
  std::vector<Design> designs;
  Summary summary;
  Network network = Network::pi;  // with pi_l every design has its Pi-L column
  float r_mid = kDefaultRMid;     // ohm, of the Pi-L
  Language language = Language::ru;
  // From values to parts: the options, one entry per design (none for a
  // refused one) and the summary over the designs.
  PartsOptions parts_options;
  std::vector<std::optional<Parts>> parts;
  PartsSummary parts_summary;
  // The same for the Pi-L of each design (with --network pi-l).
  std::vector<std::optional<Parts>> pi_l_parts;
  PartsSummary pi_l_parts_summary;
  // With --swr: the SWR and the circles of each design, one per design.
  std::optional<float> swr;
  std::vector<DesignLoadRange> load_ranges;
};

// The texts of the warnings of a completed design, as the console report
// words them (UTF-8); none for a refused design.
std::vector<std::string_view> warning_texts(const Design& design,
                                            const PlanTexts& t = kRussianTexts);

// The width of the readable table, in characters: 100, or COLUMNS from the
// environment when it is a whole number from kNarrowestTable to kWidestTable.
inline constexpr std::size_t kTableWidth = 100;
inline constexpr std::size_t kNarrowestTable = 20;
inline constexpr std::size_t kWidestTable = 10000;
std::size_t table_width();

// The readable table: starting values, the 37 numbered values of the file
// report for every frequency side by side, the warnings and the summary.
// The frequencies stand in blocks that fit the width, each block with the
// label column; a single frequency is never split.
// width : characters per line, >= 1
std::string table_report(const PlanReport& report, std::size_t width);

// table_report at table_width().
std::string table_report(const PlanReport& report);

// One header row (f_mhz, status, the 34 result names, a0, a1, a2,
// hot_cap_warning) and one row per frequency; a refused row has empty
// number fields. LF line ends.
std::string csv_report(const PlanReport& report);

// {"inputs": {...}, "raise_q": ..., "designs": [...], "summary": {...}}.
Json json_document(const PlanReport& report);
std::string json_report(const PlanReport& report);

}  // namespace plan
