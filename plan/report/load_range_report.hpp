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

#include "plan/report/json.hpp"
#include "plan/report/load_range.hpp"
#include "plan/report/settings.hpp"
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

// One value of the block: its JSON key (the CSV column is the network's
// prefix and the key), its label and unit, its decimals in the table,
// whether only a run with the variables has it, and its value.
struct LoadRangeEntry {
  std::string_view key;
  std::string_view PlanTexts::*label;
  std::string_view PlanTexts::*unit;  // nullptr: none
  int decimals;
  LoadRangeKind kind;
  bool with_variables;
  // The value (NaN where no load is matched) and its load (-1 for none).
  Extreme (*value)(const LoadRange&);
};

// A value of each load of the circle: its JSON key and member.
struct PointValue {
  std::string_view key;
  double LoadPoint::*member;
};

// What one network gives the load-circle block: its circle in each design,
// its values and the values of its loads (an entry the network lacks is not
// in its lists), its texts.
struct CircleSource {
  std::optional<NetworkLoadRange> DesignLoadRange::*circle;
  std::vector<LoadRangeEntry> entries;
  std::vector<PointValue> points;
  std::string_view PlanTexts::*heading;  // "%1 MHz: %2 loads at SWR %3 around %4 ohm"
  std::string_view csv_prefix;           // before each key in the CSV
};

// The plain Pi's and the Pi-L's.
const CircleSource& pi_circles();
const CircleSource& pi_l_circles();

// The circles of every design of the report, in place: report.load_ranges
// one per design and report.swr; nothing without settings.swr.
// report : made from these settings, its parts filled;  settings : the run's
void add_load_ranges(PlanReport& report, const Settings& settings);

// A load as the table writes it: "100.0+j25.3 ohm" (ohm in the language of t).
// r_ohm, x_ohm : ohm, finite
std::string load_text(const PlanTexts& t, double r_ohm, double x_ohm);

// The key of a reason a load is not matched (and of a match).
std::string_view reason_key(retune::Reason r);

// The largest of a value over the bands: the design and its extreme.
struct Largest {
  std::size_t design = 0;
  Extreme at;
};
// Over the designs whose network has a circle; at.load -1 when none.
// report : with its load ranges;  source : the network;  e : an entry of its list
Largest largest(const PlanReport& report, const CircleSource& source, const LoadRangeEntry& e);

// The summary's values: the largest ratings and currents over every band,
// those of the network's list.
std::vector<const LoadRangeEntry*> summary_entries(const CircleSource& source);

// The summary over every band and load of each network, as the JSON's
// summary "load_range" holds it (null members where no load matched).
// report : with --swr
Json load_range_summary_json(const PlanReport& report);

}  // namespace plan
