#pragma once

// One calculation of the output stage, from the starting values in the
// record to its results: the stage design procedure.

#include <cstdint>
#include <vector>

#include "main/stage_record.hpp"
#include "spectrum/spectrum.hpp"

namespace design {

// Which explanation precedes the hot-capacitance question.
enum class HotCapText {
  below_tube,     // c1 < c_tube: the hot capacitance would be negative (text A)
  below_var_min,  // c_tube <= c1 < c_tube + c_var_min (text B)
};

// The console moments of one calculation, supplied by the caller.
class DesignConsole {
 public:
  virtual ~DesignConsole() = default;
  // Clears the screen and says that the calculation runs.
  virtual void announce_calculation() = 0;
  // Shows the explanation, asks whether to raise the loaded Q; true for yes.
  virtual bool ask_raise_loaded_q(HotCapText text) = 0;
};

// The design console of a caller with nobody to ask (valvenet-plan, tests,
// benchmarks): nothing is shown, the hot-capacitance question gets a fixed
// answer, and what the calculation asked is kept.
class FixedAnswer final : public DesignConsole {
 public:
  // raise_q : the answer to the hot-capacitance question, true for yes
  explicit FixedAnswer(bool raise_q) : raise_q_(raise_q) {}
  void announce_calculation() override { ++announcements_; }
  bool ask_raise_loaded_q(HotCapText text) override {
    questions_.push_back(text);
    return raise_q_;
  }
  int announcements() const { return announcements_; }
  const std::vector<HotCapText>& questions() const { return questions_; }

 private:
  bool raise_q_;
  int announcements_ = 0;
  std::vector<HotCapText> questions_;
};

enum class Outcome {
  completed,           // results, pulse coefficients and warning flag written
  refused_critical_q,  // critical Q above 0.7 * Q0: nothing left to report
};

// True when the critical Q rules the design out: strictly above 0.7 * Q0.
// q_critical : critical Q, >= 1;  q_unloaded : Q0, 50 <= Q0 <= 750
bool refused_by_critical_q(float q_critical, float q_unloaded);

// Power of the second harmonic that reaches the load, mW.
// p_h1 : first-harmonic power into the network, W
// filter_achieved_db : suppression of the second harmonic reached, dB
float second_harmonic_power_mw(float p_h1, float filter_achieved_db);

// The frequencies of the pass-band and S11 sweeps of a design.
struct SweepPlan {
  float start_hz = 0.0f;   // Hz, first point of the pass-band sweep
  float f_low_hz = 0.0f;   // Hz, first point of the S11 sweep
  float step_hz = 0.0f;    // Hz, spacing of both
  std::int32_t count = 0;  // points of the pass-band sweep
  std::int32_t s11_points = 0;
};
// f_hz : working frequency, Hz, 1e5 <= f_hz <= 6e7
SweepPlan sweep_plan(float f_hz);

// The final network of a completed calculation in SI units: the one its
// sweeps and reflections used.
spectrum::Network final_network(const stage::StageRecord& record);

// Runs one calculation of the stage from record.start. The working p_out in
// record.start may leave it changed when the loaded-Q search had to nudge it.
Outcome run_design(stage::StageRecord& record, DesignConsole& console);

}  // namespace design
