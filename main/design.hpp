#pragma once

#include "main/stage_record.hpp"

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

// Runs one calculation of the stage from record.start. The working p_out in
// record.start may leave it changed when the loaded-Q search had to nudge it.
Outcome run_design(stage::StageRecord& record, DesignConsole& console);

}  // namespace design
