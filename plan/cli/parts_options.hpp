#pragma once

// The parts options of the command line (or of the file of --inputs): the
// feed and the margin, the coil, the variable capacitors, the anode choke
// and the blocking capacitor; and the winding valvenet-plan choke finds the
// turns of. Every check is the program's own and names the option.

#include <array>
#include <string>
#include <vector>

#include "plan/cli/option_values.hpp"
#include "plan/report/settings.hpp"

namespace plan {

// The coil's sizes: given all together or not at all, and what Q0 from the
// coil needs.
inline constexpr std::array<OptionId, 3> kCoilSizes{OptionId::coil_diameter, OptionId::wire,
                                                    OptionId::pitch};

// Reads the parts options into s.parts (s.inputs.c_var_min already read);
// each mistake into errors.
// t : texts of the run's language;  given : the run's options;  s : the settings;  errors : added
// to
void read_parts(const PlanTexts& t, const GivenOf& given, Settings& s,
                std::vector<std::string>& errors);

// valvenet-plan choke: the winding (each of its three options required) and
// the reactance floor into s.choke_search; each mistake into errors.
// t : texts;  given : the command's options;  s : the settings;  errors : added to
void read_choke_search(const PlanTexts& t, const GivenOf& given, Settings& s,
                       std::vector<std::string>& errors);

}  // namespace plan
