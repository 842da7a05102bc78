#include "plan/report/parts.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace plan {

namespace {

constexpr double kMetresPerMm = 1e-3;
constexpr double kMmPerMetre = 1e3;
constexpr double kHenriesPerMicrohenry = 1e-6;
constexpr double kHzPerMhz = 1e6;

bool padded(const std::optional<tuning::Setting>& s) {
  return s && s->reason == tuning::Reason::padded;
}

// What the parts of a tank are made from.
struct TankValues {
  float u_c1_rms;  // V rms across C1
  float u_c2_rms;  // V rms across C2 (the output, or Rm of a Pi-L)
  float l_uh;      // the coil from C1 (L, or the Pi-L's L1), uH
  float l2_uh;     // the Pi-L's L2, uH; 0 for the plain Pi
  float c_hot_pf;  // C1 less the tube's, the tuning variable's need, pF
  float c2_pf;
};

Parts parts_for(const TankValues& v, const TypedInputs& typed, const PartsOptions& options) {
  Parts p;
  const auto d = [](float x) { return static_cast<double>(x); };
  p.ratings = ratings::rate(d(v.u_c1_rms), d(v.u_c2_rms), d(typed.e_supply), options.feed,
                            d(options.margin));
  p.coil_h = d(v.l_uh) * kHenriesPerMicrohenry;
  if (options.coil) {
    p.coil = coil::solve(p.coil_h, geometry(*options.coil));
    if (v.l2_uh > 0.0f) {
      p.l2_coil = coil::solve(d(v.l2_uh) * kHenriesPerMicrohenry, geometry(*options.coil));
    }
  }
  if (options.capacitors) {
    const CapacitorOptions& c = *options.capacitors;
    // C1's variable supplies the hot capacitance: C1 less the tube's.
    p.c1 = tuning::setting(d(v.c_hot_pf), d(typed.c_var_min), d(c.c1_max_pf));
    p.c2 = tuning::setting(d(v.c2_pf), d(c.c2_min_pf), d(c.c2_max_pf));
  }
  return p;
}

}  // namespace

bool shows(PartGroup group, const PartsOptions& options) {
  switch (group) {
    case PartGroup::ratings:
      return true;
    case PartGroup::coil:
      return options.coil.has_value();
    case PartGroup::tuning:
      return options.capacitors.has_value();
    case PartGroup::l2_coil:
      return options.coil.has_value();
  }
  return false;
}

std::optional<double> coil_value(const std::optional<coil::Solved>& solved, CoilValue v) {
  if (!solved || !solved->coil) return std::nullopt;
  switch (v) {
    case CoilValue::turns:
      return solved->coil->turns;
    case CoilValue::length_mm:
      return solved->coil->length_m * kMmPerMetre;
    case CoilValue::conductor_m:
      return solved->coil->conductor_m;
  }
  return std::nullopt;
}

std::string_view group_key(PartGroup group) {
  switch (group) {
    case PartGroup::ratings:
      return "ratings";
    case PartGroup::coil:
      return "coil";
    case PartGroup::tuning:
      return "tuning";
    case PartGroup::l2_coil:
      return "l2_coil";
  }
  return "";
}

std::string_view feed_key(ratings::Feed feed) {
  return feed == ratings::Feed::series ? "series" : "shunt";
}

std::string_view reason_key(tuning::Reason reason) {
  static constexpr std::array<std::string_view, 6> kKeys{
      "inside", "padded", "below_minimum", "range_too_narrow", "invalid_range", "need_not_finite"};
  return kKeys.at(static_cast<std::size_t>(reason));
}

coil::Geometry geometry(const CoilOptions& c) {
  return {static_cast<double>(c.diameter_mm) * kMetresPerMm,
          static_cast<double>(c.pitch_mm) * kMetresPerMm,
          static_cast<double>(c.wire_mm) * kMetresPerMm};
}

std::optional<Parts> parts_of(const Design& design, const TypedInputs& typed,
                              const PartsOptions& options) {
  if (!design.completed()) return std::nullopt;
  const stage::StageResults& r = design.record.results;
  return parts_for({r.u_in_rms, r.u_out_rms, r.l_uh, 0.0f, r.c_hot_pf, r.c2_pf}, typed, options);
}

std::optional<Parts> pi_l_parts_of(const design::PiLDesign& design, const TypedInputs& typed,
                                   const PartsOptions& options) {
  if (!design.completed()) return std::nullopt;
  const design::PiLResults& r = design.results;
  return parts_for({r.u_c1_rms, r.u_mid_rms, r.l1_uh, r.l2_uh, r.c_hot_pf, r.c2_pf}, typed,
                   options);
}

bool reachable(const Parts& parts) {
  return parts.c1 && parts.c2 && parts.c1->reachable && parts.c2->reachable;
}

tuning::Reason overall_reason(const Parts& parts) {
  if (parts.c1 && !parts.c1->reachable) return parts.c1->reason;
  if (parts.c2 && !parts.c2->reachable) return parts.c2->reason;
  return padded(parts.c1) || padded(parts.c2) ? tuning::Reason::padded : tuning::Reason::inside;
}

PartsSummary summarise_parts(const std::vector<Design>& designs,
                             const std::vector<std::optional<Parts>>& parts,
                             const PartsOptions& options) {
  PartsSummary s;
  std::vector<double> inductances_h;
  std::vector<Extremes> largest;
  largest.reserve(kPartLines.size());
  for (const PartLine& line : kPartLines) largest.emplace_back(line.decimals);
  for (std::size_t k = 0; k < designs.size() && k < parts.size(); ++k) {
    if (!parts[k]) continue;
    const float f = designs[k].f_mhz;
    for (std::size_t i = 0; i < kPartLines.size(); ++i) {
      const std::optional<double> v = kPartLines[i].value(*parts[k]);
      if (v) largest[i].visit(static_cast<float>(*v), f);
    }
    inductances_h.push_back(parts[k]->coil_h);
    s.tap_f_mhz.push_back(f);
  }
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (kPartLines[i].summary_name != nullptr && !largest[i].empty())
      s.largest[i] = largest[i].max();
  }
  if (options.coil && !inductances_h.empty()) {
    s.coil = coil::tapped(inductances_h, geometry(*options.coil));
    if (s.coil->coil) {
      s.whole = coil_loss::evaluate(s.coil->coil->turns, geometry(*options.coil),
                                    static_cast<double>(s.tap_f_mhz.front()) * kHzPerMhz);
    }
  }
  return s;
}

}  // namespace plan
