#pragma once

// The parts' row labels in Russian.

#include "plan/texts/part_text_fields.hpp"

namespace plan {

inline constexpr PartTexts kRussianPartTexts{
    .c1_peak_v = "Пиковое U на С1, В",
    .c1_rating_v = "Номинал С1 по напряжению, В",
    .c2_peak_v = "Пиковое U на С2, В",
    .c2_rating_v = "Номинал С2 по напряжению, В",
    .blocking_rating_v = "Номинал разделительного С, В",
    .coil_turns = "Витков катушки",
    .coil_length_mm = "Длина намотки, мм",
    .coil_conductor_m = "Длина провода, м",
    .c1_setting_pf = "КПЕ С1 установить на, пФ",
    .c1_padder_pf = "Добавочный к С1, пФ",
    .c2_setting_pf = "КПЕ С2 установить на, пФ",
    .c2_padder_pf = "Добавочный к С2, пФ",
    .l2_coil_turns = "Витков катушки L2",
    .l2_coil_length_mm = "Длина намотки L2, мм",
    .l2_coil_conductor_m = "Длина провода L2, м",
    .coil_q = "Добротность катушки",
    .coil_q_apparent = "Кажущаяся добротность катушки",
    .coil_r_ohm = "Сопротивление потерь катушки, Ом",
    .coil_c_self_pf = "Собственная ёмкость катушки, пФ",
    .coil_srf_mhz = "Собственный резонанс катушки, МГц",
    .l2_coil_q = "Добротность катушки L2",
    .l2_coil_q_apparent = "Кажущаяся добротность катушки L2",
    .l2_coil_r_ohm = "Сопротивление потерь катушки L2, Ом",
    .l2_coil_c_self_pf = "Собственная ёмкость катушки L2, пФ",
    .l2_coil_srf_mhz = "Собственный резонанс катушки L2, МГц",
    .coil_eff_network_pct = "КПД контура с этой катушкой, %",
};

}  // namespace plan
