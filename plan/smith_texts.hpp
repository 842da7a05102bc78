#pragma once

// The Smith chart's words in both languages, until they join the language
// files.

#include "plan/smith_chart.hpp"

namespace plan {

inline constexpr SmithTexts kRussianSmithTexts{
    .matched = "согласуется",
    .not_matched = "не согласуется",
    .design_load = "нагрузка расчета",
    .swr = "КСВ",
    .region = "доступно C1 и C2",
    .resistance = "активное: r = R / R0",
    .reactance = "реактивное: x = X / R0",
    .r0 = "R0",
    .ohm = "Ом",
};

inline constexpr SmithTexts kEnglishSmithTexts{
    .matched = "matched",
    .not_matched = "not matched",
    .design_load = "design load",
    .swr = "SWR",
    .region = "reached by C1 and C2",
    .resistance = "resistance: r = R / R0",
    .reactance = "reactance: x = X / R0",
    .r0 = "R0",
    .ohm = "ohm",
};

}  // namespace plan
