#pragma once

// Every text of valvenet-plan's own (messages, --help, the summary's extra
// lines, the plot), in one table per language. The labels of the results
// and the warnings are the console programs' (text/). A pattern's %1, %2,
// ... are filled by fill().

#include <initializer_list>
#include <string>
#include <string_view>

namespace plan {

struct PlanTexts {
  char decimal_mark;  // of the numbers written in messages and help

  // Units, as the dialog writes them.
  std::string_view watt, volt, ohm, degree, picofarad, megahertz, decibel;

  // What each starting value is, for --help (the dialog's prompt number).
  std::string_view p_out, e_supply, r_load, exponent, angle, q0, u_min, filter_db, c_tube,
      c_var_min;

  // Ranges: %1 the lower bound, %2 the upper, then the unit after a blank.
  std::string_view from_to, above_at_most, at_least, above;

  // Messages on standard error, after the program's name.
  std::string_view program;         // "valvenet-plan: "
  std::string_view see_help;        // the last line after errors
  std::string_view missing;         // %1 option, %2 range
  std::string_view no_value;        // %1 option, %2 range
  std::string_view not_a_number;    // %1 option, %2 as given, %3 range
  std::string_view list_hint;       // after not_a_number of --freq with a comma
  std::string_view not_finite;      // %1 option, %2 as given, %3 range
  std::string_view out_of_range;    // %1 option, %2 as given, %3 range
  std::string_view u_min_limit;     // %1 as given, %2 0.95 x E
  std::string_view repeated;        // %1 option
  std::string_view unknown_option;  // %1 as given
  std::string_view stray;           // %1 as given
  std::string_view takes_no_value;  // %1 option, %2 the value
  std::string_view not_both;        // --freq and --bands together
  std::string_view no_frequency;    // neither --freq nor --bands
  std::string_view unknown_set;     // %1 as given
  std::string_view unknown_format;  // %1 as given
  std::string_view plot_no_name;
  std::string_view plot_one;  // %1 number of frequencies
  std::string_view bad_arguments;
  std::string_view cannot_write_output;
  std::string_view cannot_write_file;  // %1 path, %2 reason
  // Reasons for the usual errno values: ENOENT, EACCES, ENOSPC, EISDIR,
  // EROFS; any other: %1 the system's text.
  std::string_view no_such_folder, no_permission, disk_full, is_a_folder, read_only, other_reason;

  // --help.
  std::string_view help_title, help_usage, help_starting_values, help_frequencies, help_freq,
      help_bands, help_other, help_raise_q, help_format, help_plot, help_help, help_footer;

  // The summary's extra line: the bands whose hot capacitance is below the
  // variable capacitor's minimum; %1 the frequencies.
  std::string_view hot_cap_below_min, hot_cap_below_min_none;

  // The plot (its numbers are written with a point, as in the table).
  std::string_view plot_network_at;  // %1 f, MHz
  std::string_view plot_title;       // %1 the network
  std::string_view plot_refused;     // %1 the refusal line
  std::string_view plot_no_curves;
  std::string_view plot_elements;  // %1 C1, %2 L, %3 C2, %4 QL, %5 Q0, %6 Roe, %7 Rload
  std::string_view plot_response_panel, plot_db, plot_s11_panel, plot_frequency_axis;
  std::string_view plot_mark;         // %1 f, 2f or 3f, %2 MHz
  std::string_view plot_level;        // %1 dB
  std::string_view plot_suppression;  // %1 dB
  std::string_view plot_response_legend;
  std::string_view plot_band_1db;  // %1 the band on the curve
  std::string_view plot_band_1db_none;
  std::string_view plot_s11_legend;
  std::string_view plot_band_s11;  // %1 the band
  std::string_view plot_band_s11_none;
  std::string_view plot_band;         // %1 low, %2 high MHz, %3 width kHz
  std::string_view plot_generator;    // %1 U, V
  std::string_view plot_table_bands;  // %1 -1 dB band, %2 S11 band, kHz
  std::string_view plot_which_is_which;
  std::string_view plot_suppression_note;  // %1 dB

  // --- The Pi-L tank (--network pi-l, --r-mid): texts of its own. ---
  // --help.
  std::string_view help_network, help_r_mid;
  // Messages on standard error.
  std::string_view unknown_network;       // %1 as given
  std::string_view r_mid_without_pi_l;    // --r-mid with the plain Pi
  std::string_view r_mid_not_above_load;  // %1 Rm, %2 the load resistance
  std::string_view r_mid_not_below_roe;   // %1 Rm, %2 U^2 / P
  // The table: the heading (%1 Rm), the status row, its words, and why a
  // design was refused.
  std::string_view pi_l_heading, pi_l_status, pi_l_completed, pi_l_refused;
  std::string_view pi_l_plain_pi_heading;  // above the plain Pi's grid in a Pi-L run
  std::string_view pi_l_refused_critical_q;
  std::string_view pi_l_refused_r_mid;  // %1 Rm, %2 Roe
  std::string_view pi_l_refused_pi_section;
  std::string_view pi_l_warnings_prefix;  // before each Pi-L warning in the table
  std::string_view pi_l_q_below_1;        // %1 Q_L
  std::string_view pi_l_q_above_10;       // %1 Q_L
  std::string_view pi_l_ranges;           // the summary's heading
  // The labels of the Pi-L's values (plan/pi_l_report.hpp), table and summary.
  std::string_view pi_l_c1_total_pf, pi_l_c_hot_pf, pi_l_l1_uh, pi_l_c2_pf, pi_l_l2_uh, pi_l_r_mid,
      pi_l_r_oe, pi_l_q_loaded, pi_l_q_critical, pi_l_q_l_section, pi_l_eff_network_pct,
      pi_l_eff_total_pct, pi_l_p_h1, pi_l_filter_achieved_db, pi_l_p_h2_out_mw, pi_l_i_c1_a,
      pi_l_u_c1_rms, pi_l_i_l1_a, pi_l_u_l1_rms, pi_l_i_c2_a, pi_l_u_mid_rms, pi_l_i_l2_a,
      pi_l_u_l2_rms, pi_l_u_load_rms, pi_l_passband_khz, pi_l_s11_band_khz, pi_l_s11_at_f,
      pi_l_h2_db, pi_l_h3_db, pi_l_pi_h2_db, pi_l_pi_h3_db;
  // The plot.
  std::string_view plot_pi_l_network_at;  // %1 f, MHz
  std::string_view plot_pi_l_refused;     // %1 the reason
  std::string_view
      plot_pi_l_elements;  // %1 C1, %2 L1, %3 C2, %4 L2, %5 Rm, %6 QL, %7 Q0, %8 Roe, %9 Rload
  std::string_view plot_pi_l_s11_panel;
  std::string_view plot_pi_l_suppression_note;  // %1 dB, %2 and %3 the plain Pi's at 2f and 3f
  std::string_view plot_pi_l_no_curves;
  // --- end of the Pi-L's texts. ---
};

inline constexpr PlanTexts kRussianTexts{
    .decimal_mark = ',',
    .watt = "Вт",
    .volt = "В",
    .ohm = "Ом",
    .degree = "градусов",
    .picofarad = "пФ",
    .megahertz = "МГц",
    .decibel = "дБ",
    .p_out = "выходная мощность в нагрузке (запрос 1 диалога)",
    .e_supply = "напряжение источника анодного питания E (запрос 2)",
    .r_load = "сопротивление нагрузки (запрос 3)",
    .exponent = "степень характеристики лампы (запрос 4)",
    .angle = "угол отсечки (запрос 5)",
    .q0 = "холостая добротность П-контура Q0 (запрос 6)",
    .u_min = "минимальное напряжение на аноде (запрос 7), не больше 0,95 × E",
    .filter_db = "требуемое подавление 2-й гармоники (запрос 8)",
    .c_tube = "выходная ёмкость лампы вместе с ёмкостью монтажа (запрос 9)",
    .c_var_min = "минимальная ёмкость КПЕ (запрос 10)",
    .from_to = "от %1 до %2",
    .above_at_most = "больше %1 и не больше %2",
    .at_least = "не меньше %1",
    .above = "больше %1",
    .program = "valvenet-plan: ",
    .see_help = "ключи и их пределы: valvenet-plan --help",
    .missing = "%1 не задан; ожидается %2",
    .no_value = "%1: не задано значение; ожидается %2",
    .not_a_number = "%1: «%2» — не число; ожидается %3",
    .list_hint = " (частоты списка пишутся через пробел: --freq 1,85 3,6 7,1)",
    .not_finite = "%1: «%2» — не конечное число; ожидается %3",
    .out_of_range = "%1: %2 вне пределов; ожидается %3",
    .u_min_limit = "--u-min: %1 вне пределов; ожидается не больше 0,95 × --e-supply = %2 В",
    .repeated = "%1 задан больше одного раза; укажите его один раз",
    .unknown_option = "неизвестный ключ %1",
    .stray = "лишний аргумент «%1»",
    .takes_no_value = "%1 не принимает значения (задано «%2»)",
    .not_both = "--freq и --bands исключают друг друга; укажите одно из двух",
    .no_frequency =
        "не заданы частоты; ожидается --freq с частотами от 0,1 до 60 МГц или "
        "--bands ham",
    .unknown_set = "--bands: неизвестный набор «%1»; ожидается ham",
    .unknown_format = "--format: неизвестный формат «%1»; ожидается table, csv или json",
    .plot_no_name = "--plot: пустое имя файла; ожидается ФАЙЛ.svg",
    .plot_one = "--plot рисует одну частоту, а задано частот: %1",
    .bad_arguments = "неверные аргументы",
    .cannot_write_output = "не удалось записать стандартный вывод",
    .cannot_write_file = "не удалось записать %1: %2",
    .no_such_folder = "нет такого каталога",
    .no_permission = "нет прав на запись",
    .disk_full = "диск заполнен",
    .is_a_folder = "на месте файла каталог",
    .read_only = "файловая система только для чтения",
    .other_reason = "ошибка системы (%1)",
    .help_title =
        "valvenet-plan — выходной каскад лампового передатчика с П-контуром,\n"
        "рассчитанный сразу для нескольких частот.",
    .help_usage =
        "Запуск: valvenet-plan ИСХОДНЫЕ-ДАННЫЕ (--freq МГц... | --bands ham)\n"
        "                      [--raise-q] [--format ФОРМАТ] [--plot ФАЙЛ.svg]",
    .help_starting_values = "Исходные данные (все обязательны, пределы те же, что в диалоге):",
    .help_frequencies = "Частоты (одно из двух):",
    .help_freq =
        "рабочие частоты, МГц, от 0,1 до 60: несколько чисел после ключа\n"
        "(--freq 1,85 3,6 7,1) или ключ несколько раз (--freq 1,85 --freq 7,1)",
    .help_bands =
        "набор частот: ham = 1,85 3,6 7,1 10,12 14,15 18,1 21,2 24,93 28,5\n"
        "50,1 МГц",
    .help_other = "Прочие ключи:",
    .help_raise_q =
        "на вопрос о малой горячей ёмкости отвечать «да»: повышать\n"
        "нагруженную добротность (без ключа: «нет»)",
    .help_format =
        "вывод на стандартный вывод: table — таблица с подписями отчёта,\n"
        "предупреждения и итоги (по умолчанию); csv — строка имён и строка\n"
        "на частоту; json — inputs, raise_q, designs, summary",
    .help_plot =
        "записать в ФАЙЛ.svg АЧХ |Uвых| в дБ и |S11| от 0,5·f до 3,5·f\n"
        "(только для одной частоты)",
    .help_help = "эта справка",
    .help_footer =
        "Числа пишутся как в диалоге: с точкой или с десятичной запятой (1,9 = 1.9),\n"
        "с порядком или без (2.5e3); NAN и INF не принимаются. Ключ со значением\n"
        "пишется через пробел или через = (--p-out 400, --p-out=400).\n"
        "\n"
        "Для каждой частоты выполняется тот же расчёт каскада, что в valvenet-utf8,\n"
        "и каждый результат совпадает с ним до бита. Расчёт, отклонённый по\n"
        "критической добротности (больше 0,7·Q0), выводится как отказ.\n"
        "\n"
        "Код возврата: 0, если все расчёты выполнены или отклонены по критической\n"
        "добротности; 2 при неверных аргументах (ничего не рассчитывается);\n"
        "1, если не удалось записать вывод или график.",
    .hot_cap_below_min = "Горячая ёмкость меньше минимальной ёмкости КПЕ на частотах: %1",
    .hot_cap_below_min_none = "Горячая ёмкость не меньше минимальной ёмкости КПЕ на всех частотах",
    .plot_network_at = "П-контур на %1 МГц",
    .plot_title = "%1: АЧХ и |S11| от 0.5·f до 3.5·f",
    .plot_refused = "Расчет отклонен: %1 (больше 0.7·Q0).",
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
        "Генератор как при расчете полосы пропускания: Eг = 11·U, Rг = 11·Roe, "
        "U = %1 В.",
    .plot_table_bands =
        "В таблице (по шагу расчета): полоса −1 дБ %1 кГц, полоса S11 по "
        "уровню 0.1 %2 кГц.",
    .plot_which_is_which =
        "Полосы в подписях графика найдены по самой кривой, точнее шага "
        "расчета, поэтому немного отличаются от таблицы.",
    .plot_suppression_note =
        "Подавление на графике — самого П-контура; фильтрация 2-й "
        "гармоники каскада по расчету (с импульсом тока): %1 дБ.",

    // --- The Pi-L tank. ---
    .help_network =
        "схема контура: pi — П-контур (по умолчанию); pi-l — П-L-контур: П-звено\n"
        "от Roe до Rm, затем последовательная катушка L2 (Г-звено) до нагрузки;\n"
        "рядом выводится подавление 2f и 3f П-контуром из тех же исходных данных",
    .help_r_mid =
        "промежуточное сопротивление Rm П-L-контура, Ом (по умолчанию 300);\n"
        "больше сопротивления нагрузки и меньше входного сопротивления Roe",
    .unknown_network = "--network: неизвестная схема «%1»; ожидается pi или pi-l",
    .r_mid_without_pi_l = "--r-mid задаётся только вместе с --network pi-l",
    .r_mid_not_above_load =
        "--r-mid: %1 Ом не больше сопротивления нагрузки --r-load = %2 Ом; "
        "Rm должно быть больше сопротивления нагрузки и меньше Roe",
    .r_mid_not_below_roe =
        "--r-mid: %1 Ом не меньше наибольшего возможного входного сопротивления "
        "Roe = U²/P = %2 Ом (U = (E − Umin)/√2); Rm должно быть больше "
        "сопротивления нагрузки и меньше Roe",
    .pi_l_heading =
        "П-L-контур (--network pi-l): П-звено от Roe до Rm = %1 Ом, катушка L2 "
        "от Rm до нагрузки",
    .pi_l_status = "Расчет П-L-контура",
    .pi_l_completed = "выполнен",
    .pi_l_refused = "отказ",
    .pi_l_plain_pi_heading = "П-контур из тех же исходных данных (для сравнения с П-L-контуром):",
    .pi_l_refused_critical_q = "критическая добротность П-звена выше 0.7·Q0",
    .pi_l_refused_r_mid = "Rm = %1 Ом не меньше входного сопротивления Roe = %2 Ом",
    .pi_l_refused_pi_section =
        "П-звено не имеет положительных элементов при достигнутой нагруженной "
        "добротности",
    .pi_l_warnings_prefix = "П-L: ",
    .pi_l_q_below_1 =
        "добротность Г-звена Q_L = %1 меньше 1: Rm близко к сопротивлению "
        "нагрузки, катушка L2 почти ничего не даёт",
    .pi_l_q_above_10 =
        "добротность Г-звена Q_L = %1 больше 10: Rm слишком велико, Г-звено "
        "узкополосно и теряет мощность",
    .pi_l_ranges = "Пределы значений элементов П-L-контура:",
    .pi_l_c1_total_pf = "С1 П-L-контура полная, пФ",
    .pi_l_c_hot_pf = "C горячего конденсатора П-L, пФ",
    .pi_l_l1_uh = "L1 П-L-контура, мкГн",
    .pi_l_c2_pf = "С2 П-L-контура (в точке Rm), пФ",
    .pi_l_l2_uh = "L2 П-L-контура, мкГн",
    .pi_l_r_mid = "Промежуточное сопротивление Rm, Ом",
    .pi_l_r_oe = "Входное сопр. П-L-контура (Roe), Ом",
    .pi_l_q_loaded = "Нагруженная добротность П-звена",
    .pi_l_q_critical = "Критическая добротность П-звена",
    .pi_l_q_l_section = "Добротность Г-звена Q_L",
    .pi_l_eff_network_pct = "КПД П-L-контура, %",
    .pi_l_eff_total_pct = "КПД общий с П-L-контуром, %",
    .pi_l_p_h1 = "Мощность 1-й гармоники в контуре, Вт",
    .pi_l_filter_achieved_db = "Фильтрация 2-й гармоники, дБ",
    .pi_l_p_h2_out_mw = "Мощность 2-й гармоники в нагрузке, мВт",
    .pi_l_i_c1_a = "Ток через С1, А (эфф.)",
    .pi_l_u_c1_rms = "Напряжение на С1, В (эфф.)",
    .pi_l_i_l1_a = "Ток через L1, А (эфф.)",
    .pi_l_u_l1_rms = "Напряжение на L1, В (эфф.)",
    .pi_l_i_c2_a = "Ток через С2, А (эфф.)",
    .pi_l_u_mid_rms = "Напряжение на С2 (в точке Rm), В (эфф.)",
    .pi_l_i_l2_a = "Ток через L2, А (эфф.)",
    .pi_l_u_l2_rms = "Напряжение на L2, В (эфф.)",
    .pi_l_u_load_rms = "Напряжение на нагрузке, В (эфф.)",
    .pi_l_passband_khz = "Полоса П-L по уровню -1 дБ, кГц",
    .pi_l_s11_band_khz = "Полоса П-L по уровню S11 0.1, кГц",
    .pi_l_s11_at_f = "S11 П-L-контура на частоте f",
    .pi_l_h2_db = "Подавление 2f П-L-контуром, дБ",
    .pi_l_h3_db = "Подавление 3f П-L-контуром, дБ",
    .pi_l_pi_h2_db = "Подавление 2f П-контуром, дБ",
    .pi_l_pi_h3_db = "Подавление 3f П-контуром, дБ",
    .plot_pi_l_network_at = "П-L-контур на %1 МГц",
    .plot_pi_l_refused = "Расчет П-L-контура отклонен: %1.",
    .plot_pi_l_elements =
        "С1 = %1 пФ,  L1 = %2 мкГн,  С2 = %3 пФ,  L2 = %4 мкГн,  Rm = %5 Ом,  "
        "Qн = %6,  Q0 = %7,  Roe = %8 Ом,  Rн = %9 Ом",
    .plot_pi_l_s11_panel = "|S11| на входе П-L-контура (относительно Roe)",
    .plot_pi_l_suppression_note =
        "Подавление на графике — самого П-L-контура; фильтрация 2-й гармоники "
        "каскада: %1 дБ; П-контур: 2f %2 дБ, 3f %3 дБ.",
    .plot_pi_l_no_curves = "Графика нет: П-L-контур не рассчитан.",
    // --- end of the Pi-L's texts. ---
};

// The texts valvenet-plan shows.
inline const PlanTexts& plan_texts() {
  return kRussianTexts;
}

// The pattern with %1 ... %9 replaced by the arguments in order.
inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      out += *(args.begin() + index);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace plan
