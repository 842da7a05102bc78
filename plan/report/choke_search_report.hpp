#pragma once

// valvenet-plan choke: the anode choke's turns for the stage's bands. The
// stage is designed at every band for the anode load resistance R_oe of the
// lowest band whose design completed; choke_search::search then finds the
// turns of the winding, from those whose reactance there is at least
// x_min R_oe, that keep every band farthest from a series resonance. The
// results as document blocks: the search's terms and the candidates, best
// first, which the table, CSV and JSON writers walk.

#include <optional>
#include <string_view>
#include <vector>

#include "parts/choke_search.hpp"
#include "plan/report/document.hpp"
#include "plan/report/settings.hpp"

namespace plan {

struct ChokeSearchReport {
  ChokeSearchOptions options;  // the winding, mm, and x_min
  std::vector<float> f_mhz;    // the bands, in the order given
  bool designed = false;       // some band's stage design completed
  float f_low_mhz = 0.0f;      // the band R_oe is taken from
  double r_oe_ohm = 0.0;
  choke_search::Result result;  // reason none and no candidates when not designed
  Language language = Language::ru;
};

// s : settings of valvenet-plan choke (s.choke_search set, the starting
// values and bands within their ranges)
ChokeSearchReport choke_search_report(const Settings& s);

// The JSON and CSV word of why no candidate was found ("none" when some
// were, "no_design" when no band's design completed).
std::string_view search_reason_key(const ChokeSearchReport& r);

// The search's terms (JSON "search", lines in the table), the candidates
// (JSON "candidates", the CSV's rows, a list in the table) and the note on
// the model's accuracy (when there are candidates).
// r : of choke_search_report
std::vector<doc::Block> choke_search_blocks(const ChokeSearchReport& r);

}  // namespace plan
