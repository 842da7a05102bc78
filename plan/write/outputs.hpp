#pragma once

// The plan's results as a readable table (UTF-8, in the report's language;
// in Russian the console programs' labels), as CSV and as JSON: one writer
// per format (table_writer.cpp, csv_writer.cpp, json_writer.cpp), each
// walking the descriptions of plan/tank_outputs.hpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/document.hpp"
#include "plan/report/json.hpp"
#include "plan/report/plan_report.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

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

// {"inputs": {...}, "raise_q": ..., "designs": [...], "summary": {...}}
// as Json::dump(2) writes it, with a line end.
std::string json_report(const PlanReport& report);

// Any document (plan/report/document.hpp) in the three formats: the table
// of its blocks at `width` characters (>= 1), the CSV of its first block
// whose columns are rows, the JSON of its root.
std::string document_table(const doc::Block& root, std::size_t width);
std::string document_csv(const doc::Block& root);
std::string document_json(const doc::Block& root);

}  // namespace plan
