#pragma once

// The JSON of valvenet-plan's outputs and of the --inputs file.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace plan {

// JSON whose numbers are 32-bit floats: written with the shortest digits
// that read back as the same float (at most 9 significant), read back with
// strtof. Objects keep the order in which their members were added.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

}  // namespace plan
