#pragma once

// What a run of valvenet-plan designs, whatever way it is written out: the
// values the options give and --inputs reads back.

#include <optional>
#include <vector>

#include "plan/report/parts.hpp"
#include "plan/report/pi_l_column.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

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
};

}  // namespace plan
