#pragma once

// The plan's Pi-L tank (--network pi-l): the Pi-L column of one frequency,
// the engine's Pi-L design beside the plain Pi designed from the same
// starting values.

#include <limits>
#include <string_view>

#include "main/pi_l_design.hpp"
#include "main/stage_record.hpp"

namespace plan {

// The tank valvenet-plan designs (--network): the plain Pi, or the Pi-L
// beside it.
enum class TankKind { pi, pi_l };

// The report's name of a network, and the word of --network: "pi" or "pi-l".
inline std::string_view network_name(TankKind n) {
  return n == TankKind::pi_l ? "pi-l" : "pi";
}

// The default intermediate resistance of --r-mid, ohm: a few times a 50-ohm
// load, so that the L section's Q lies near 2.
inline constexpr float kDefaultRMid = 300.0f;

// The keys of --network and --r-mid in the JSON "inputs" object.
namespace network_key {
inline constexpr std::string_view network = "network";
inline constexpr std::string_view r_mid = "r_mid";
}  // namespace network_key

// The Pi-L of one frequency and what the plain Pi of the same starting
// values gives beside it.
struct PiLColumn {
  design::PiLDesign design;
  // The plain Pi's discrimination of its final network between f and 2f
  // (the engine's garmonica1) and f and 3f (the engine's network solution
  // with the same generator), dB; NaN when the plain Pi was refused.
  float pi_h2_db = std::numeric_limits<float>::quiet_NaN();
  float pi_h3_db = std::numeric_limits<float>::quiet_NaN();
};

// The Pi-L column of one frequency.
// plain : the plain Pi's calculation, its starting values in plain.inputs
// plain_completed : whether the plain Pi completed
// r_mid : ohm, above the load resistance;  raise_q : the answer to the hot-capacitance question
PiLColumn pi_l_column(const stage::StageRecord& plain, bool plain_completed, float r_mid,
                      bool raise_q);

}  // namespace plan
