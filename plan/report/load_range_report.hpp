#pragma once

// The load-range block of the plan's outputs (--swr): the circle of loads of
// every completed design re-tuned with its coil, for the plain Pi and the
// Pi-L, and the one description of its values that the table, CSV and JSON
// writers walk.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/write/json.hpp"
#include "plan/write/json_text.hpp"
#include "plan/report/load_range.hpp"
#include "plan/cli/settings.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

struct PlanReport;

// One network's circle at one frequency, with the turns of the coil that
// would match each unmatched load (with the coil options; else empty).
struct NetworkLoadRange {
  LoadRange range;
  std::vector<std::optional<double>> l_needed_turns;  // one per point: turns, or none
};

// The circles of one design: of its plain Pi and of its Pi-L, each when
// that network completed.
struct DesignLoadRange {
  std::optional<NetworkLoadRange> pi;
  std::optional<NetworkLoadRange> pi_l;
};

// What a value of the block is.
enum class LoadRangeKind {
  count,    // a number of loads
  extreme,  // a value and the load where it occurs
  value,    // a single number
};

// One value of the block: its JSON key (the CSV column is load_range_ and
// the key, pi_l_load_range_ for the Pi-L), its label and unit, its
// decimals in the table, whether only the Pi-L or only a run with the
// variables has it, and its value.
struct LoadRangeEntry {
  std::string_view key;
  std::string_view PlanTexts::*label;
  std::string_view PlanTexts::*unit;  // nullptr: none
  int decimals;
  LoadRangeKind kind;
  bool pi_l_only;
  bool with_variables;
  // The value (NaN where no load is matched) and its load (-1 for none).
  Extreme (*value)(const LoadRange&);
};

inline constexpr std::size_t kLoadRangeEntryCount = 17;
extern const std::array<LoadRangeEntry, kLoadRangeEntryCount> kLoadRangeEntries;

// Whether a network's block shows an entry.
// pi_l : the Pi-L's block;  variables : the run has --c1-max and --c2-range
bool load_range_shows(const LoadRangeEntry& e, bool pi_l, bool variables);

// The circles of every design of the report, in place: report.load_ranges
// one per design and report.swr; nothing without settings.swr.
// report : made from these settings, its parts filled;  settings : the run's
void add_load_ranges(PlanReport& report, const Settings& settings);

// A load as the table writes it: "100.0+j25.3 ohm" (ohm in the language of t).
// r_ohm, x_ohm : ohm, finite
std::string load_text(const PlanTexts& t, double r_ohm, double x_ohm);

// The table's blocks, one per frequency and network, and the summary over
// every band and load; empty without --swr.
std::string load_range_table(const PlanReport& report);

// The CSV of the writer with the block's columns appended to its header
// and to each design's row; unchanged without --swr.
// csv : the header and one row per design, LF line ends
std::string load_range_csv(const PlanReport& report, std::string csv);

// The member of a block whose value is its circle's 72 points.
inline constexpr std::string_view kPointsKey = "points";

// A circle of the JSON document: its network's values and whether it is the Pi-L's.
struct JsonCircle {
  const NetworkLoadRange* network;  // of the report
  bool pi_l;
};

// Adds "load_range" to each design of the document (and to its "pi_l"),
// its filtering warnings, and "load_range" to the summary; nothing without
// --swr. Each block's points are left as the number n of its circle in the
// list returned, for write_points to write in the dumped text.
std::vector<JsonCircle> load_range_json(Json& doc, const PlanReport& report);

// The points of a circle of load_range_json, as dump(2) would write them.
// out : at the points member's indentation;  circle : of this report
void write_points(JsonText& out, const PlanReport& report, const JsonCircle& circle);

}  // namespace plan
