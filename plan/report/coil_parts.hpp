#pragma once

// The real coil in the designs: with the coil options, each band's coil
// (and the Pi-L's L2) at its frequency, from coil_loss::evaluate of the
// turns in use, and the plain Pi's efficiency with that coil's apparent Q.

#include <optional>
#include <vector>

#include "plan/report/parts.hpp"
#include "plan/report/stage_design.hpp"

namespace plan {

// Fills coil_at_f, l2_coil_at_f and coil_eff_network_pct of each band's parts.
// designs : the run's designs;  parts : one per design, in the same order (the Pi's or the Pi-L's)
// options : the run's parts options (nothing done without the coil options)
// q_loaded : the network's loaded Q in a design, for its efficiency with this coil; nullptr: the
// network has no such figure (the Pi-L, whose second coil shares the loss)
void add_coil_loss(const std::vector<Design>& designs, std::vector<std::optional<Parts>>& parts,
                   const PartsOptions& options, float (*q_loaded)(const Design&));

}  // namespace plan
