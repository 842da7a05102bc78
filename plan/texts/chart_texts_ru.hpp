#pragma once

// The drawings' texts in Russian.

#include "plan/texts/chart_text_fields.hpp"

namespace plan {

inline constexpr ChartTexts kRussianChartTexts{
    .plot_network_at = "П-контур на %1 МГц",
    .plot_title = "%1: АЧХ и |S11| от 0.5·f до 3.5·f",
    .plot_refused = "Расчёт отклонён: %1 (больше 0.7·Q0).",
    .plot_no_curves = "Графика нет: у такого каскада нет рассчитанного П-контура.",
    .plot_elements =
        "С1 = %1 пФ,  L = %2 мкГн,  С2 = %3 пФ,  Qн = %4,  Q0 = %5,  Roe = %6 Ом,  "
        "Rн = %7 Ом",
    .plot_response_panel = "АЧХ: |Uвых| относительно максимума, дБ",
    .plot_db = "дБ",
    .plot_s11_panel = "|S11| на входе П-контура (относительно Roe)",
    .plot_frequency_axis = "Частота, МГц",
    .plot_mark = "%1 = %2 МГц",
    .plot_level = "уровень %1 дБ",
    .plot_suppression = "подавление %1 дБ",
    .plot_response_legend = "АЧХ, дБ относительно максимума",
    .plot_band_1db = "−1 дБ по кривой: %1",
    .plot_band_1db_none = "−1 дБ по кривой: нет",
    .plot_s11_legend = "|S11| относительно Roe",
    .plot_band_s11 = "|S11| < 0.1 по кривой: %1",
    .plot_band_s11_none = "|S11| < 0.1 по кривой: нигде",
    .plot_band = "%1…%2 МГц (%3 кГц)",
    .plot_generator =
        "Генератор как при расчёте полосы пропускания: Eг = 11·U, Rг = 11·Roe, "
        "U = %1 В.",
    .plot_table_bands =
        "В таблице (по шагу расчёта): полоса −1 дБ %1 кГц, полоса S11 по "
        "уровню 0.1 %2 кГц.",
    .plot_which_is_which =
        "Полосы в подписях графика найдены по самой кривой, точнее шага "
        "расчёта, поэтому немного отличаются от таблицы.",
    .plot_suppression_note =
        "Подавление на графике — самого П-контура; фильтрация 2-й "
        "гармоники каскада по расчёту (с импульсом тока): %1 дБ.",
    .plot_pi_l_network_at = "П-L-контур на %1 МГц",
    .plot_pi_l_refused = "Расчёт П-L-контура отклонён: %1.",
    .plot_pi_l_elements =
        "С1 = %1 пФ,  L1 = %2 мкГн,  С2 = %3 пФ,  L2 = %4 мкГн,  Rm = %5 Ом,  "
        "Qн = %6,  Q0 = %7,  Roe = %8 Ом,  Rн = %9 Ом",
    .plot_pi_l_s11_panel = "|S11| на входе П-L-контура (относительно Roe)",
    .plot_pi_l_suppression_note =
        "Подавление на графике — самого П-L-контура; фильтрация 2-й гармоники "
        "каскада: %1 дБ; П-контур: 2f %2 дБ, 3f %3 дБ.",
    .plot_pi_l_no_curves = "Графика нет: П-L-контур не рассчитан.",
    .smith_title_pi = "Диаграмма Смита П-контура, %1 МГц",
    .smith_title_pi_l = "Диаграмма Смита П-L-контура, %1 МГц",
    .smith_subtitle = "КСВ %1 вокруг %2 Ом; Roe = %3 Ом; согласуемых нагрузок: %4 из %5",
    .smith_refused = "Расчёт на этой частоте не выполнен: нагрузок нет",
    .smith_matched = "согласуется",
    .smith_not_matched = "не согласуется",
    .smith_design_load = "нагрузка расчёта",
    .smith_swr = "КСВ",
    .smith_region = "доступно С1 и С2",
    .smith_resistance = "активное: r = R / R0",
    .smith_reactance = "реактивное: x = X / R0",
};

}  // namespace plan
