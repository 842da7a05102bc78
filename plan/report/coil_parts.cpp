#include "plan/report/coil_parts.hpp"

namespace plan {

namespace {

constexpr double kHzPerMhz = 1e6;
constexpr double kPercent = 100.0;

std::optional<coil_loss::Values> at_f(const std::optional<coil::Solved>& solved,
                                      const coil::Geometry& g, double f_hz) {
  if (!solved || !solved->coil) return std::nullopt;
  return coil_loss::evaluate(solved->coil->turns, g, f_hz);
}

}  // namespace

void add_coil_loss(const std::vector<Design>& designs, std::vector<std::optional<Parts>>& parts,
                   const PartsOptions& options, float (*q_loaded)(const Design&)) {
  if (!options.coil) return;
  const coil::Geometry g = geometry(*options.coil);
  for (std::size_t k = 0; k < designs.size() && k < parts.size(); ++k) {
    if (!parts[k]) continue;
    Parts& p = *parts[k];
    const double f_hz = static_cast<double>(designs[k].f_mhz) * kHzPerMhz;
    p.coil_at_f = at_f(p.coil, g, f_hz);
    p.l2_coil_at_f = at_f(p.l2_coil, g, f_hz);
    // The plain Pi's network efficiency, 1 - Q_L / Q0, with the coil's own
    // apparent Q as Q0; none where the coil is no inductor (Q_apparent <= 0).
    if (q_loaded != nullptr && p.coil_at_f && p.coil_at_f->q_apparent > 0.0) {
      const auto q = static_cast<double>(q_loaded(designs[k]));
      p.coil_eff_network_pct = (1.0 - q / p.coil_at_f->q_apparent) * kPercent;
    }
  }
}

}  // namespace plan
