#pragma once

// What a person choosing the parts needs over all frequencies: the range of
// each element value and the heaviest duty of each element.

#include <optional>
#include <string_view>
#include <vector>

#include "plan/report/stage_design.hpp"
#include "plan/texts/text_fields.hpp"

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

struct ElementDuties {
  Duty c1;
  Duty coil;
  Duty c2;
};

// An element value whose range over the designs the summary gives: its
// JSON key, its label in the table, its value in a design whose network
// completed.
struct SpanValue {
  std::string_view key;
  std::string_view PlanTexts::*label;
  float (*value)(const Design&);
};

// The plain Pi's elements (C1, its hot part, L, C2) and the Pi-L's (C1,
// L1, C2, L2), in the table's order.
extern const std::vector<SpanValue> kPiSpans;
extern const std::vector<SpanValue> kPiLSpans;

// The ranges of a network's elements, one per SpanValue of its list.
using Spans = std::vector<Span>;

// The range of the element of a list with this key.
// spans : of list;  key : of an entry of list
const Span& span_of(const Spans& spans, const std::vector<SpanValue>& list, std::string_view key);

// Over the completed designs only; values that are not a number are left
// out.
struct Summary {
  int completed = 0;
  int refused = 0;
  std::optional<Spans> spans;           // of kPiSpans; nullopt when no design completed
  std::optional<ElementDuties> duties;  // nullopt when no design completed
  // The completed designs whose hot capacitance stays below the variable
  // capacitor's minimum (the design procedure's own test: Ctube + Cvar,min
  // above C1), MHz, in the given order.
  std::vector<float> hot_cap_below_min_f_mhz;
  // With --network pi-l: nullopt when no Pi-L design completed.
  std::optional<Spans> pi_l_spans;  // of kPiLSpans
};

Summary summarise(const std::vector<Design>& designs);

}  // namespace plan
