#pragma once

// The settings of the tank's variable capacitors: where each band puts the
// dial, and the fixed capacitor to put in parallel where a band needs more
// than the variable gives.

namespace tuning {

// How a band reaches the capacitance it needs; the texts that explain each
// one live with the program's other texts.
enum class Reason {
  inside,            // the variable alone gives it
  padded,            // the variable with a fixed padder in parallel gives it
  below_minimum,     // the need lies below the variable's minimum: a parallel padder only adds
  range_too_narrow,  // no whole-pF padder leaves a tenth of the range to spare at each end
  invalid_range,     // the range is not min >= 0 < max with min < max (or not numbers)
  need_not_finite,   // the need is not a number
};

// A padder leaves this share of the variable's range to spare at each end,
// so the band can still be trimmed both ways.
constexpr double kSpareShare = 0.1;

// Padders come in whole picofarads.
constexpr double kPadderStepPf = 1.0;

struct Setting {
  bool reachable = false;   // inside or padded
  double setting_pf = 0.0;  // the variable's setting, pF (when reachable)
  double padder_pf = 0.0;   // the fixed capacitor in parallel, whole pF, 0 for none
  Reason reason = Reason::inside;
};

// need_pf : the capacitance the band needs from the variable and its padder, pF
// min_pf  : the variable's minimum, pF, >= 0
// max_pf  : the variable's maximum, pF, > min_pf
Setting setting(double need_pf, double min_pf, double max_pf);

// One padder for a range of needs (the loads a band must tune): the padder
// setting() chooses for the largest need, provided the smallest need then
// still lies on the dial with the same spare (none needed: inside the range).
struct Cover {
  bool covers = false;     // one padder serves every need of the range
  double padder_pf = 0.0;  // the fixed capacitor in parallel, whole pF (when covers)
  Reason reason = Reason::inside;
};
// low_pf, high_pf : the smallest and largest need, pF, low_pf <= high_pf
// min_pf : the variable's minimum, pF, >= 0;  max_pf : its maximum, pF, > min_pf
Cover cover(double low_pf, double high_pf, double min_pf, double max_pf);

// True when the variable with this padder gives need_pf.
// need_pf : pF;  padder_pf : pF, >= 0;  min_pf, max_pf : the variable's range, pF
bool reaches(double need_pf, double padder_pf, double min_pf, double max_pf);

}  // namespace tuning
