#pragma once

// What a person choosing the parts needs over all frequencies: the range of
// each element value and the heaviest duty of each element.

#include <optional>
#include <vector>

#include "plan/stage_design.hpp"

namespace plan {

// The decimals the table prints each summary value with: values that print
// the same are the same largest (or smallest) value.
inline constexpr int kSpanDecimals = 3;      // pF, uH
inline constexpr int kCurrentDecimals = 3;   // A
inline constexpr int kVoltageDecimals = 1;   // V
inline constexpr int kReactiveDecimals = 1;  // var

// An extreme value and the frequency of the design where it occurs: when
// several designs print the same extreme value, the lowest of their
// frequencies.
struct AtFrequency {
  float value = 0.0f;
  float f_mhz = 0.0f;
};

struct Span {
  AtFrequency min;
  AtFrequency max;
};

// Keeps the values of one quantity as the designs are visited; the
// extremes are decided at the end by the printed form: the largest (or
// smallest) value, named at the lowest frequency among the designs that
// print the same.
class Extremes {
 public:
  // decimals : those the value is printed with, 0..17
  explicit Extremes(int decimals) : decimals_(decimals) {}
  // A value that is not a number is left out.
  void visit(float value, float f_mhz);
  bool empty() const { return seen_.empty(); }
  Span span() const { return {extreme(false), extreme(true)}; }
  AtFrequency max() const { return extreme(true); }

 private:
  AtFrequency extreme(bool largest) const;

  int decimals_;
  std::vector<AtFrequency> seen_;
};

// The largest RMS current, RMS voltage and reactive power of one element.
// The voltage is Q / I of the same solution: |V| across a capacitor and
// omega * L * |I| across the coil.
struct Duty {
  AtFrequency current_a;
  AtFrequency voltage_v;
  AtFrequency reactive_var;
};

struct ElementSpans {
  Span c1_total_pf;
  Span c_hot_pf;
  Span l_uh;
  Span c2_pf;
};

struct ElementDuties {
  Duty c1;
  Duty coil;
  Duty c2;
};

// The Pi-L's four elements over its completed designs.
struct PiLSpans {
  Span c1_total_pf;
  Span l1_uh;
  Span c2_pf;
  Span l2_uh;
};

// Over the completed designs only; values that are not a number are left
// out.
struct Summary {
  int completed = 0;
  int refused = 0;
  std::optional<ElementSpans> spans;    // nullopt when no design completed
  std::optional<ElementDuties> duties;  // nullopt when no design completed
  // The completed designs whose hot capacitance stays below the variable
  // capacitor's minimum (the design procedure's own test: Ctube + Cvar,min
  // above C1), MHz, in the given order.
  std::vector<float> hot_cap_below_min_f_mhz;
  // With --network pi-l: nullopt when no Pi-L design completed.
  std::optional<PiLSpans> pi_l_spans;
};

Summary summarise(const std::vector<Design>& designs);

}  // namespace plan
