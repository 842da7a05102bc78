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
