#pragma once

// One calculation of the output stage, from the starting values in the
// record to its results: the stage design procedure.

#include <cstdint>
#include <vector>

#include "main/stage_record.hpp"
#include "spectrum/response.hpp"
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

// The rules of the loaded-Q search, shared by every network the stage
// design gives (the Pi here, the Pi-L in main/pi_l_design).

// The loaded Q: where the search starts, by how much each pass raises it,
// and its margin above the critical Q, the lowest Q with which the network
// transforms at all (20 % above it, so that the elements stay well apart
// from the transformation limit).
inline constexpr float kStartingLoadedQ = 7.0f;
inline constexpr float kQStep = 0.05f;
inline constexpr float kCriticalQMargin = 1.2f;

// A critical Q above 0.7 Q0 leaves no loaded Q that keeps a usable
// network efficiency: the design is refused.
inline constexpr float kCriticalQShareOfQ0 = 0.7f;

// The search and the raise of the loaded Q stop at these limits: network
// efficiency below 0.7, or a loaded Q above 0.3 Q0.
inline constexpr float kLowestNetworkEfficiency = 0.7f;
inline constexpr float kHighestLoadedQShareOfQ0 = 0.3f;

// dB subtracted from the suppression the network model gives: the margin
// for what the model leaves out (stray coupling, the coil's self-capacitance).
inline constexpr float kSuppressionCorrectionDb = 2.5f;

// Pulse: the DC term and the first two harmonics of the anode current pulse
// normalised to a peak of 1.
// in : starting values, SI units, within the dialog's ranges
stage::PulseCoeffs pulse_coefficients(const stage::StageInputs& in);

// The suppression the pulse itself gives the 2nd harmonic, 20 lg(a1 / a2), dB.
// a : the pulse coefficients, a1, a2 > 0
float pulse_h2_ratio_db(const stage::PulseCoeffs& a);

// RMS anode voltage of the first harmonic, (E - Umin) / sqrt 2, V.
// in : starting values, SI units, u_min < e_supply
float first_harmonic_u_rms(const stage::StageInputs& in);

// True when the loaded Q lies below the critical-Q margin and is raised to it.
// q_loaded : the starting loaded Q;  q_critical : critical Q, >= 1
bool below_critical_margin(float q_loaded, float q_critical);

// True when the search or the raise of the loaded Q must stop.
// eff_network : network efficiency, 0..1;  q_loaded : loaded Q;  q_unloaded : Q0, 50..750
bool past_limits(float eff_network, float q_loaded, float q_unloaded);

// The suppression of the stage, dB, from the network's and the pulse's own.
// network_h2_db : the network's discrimination between f and 2f, dB
// h2_ratio_db   : pulse_h2_ratio_db, dB
float stage_suppression_db(float network_h2_db, float h2_ratio_db);

// The anode circuit that delivers p_h1 at u_in_rms, SI units.
struct AnodeCircuit {
  float i_h1_a = 0.0f;      // amplitude of the first harmonic of the anode current, A
  float i_peak_a = 0.0f;    // peak of the pulse, A
  float i_dc_a = 0.0f;      // DC term, A
  float p_supply_w = 0.0f;  // power from the anode supply, W
  float eff_anode = 0.0f;   // p_h1 / p_supply
};
// p_h1 : first-harmonic power into the network, W, > 0;  u_in_rms : V, > 0
// a : the pulse coefficients;  e_supply : anode supply voltage, V, > 0
AnodeCircuit anode_circuit(float p_h1, float u_in_rms, const stage::PulseCoeffs& a, float e_supply);

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

// The final network of a completed calculation with its working point, for
// its response (response::sweep).
response::PiTank pi_tank(const stage::StageRecord& record);

// The plain Pi's discriminations of a completed calculation's final
// network between f and 2f (the engine's garmonica1) and f and 3f (the
// network solution with garmonica1's generator), dB.
struct Discrimination {
  float h2_db = 0.0f;
  float h3_db = 0.0f;
};
Discrimination plain_pi_discrimination(const stage::StageRecord& record);

// Runs one calculation of the stage from record.start. The working p_out in
// record.start may leave it changed when the loaded-Q search had to nudge it.
Outcome run_design(stage::StageRecord& record, DesignConsole& console);

}  // namespace design
