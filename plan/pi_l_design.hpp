#pragma once

// The plan's Pi-L tank (--network pi-l): the Pi-L design at every frequency,
// beside the plain Pi the engine designs from the same starting values.

#include <limits>
#include <string_view>
#include <vector>

#include "main/pi_l_design.hpp"
#include "main/starting_values.hpp"

namespace plan {

struct Design;

enum class Network { pi, pi_l };

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

// The plain Pi's discriminations at 2f and 3f of a completed calculation, dB.
struct Discrimination {
  float h2_db = 0.0f;
  float h3_db = 0.0f;
};
Discrimination plain_pi_discrimination(const stage::StageRecord& record);

// The upper bound of the anode resistance of any design from these starting
// values, ohm: U^2 / P, the anode resistance of a lossless network. Rm must
// lie below it.
// typed : the starting values, typed units, within the dialog's ranges
float anode_resistance_bound(const starting_values::TypedInputs& typed);

// Adds the Pi-L column to every design, in place.
// designs : the plain Pi designs, their starting values taken from each record
// r_mid : ohm, above the load resistance;  raise_q : the answer to the hot-capacitance question
void add_pi_l(std::vector<Design>& designs, float r_mid, bool raise_q);

}  // namespace plan
