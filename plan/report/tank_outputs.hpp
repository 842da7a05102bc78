#pragma once

// The description of one network's outputs: its lines of values, its
// status, warnings and parts. The plain Pi and the Pi-L each give one; the
// table, CSV and JSON writers walk them the same way, so a value added to
// both networks is one line in each network's list (kPiPlanLines after
// results::kLines, kPiLLines), a part one entry of kPartLines, and a new block of lines one
// more description.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/load_range_report.hpp"
#include "plan/report/parts.hpp"
#include "plan/report/plan_report.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// One value shown for every design.
struct ValueLine {
  std::string_view key;    // the JSON key in its group; the CSV column after the network's prefix
  std::string_view group;  // the JSON object holding it; empty: the network's own object
  std::string label;       // in the table, in the report's language
  std::function<std::optional<float>(const Design&)> value;  // nullopt: not known there
};

// The names the CSV's columns and the JSON's keys share, spelt once; each
// network's CSV columns after its key prefix.
namespace output_key {
inline constexpr std::string_view f_mhz = "f_mhz";
inline constexpr std::string_view status = "status";
inline constexpr std::string_view hot_cap_warning = "hot_cap_warning";
inline constexpr std::string_view network = "network";
inline constexpr std::string_view tuning_reason = "tuning_reason";
inline constexpr std::string_view reason = "reason";
inline constexpr std::string_view warnings = "warnings";
inline constexpr std::string_view ranges = "ranges";
inline constexpr std::string_view q0_status = "q0_status";
}  // namespace output_key

// A value of the plain Pi that valvenet-plan shows after the file report's
// (results::kLines): its key in the JSON "results", its label, its value
// in a completed design.
struct PlanLine {
  std::string_view key;
  std::string_view PlanTexts::*label;
  float (*value)(const Design&);
  bool (*shown)(const PlanReport&);  // whether the report has the line; nullptr: always
};
extern const std::vector<PlanLine> kPiPlanLines;

// What a network gives for one design.
struct TankDesign {
  bool (*completed)(const Design&);
  std::string_view (*status_key)(const Design&);  // CSV and JSON
  std::string_view (*status_text)(const PlanTexts&, const Design&);
  std::string (*refusal_line)(const PlanTexts&, const Design&);  // in the table; empty: none
  std::string (*reason)(const PlanTexts&, const Design&);        // JSON "reason"; nullptr: no key
  std::vector<std::string> (*warnings)(const PlanTexts&, const Design&);
  std::int32_t (*hot_cap_warning)(const Design&);
  // With --q0 coil: how the band's Q0 was found (CSV column and JSON key
  // q0_status); nullptr: no such value.
  std::string_view (*q0_status)(const Design&) = nullptr;
};

// An entry of the answers: its key and group in the network's blocks.
struct AnswerKey {
  std::string_view key;
  std::string_view group;
};

// One network's outputs.
struct TankOutputs {
  std::string heading;            // above its grid in the table; empty: none
  std::string_view status_label;  // the grid's row of each design's status
  std::string_view text_prefix;   // before its warnings and parts headings in the table
  std::vector<ValueLine> lines;   // in the table's order
  TankDesign design;
  std::string_view key_prefix;      // before each of its CSV column names
  std::string_view json_key;        // its object in a design's JSON; empty: the design's own
  std::string_view network_column;  // the CSV's "network" cell before its status; empty: none
  std::string_view hot_cap_column;  // the CSV's column of the hot-capacitance warning; empty: none
  std::string_view parts_note;      // under its coil in the table: what the coil leaves out
  std::vector<PartGroup> part_groups;                        // the groups of parts it has
  const std::vector<std::optional<Parts>>* parts = nullptr;  // one per design, or none
  const CircleSource* circles = nullptr;                     // its load circles (--swr)
  std::string_view answers_heading;                          // above what a builder winds and buys
  std::vector<AnswerKey> answers;  // those values, in order, where the run has them
  std::string_view smith_title;    // the Smith chart's heading, "%1": the frequency
  // Its tank and drive in a completed design, for the load circles.
  retune::Stage (*stage)(const Design&) = nullptr;
  const PartsSummary* parts_summary = nullptr;
  // The ranges of its elements in the summary, under span_heading; JSON
  // "ranges" after its key prefix.
  std::string_view span_heading;
  std::string_view ranges_key;  // the summary's member of its ranges
  std::string_view parts_key;   // the summary's object of its parts; empty: the summary itself
  const std::vector<SpanValue>* span_values = nullptr;
  const std::optional<Spans>* spans = nullptr;
};

// The networks of a report: the plain Pi, then with --network pi-l the Pi-L.
std::vector<TankOutputs> tank_outputs(const PlanReport& report);

// The texts of the report's language.
const PlanTexts& texts_of(const PlanReport& report);

// The parts lines a network shows; none for a report built without its parts.
std::vector<const PartLine*> part_lines(const PlanReport& report, const TankOutputs& tank);

// The parts of design k of a network, if it has them.
const Parts* parts_at(const TankOutputs& tank, std::size_t k);

// The label of a parts line in the language of t.
std::string_view part_label(const PlanTexts& t, const PartLine& line);

// The texts of the warnings of a completed design, as the console report
// words them (UTF-8); none for a refused design.
std::vector<std::string_view> warning_texts(const Design& design,
                                            const PlanTexts& t = kRussianTexts);

// The harmonics f, 2f, 3f of design k that lie near the self-resonance of
// the network's whole tapped winding or of its turns in use; none without
// the coil options.
// t : texts;  tank : the network;  k : the design's place;  f_mhz : its frequency, MHz, > 0
std::vector<std::string> coil_resonance_warnings(const PlanTexts& t, const TankOutputs& tank,
                                                 std::size_t k, float f_mhz);

// What the parts of a design cannot give: no coil, a variable that cannot
// reach the band; none without parts.
std::vector<std::string> parts_problems(const PlanTexts& t, const Parts* p);

}  // namespace plan
