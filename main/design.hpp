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

// Runs one calculation of the stage from record.start. The working p_out in
// record.start may leave it changed when the loaded-Q search had to nudge it.
Outcome run_design(stage::StageRecord& record, DesignConsole& console);

}  // namespace design
