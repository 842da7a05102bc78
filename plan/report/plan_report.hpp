#pragma once

// Everything one run of valvenet-plan reports, as the writers take it.

#include <optional>
#include <vector>

#include "plan/report/document.hpp"
#include "plan/report/feed_parts.hpp"
#include "plan/report/load_range_report.hpp"
#include "plan/report/parts.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/report/summary.hpp"
#include "plan/texts/text_fields.hpp"

namespace plan {

// Everything one run of the plan reports.
struct PlanReport {
  TypedInputs inputs;
  bool raise_q = false;
  bool q0_coil = false;  // --q0 coil: every design keeps its CoilQ
  std::vector<Design> designs;
  Summary summary;
  TankKind network = TankKind::pi;  // with pi_l every design has its Pi-L column
  float r_mid = kDefaultRMid;       // ohm, of the Pi-L
  Language language = Language::ru;
  // From values to parts: the options, one entry per design (none for a
  // refused one) and the summary over the designs.
  PartsOptions parts_options;
  std::vector<std::optional<Parts>> parts;
  PartsSummary parts_summary;
  // The same for the Pi-L of each design (with --network pi-l).
  std::vector<std::optional<Parts>> pi_l_parts;
  PartsSummary pi_l_parts_summary;
  // With the choke options: the choke over the bands (the parts of each
  // network hold it at each band).
  std::optional<ChokeSummary> choke;
  // With --swr: the SWR and the circles of each design, one per design.
  std::optional<float> swr;
  std::vector<DesignLoadRange> load_ranges;
  // The starting values and options as the document's first block, made by
  // the command line from its table of options.
  doc::Block inputs_block;
};

}  // namespace plan
