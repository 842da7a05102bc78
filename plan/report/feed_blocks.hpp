#pragma once

// The shunt feed's parts in the report document: in each network's grid the
// anode choke's group (with the choke options) and the blocking capacitor's
// (with shunt feed), their warnings, and the choke over the bands in the
// summary. Every value is one entry of kFeedLines, which the table, CSV and
// JSON walk.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/document.hpp"
#include "plan/report/plan_report.hpp"
#include "plan/report/tank_outputs.hpp"

namespace plan {

// One value of the feed at a band: its group (the JSON object of the
// design; the CSV column is the network's prefix, the group, '_' and the
// key), its key, its label in the table and decimals there; a flag is yes
// or no in the table and is there only with the capacitor options.
struct FeedLine {
  std::string_view group;
  std::string_view key;
  FeedField label;
  int decimals;
  doc::Kind kind;  // number or flag
  std::optional<double> (*value)(const Parts&);
};

inline constexpr std::string_view kChokeGroup = "choke";
inline constexpr std::string_view kBlockingGroup = "blocking";

extern const std::array<FeedLine, 17> kFeedLines;

// Adds the feed's groups to a network's grid: each null for a design
// without parts, none at all without the choke options (its group) or with
// series feed (both).
// b : the network's block;  report : the run's;  tank : the network
void feed_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank);

// The feed's warnings at design k of a network: a band within the guard of
// a series resonance, C1 out of reach with the choke's change, the choke's
// loss and current density above their limits, a blocking capacitor above
// its share of R_oe; none for a design without parts.
// t : texts;  report : the run's;  tank : the network;  k : the design's place
std::vector<std::string> feed_warnings(const PlanTexts& t, const PlanReport& report,
                                       const TankOutputs& tank, std::size_t k);

// Resonances as the table lists them, "11.46, 25.51, 37.27" (the word for
// none when there are none).
// t : texts;  mhz : the resonances, MHz
std::string resonance_list_text(const PlanTexts& t, const std::vector<double>& mhz);

// The summary's choke: its JSON object and its lines in the table; none
// without the choke options.
// report : the run's
std::vector<doc::Block> choke_summary_blocks(const PlanReport& report);

}  // namespace plan
