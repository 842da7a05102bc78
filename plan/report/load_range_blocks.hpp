#pragma once

// The load circles of one network as document blocks (--swr): a list per
// design with the circle's values and its 72 loads, then the largest
// values over every band; and the warnings they add to each design.

#include <cstddef>
#include <string>
#include <vector>

#include "plan/report/document.hpp"
#include "plan/report/load_range_report.hpp"
#include "plan/report/plan_report.hpp"

namespace plan {

struct LoadRangeBlocks {
  std::vector<doc::Block> blocks;  // none without --swr
  std::vector<std::vector<std::string>>
      warnings;  // per design: the filtering below the requirement
};

// report : with its load ranges;  source : the network's (pi_circles(), pi_l_circles())
// prefix : before the summary's heading in the table (the network's name)
LoadRangeBlocks load_range_blocks(const PlanReport& report, const CircleSource& source,
                                  std::string_view prefix);

}  // namespace plan
