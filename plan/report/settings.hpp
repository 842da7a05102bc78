#pragma once

// What a run of valvenet-plan designs, whatever way it is written out: the
// values the options give and --inputs reads back.

#include <optional>
#include <vector>

#include "parts/choke_search.hpp"
#include "plan/report/parts.hpp"
#include "plan/report/pi_l_column.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// valvenet-plan choke: the winding whose turns are sought, mm, and the
// reactance floor on the lowest band over R_oe.
struct ChokeSearchOptions {
  CoilOptions winding;
  float x_min = static_cast<float>(choke_search::kDefaultXMin);
};

struct Settings {
  TypedInputs inputs;
  std::vector<float> f_mhz;  // in the order given
  bool raise_q = false;
  bool q0_coil = false;  // --q0 coil: each band's Q0 from its coil (inputs.q_unloaded unused)
  TankKind network = TankKind::pi;
  float r_mid = kDefaultRMid;  // ohm, of the Pi-L
  PartsOptions parts;
  Language language = Language::ru;
  std::optional<float> swr;  // --swr: the loads of the SWR circle, retune::kSwrAbove..kSwrMax
  std::optional<ChokeSearchOptions> choke_search;  // valvenet-plan choke only
};

}  // namespace plan
