#include "parts/tuning.hpp"

#include <cmath>

namespace tuning {

namespace {

// A padder that lands within this of a whole picofarad is taken as that
// whole value: the need comes from single-precision element values, and one
// of their last bits must not buy a padder one picofarad larger.
constexpr double kWholeTolerancePf = 1e-6;

Setting unreachable(Reason reason) {
  Setting s;
  s.reason = reason;
  return s;
}

}  // namespace

Setting setting(double need_pf, double min_pf, double max_pf) {
  if (!std::isfinite(min_pf) || !std::isfinite(max_pf) || !(min_pf >= 0.0) || !(max_pf > min_pf)) {
    return unreachable(Reason::invalid_range);
  }
  if (!std::isfinite(need_pf)) return unreachable(Reason::need_not_finite);
  if (need_pf < min_pf) return unreachable(Reason::below_minimum);
  if (need_pf <= max_pf) return {true, need_pf, 0.0, Reason::inside};

  const double spare = kSpareShare * (max_pf - min_pf);
  const double highest = max_pf - spare;
  const double lowest = min_pf + spare;
  // The smallest whole padder that brings the setting down to `highest`.
  const double padder =
      kPadderStepPf * std::ceil((need_pf - highest) / kPadderStepPf - kWholeTolerancePf);
  const double set = need_pf - padder;
  if (set < lowest - kWholeTolerancePf) return unreachable(Reason::range_too_narrow);
  return {true, set, padder, Reason::padded};
}

Cover cover(double low_pf, double high_pf, double min_pf, double max_pf) {
  const Setting top = setting(high_pf, min_pf, max_pf);
  if (!top.reachable) return {false, 0.0, top.reason};
  if (!std::isfinite(low_pf)) return {false, 0.0, Reason::need_not_finite};
  if (low_pf < min_pf) return {false, 0.0, Reason::below_minimum};
  if (top.padder_pf == 0.0) return {true, 0.0, Reason::inside};
  const double lowest = min_pf + kSpareShare * (max_pf - min_pf);
  if (low_pf - top.padder_pf < lowest - kWholeTolerancePf) {
    return {false, 0.0, Reason::range_too_narrow};
  }
  return {true, top.padder_pf, Reason::padded};
}

bool reaches(double need_pf, double padder_pf, double min_pf, double max_pf) {
  const double set = need_pf - padder_pf;
  return set >= min_pf - kWholeTolerancePf && set <= max_pf + kWholeTolerancePf;
}

}  // namespace tuning
