#include "plan/report/coil_q.hpp"

#include <cmath>

#include "parts/coil_loss.hpp"

namespace plan {

namespace {

constexpr double kHenriesPerMicrohenry = 1e-6;
constexpr double kHzPerMHz = 1e6;

// What one round's coil says of the next round's Q0.
struct Next {
  CoilQStatus status = CoilQStatus::settled;
  float q0 = 0.0f;
};

Next next_q0(double coil_q) {
  const starting_values::Range& r = starting_values::dialog_range::q_unloaded;
  if (!(coil_q >= static_cast<double>(r.low))) return {CoilQStatus::q_too_low, 0.0f};
  if (coil_q > static_cast<double>(r.high)) return {CoilQStatus::clamped, r.high};
  return {CoilQStatus::settled, static_cast<float>(coil_q)};
}

}  // namespace

CoilQOf coil_q_of(const coil::Geometry& g) {
  return [g](double turns, double f_hz) { return coil_loss::evaluate(turns, g, f_hz).q_apparent; };
}

CoilQDesign design_with_coil_q(TypedInputs typed, float f_mhz, bool raise_q,
                               const coil::Geometry& g, const CoilQOf& q_of) {
  CoilQDesign out;
  CoilQ& c = out.coil_q;
  typed.q_unloaded = kCoilQStart;
  CoilQStatus limit = CoilQStatus::settled;
  double previous_turns = std::nan("");
  for (c.rounds = 1; c.rounds <= kCoilQRounds; ++c.rounds) {
    out.design = design_at(typed, f_mhz, raise_q);
    c.q0_used = typed.q_unloaded;
    if (!out.design.completed()) {
      c.status = CoilQStatus::refused;
      return out;
    }
    const double l_h = static_cast<double>(out.design.record.results.l_uh) * kHenriesPerMicrohenry;
    const coil::Solved solved = coil::solve(l_h, g);
    if (!solved.coil) {
      c.status = CoilQStatus::no_coil;
      c.problem = solved.problem;
      return out;
    }
    c.turns = solved.coil->turns;
    if (std::abs(c.turns - previous_turns) < kSettledTurns) {
      c.status = limit;
      return out;
    }
    previous_turns = c.turns;
    c.coil_q = q_of(c.turns, static_cast<double>(f_mhz) * kHzPerMHz);
    const Next next = next_q0(c.coil_q);
    if (next.status == CoilQStatus::q_too_low) {
      c.status = CoilQStatus::q_too_low;
      return out;
    }
    limit = next.status;
    typed.q_unloaded = next.q0;
  }
  c.rounds = kCoilQRounds;
  c.status = CoilQStatus::not_settled;
  return out;
}

std::string_view coil_q_status_key(CoilQStatus s) {
  switch (s) {
    case CoilQStatus::settled:
      return "settled";
    case CoilQStatus::clamped:
      return "clamped";
    case CoilQStatus::not_settled:
      return "not_settled";
    case CoilQStatus::q_too_low:
      return "q_too_low";
    case CoilQStatus::no_coil:
      return "no_coil";
    case CoilQStatus::refused:
      return "refused";
  }
  return "refused";
}

std::vector<Design> design_all_with_coil_q(const TypedInputs& typed,
                                           const std::vector<float>& f_mhz, bool raise_q,
                                           const coil::Geometry& g) {
  const CoilQOf q_of = coil_q_of(g);
  std::vector<Design> designs;
  designs.reserve(f_mhz.size());
  for (const float f : f_mhz) {
    CoilQDesign c = design_with_coil_q(typed, f, raise_q, g, q_of);
    c.design.coil_q = c.coil_q;
    designs.push_back(std::move(c.design));
  }
  return designs;
}

}  // namespace plan
