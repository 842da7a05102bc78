#pragma once

// Every text valvenet-plan shows (messages, --help, the table, the summary,
// the plot), in one table per language: kRussianTexts and kEnglishTexts.
// The Russian labels of the results and the warnings are the console
// programs' (text/, printer/results.hpp), referred to, not copied; the
// English ones are here. A pattern's %1, %2, ... are filled by fill().

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "main/warnings.hpp"
#include "printer/results.hpp"
#include "text/texts.hpp"

namespace plan {

// The language of everything valvenet-plan shows; CSV headers and JSON keys
// are the same in both.
enum class Language { ru, en };

struct PlanTexts {
  Language language;
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
  std::string_view u_min_limit;     // %1 option (or file key), %2 as given, %3 0.95 x E
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

  // The readable table. The Russian labels are the console report's, with
  // their tabs and "= " (taken off when shown).
  std::string_view banner_a, banner_b, inputs_heading;
  std::array<std::string_view, 6> inputs_left;   // P, E, Umin, Ctube, Cvar,min, exponent
  std::array<std::string_view, 5> inputs_right;  // f (unused), Rload, filter, Q0, angle
  std::string_view raise_q_line, raise_q_yes, raise_q_no;
  std::string_view frequency_heading, calculation, completed, refused;
  std::string_view warnings_heading, refused_line, none;  // refused_line: %1 the reason
  std::string_view critical_q;                            // why a design is refused
  std::array<std::string_view, warnings::kWarningCount> warnings;
  std::string_view summary_counts;  // %1 completed, %2 refused
  std::string_view spans_heading, span_c1, span_c_hot, span_l, span_c2, from, to;
  std::string_view duties_heading, duty_current, duty_voltage, duty_reactive, duty_note;
  std::string_view number_word, file_word, range_word;  // placeholders of --help

  // From values to parts: the options of the capacitors' ratings, the coil,
  // the variables, the language and the saved inputs.
  std::string_view millimetre;
  std::string_view help_parts, help_feed, help_margin, help_coil_diameter, help_wire, help_pitch,
      help_c1_max, help_c2_range, help_lang, help_inputs;
  std::string_view unknown_feed;      // %1 as given
  std::string_view unknown_language;  // %1 as given
  std::string_view group_incomplete;  // %1 the options given, %2 the missing ones
  std::string_view pitch_below_wire;  // %1 pitch, %2 wire as given
  std::string_view wire_not_below_d;  // %1 wire, %2 diameter as given
  std::string_view c1_max_not_above;  // %1 --c1-max, %2 --c-var-min as given
  std::string_view c2_range_form;     // %1 the option (or file key), %2 as given
  std::string_view c2_range_order;    // %1 the option (or file key), %2 as given
  std::string_view file_key;          // %1 file, %2 key: names a value from --inputs
  std::string_view cannot_read_file;  // %1 path, %2 reason
  std::string_view no_such_file;
  std::string_view json_syntax;  // %1 path, %2 line, %3 column
  std::string_view unknown_key;  // %1 path, %2 key
  std::string_view wrong_type;   // %1 path, %2 key, %3 what is expected
  std::string_view expect_number, expect_numbers, expect_bool, expect_object, expect_pair,
      expect_feed, expect_network, expect_lang;
  std::string_view feed_shunt, feed_series;  // as the table names them
  std::string_view parts_heading;            // %1 margin, %2 feed
  std::string_view largest_rating;           // %1 the capacitor, %2 V, %3 MHz
  std::string_view capacitor_c1, capacitor_c2, capacitor_blocking;
  std::string_view coil_heading;  // %1 D, %2 wire, %3 pitch, mm
  std::string_view coil_whole;    // %1 turns, %2 length mm, %3 conductor m
  std::string_view coil_tap;      // %1 MHz, %2 turns
  std::string_view coil_failed;   // %1 MHz, %2 the problem
  std::string_view coil_leaves_out;
  std::array<std::string_view, 8> coil_problems;   // by coil::Problem
  std::string_view tuning_unreachable;             // %1 the capacitor, %2 the reason
  std::array<std::string_view, 6> tuning_reasons;  // by tuning::Reason

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

inline constexpr const text::ConsoleTexts& kConsole = text::kConsoleTexts<text::Encoding::utf8>;

inline constexpr PlanTexts kRussianTexts{
    .language = Language::ru,
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
    .u_min_limit = "%1: %2 вне пределов; ожидается не больше 0,95 × --e-supply = %3 В",
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
        "                      [--raise-q] [--format ФОРМАТ] [--plot ФАЙЛ.svg]\n"
        "                      [--feed shunt|series] [--margin K]\n"
        "                      [--coil-diameter ММ --wire ММ --pitch ММ]\n"
        "                      [--c1-max ПФ --c2-range МИН:МАКС] [--lang ru|en]\n"
        "                      [--network pi|pi-l] [--r-mid ОМ]\n"
        "       valvenet-plan --inputs ФАЙЛ.json [ключи, которые заменяют значения файла]",
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
        "добротности; 2 при неверных аргументах или файле --inputs (ничего не\n"
        "рассчитывается);\n"
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
    .banner_a = kConsole.banner[0],
    .banner_b = kConsole.banner[1],
    .inputs_heading = kConsole.inputs_heading,
    .inputs_left = kConsole.inputs_left,
    .inputs_right = kConsole.inputs_right,
    .raise_q_line = "Увеличивать нагруженную добротность при малой горячей емкости: ",
    .raise_q_yes = "да (--raise-q)",
    .raise_q_no = "нет",
    .frequency_heading = text::kFileTexts.frequency_heading,
    .calculation = "Расчет",
    .completed = "выполнен",
    .refused = "отказ",
    .warnings_heading = "Предупреждения:",
    .refused_line = "отказ: %1 (выше 0.7·Q0)",
    .none = "нет",
    .critical_q = kConsole.abort_lines[0],
    .warnings = kConsole.warnings,
    .summary_counts = "Итоги по частотам: выполнено %1, отказ %2",
    .spans_heading = "Пределы значений элементов:",
    .span_c1 = "С1 П-контура полная, пФ",
    .span_c_hot = "C горячего конденсатора, пФ",
    .span_l = "L П-контура, мкГн",
    .span_c2 = "С2 П-контура, пФ",
    .from = "от",
    .to = "до",
    .duties_heading = "Наибольшие нагрузки элементов (в скобках частота):",
    .duty_current = "I, А (эфф.)",
    .duty_voltage = "U, В (эфф.)",
    .duty_reactive = "Q, ВАр",
    .duty_note = "(U = Q / I: напряжение на конденсаторе; на катушке — ωL·I)",
    .number_word = "ЧИСЛО",
    .file_word = "ФАЙЛ",
    .range_word = "МИН:МАКС",
    .millimetre = "мм",
    .help_parts = "Детали (необязательно):",
    .help_feed =
        "питание анода: shunt — параллельное, через дроссель, с разделительным\n"
        "конденсатором перед С1 (по умолчанию); series — последовательное,\n"
        "через катушку контура, и С1 держит ещё и напряжение E",
    .help_margin =
        "запас по напряжению конденсаторов (рассогласование, АМ, пробой):\n"
        "номинал = пиковое напряжение × K; по умолчанию 2",
    .help_coil_diameter =
        "катушка: однослойная, без сердечника; диаметр до середины провода\n"
        "(с --wire и --pitch: все три или ни одного)",
    .help_wire = "диаметр провода",
    .help_pitch = "шаг намотки, между серединами витков, не меньше провода",
    .help_c1_max =
        "наибольшая ёмкость КПЕ С1 (наименьшая — --c-var-min); с --c2-range:\n"
        "оба или ни одного",
    .help_c2_range = "пределы ёмкости КПЕ С2, пФ, МИН < МАКС",
    .help_lang = "язык таблицы, сообщений, справки и графика: ru (по умолчанию) или en",
    .help_inputs =
        "взять исходные данные, частоты, raise_q и ключи деталей из JSON прежнего\n"
        "запуска (--format json); ключ в командной строке сильнее файла\n"
        "(но raise_q: true из файла ключом не отменить)",
    .unknown_feed = "--feed: неизвестный способ питания «%1»; ожидается shunt или series",
    .unknown_language = "--lang: неизвестный язык «%1»; ожидается ru или en",
    .group_incomplete = "%1 без %2: ключи этой группы задаются все вместе",
    .pitch_below_wire = "--pitch: шаг %1 меньше провода %2 (--wire): витки налезут друг на друга",
    .wire_not_below_d = "--wire: провод %1 не тоньше диаметра катушки %2 (--coil-diameter)",
    .c1_max_not_above = "--c1-max: %1 не больше минимальной ёмкости КПЕ %2 (--c-var-min)",
    .c2_range_form = "%1: «%2» — ожидается МИН:МАКС в пФ, например 20:1000",
    .c2_range_order = "%1: «%2» — МИН должен быть меньше МАКС",
    .file_key = "%1, ключ %2",
    .cannot_read_file = "--inputs: не удалось прочитать %1: %2",
    .no_such_file = "нет такого файла",
    .json_syntax = "%1: ошибка в записи JSON, строка %2, столбец %3",
    .unknown_key = "%1: неизвестный ключ %2",
    .wrong_type = "%1, ключ %2: ожидается %3",
    .expect_number = "число",
    .expect_numbers = "список чисел",
    .expect_bool = "true или false",
    .expect_object = "объект",
    .expect_pair = "пара чисел [МИН, МАКС]",
    .expect_feed = "\"shunt\" или \"series\"",
    .expect_network = "\"pi\" или \"pi-l\"",
    .expect_lang = "\"ru\" или \"en\"",
    .feed_shunt = "параллельное",
    .feed_series = "последовательное",
    .parts_heading = "Наибольшие номиналы конденсаторов по напряжению (запас %1, питание %2):",
    .largest_rating = "%1: %2 В (%3 МГц)",
    .capacitor_c1 = "С1",
    .capacitor_c2 = "С2",
    .capacitor_blocking = "разделительный",
    .coil_heading = "Катушка на все частоты (диаметр %1 мм, провод %2 мм, шаг %3 мм):",
    .coil_whole = "витков %1, длина намотки %2 мм, длина провода %3 м",
    .coil_tap = "отвод для %1 МГц: %2 витка от конца С1",
    .coil_failed = "катушки нет: на %1 МГц %2",
    .coil_leaves_out =
        "Расчёт катушки не учитывает: замкнутые или свободные витки за отводом,\n"
        "выводы и провода отводов, материал каркаса, собственную ёмкость катушки.",
    .coil_problems =
        {
            "нет",
            "диаметр катушки не больше нуля",
            "диаметр провода не больше нуля",
            "шаг меньше диаметра провода",
            "провод не тоньше катушки",
            "индуктивность не больше нуля",
            "нужно меньше одного витка",
            "нужно больше 10000 витков",
        },
    .tuning_unreachable = "%1 не настроить: %2",
    .tuning_reasons =
        {
            "в пределах КПЕ",
            "с добавочным конденсатором",
            "нужная ёмкость меньше наименьшей ёмкости КПЕ",
            "пределы КПЕ слишком узки для добавочного конденсатора",
            "неверные пределы КПЕ",
            "нужная ёмкость не число",
        },

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

inline constexpr PlanTexts kEnglishTexts{
    .language = Language::en,
    .decimal_mark = '.',
    .watt = "W",
    .volt = "V",
    .ohm = "ohm",
    .degree = "degrees",
    .picofarad = "pF",
    .megahertz = "MHz",
    .decibel = "dB",
    .p_out = "output power into the load (prompt 1 of the dialog)",
    .e_supply = "anode supply voltage E (prompt 2)",
    .r_load = "load resistance (prompt 3)",
    .exponent = "exponent of the tube characteristic (prompt 4)",
    .angle = "conduction (cut-off) angle (prompt 5)",
    .q0 = "unloaded Q of the Pi-network Q0 (prompt 6)",
    .u_min = "minimum anode voltage (prompt 7), at most 0.95 x E",
    .filter_db = "suppression of the 2nd harmonic asked for (prompt 8)",
    .c_tube = "tube output capacitance with the wiring's (prompt 9)",
    .c_var_min = "minimum capacitance of the tuning capacitor (prompt 10)",
    .from_to = "from %1 to %2",
    .above_at_most = "above %1 and at most %2",
    .at_least = "at least %1",
    .above = "above %1",
    .program = "valvenet-plan: ",
    .see_help = "options and their ranges: valvenet-plan --help --lang en",
    .missing = "%1 is not given; expected %2",
    .no_value = "%1: no value given; expected %2",
    .not_a_number = "%1: \"%2\" is not a number; expected %3",
    .list_hint = " (the frequencies of a list are separated by blanks: --freq 1.85 3.6 7.1)",
    .not_finite = "%1: \"%2\" is not a finite number; expected %3",
    .out_of_range = "%1: %2 is out of range; expected %3",
    .u_min_limit = "%1: %2 is out of range; expected at most 0.95 x --e-supply = %3 V",
    .repeated = "%1 is given more than once; give it once",
    .unknown_option = "unknown option %1",
    .stray = "stray argument \"%1\"",
    .takes_no_value = "%1 takes no value (given \"%2\")",
    .not_both = "--freq and --bands exclude each other; give one of them",
    .no_frequency =
        "no frequencies given; expected --freq with frequencies from 0.1 to 60 MHz or "
        "--bands ham",
    .unknown_set = "--bands: unknown set \"%1\"; expected ham",
    .unknown_format = "--format: unknown format \"%1\"; expected table, csv or json",
    .plot_no_name = "--plot: empty file name; expected FILE.svg",
    .plot_one = "--plot draws one frequency, but the frequencies given are %1",
    .bad_arguments = "bad arguments",
    .cannot_write_output = "cannot write the standard output",
    .cannot_write_file = "cannot write %1: %2",
    .no_such_folder = "no such folder",
    .no_permission = "no permission to write",
    .disk_full = "disk full",
    .is_a_folder = "a folder is in the file's place",
    .read_only = "read-only file system",
    .other_reason = "system error (%1)",
    .help_title =
        "valvenet-plan - the output stage of a tube transmitter with a Pi-network,\n"
        "designed for several frequencies at once.",
    .help_usage =
        "Usage: valvenet-plan STARTING-VALUES (--freq MHz... | --bands ham)\n"
        "                     [--raise-q] [--format FORMAT] [--plot FILE.svg]\n"
        "                     [--feed shunt|series] [--margin K]\n"
        "                     [--coil-diameter MM --wire MM --pitch MM]\n"
        "                     [--c1-max PF --c2-range MIN:MAX] [--lang ru|en]\n"
        "                     [--network pi|pi-l] [--r-mid OHM]\n"
        "       valvenet-plan --inputs FILE.json [options that replace the file's values]",
    .help_starting_values = "Starting values (all required, the dialog's ranges):",
    .help_frequencies = "Frequencies (one of the two):",
    .help_freq =
        "working frequencies, MHz, 0.1 to 60: several numbers after the option\n"
        "(--freq 1.85 3.6 7.1) or the option several times (--freq 1.85 --freq 7.1)",
    .help_bands =
        "a set of frequencies: ham = 1.85 3.6 7.1 10.12 14.15 18.1 21.2 24.93 28.5\n"
        "50.1 MHz",
    .help_other = "Other options:",
    .help_raise_q =
        "answer \"yes\" to the question about a small hot capacitance: raise the\n"
        "loaded Q (without the option: \"no\")",
    .help_format =
        "output on standard output: table - the report's labels, warnings and\n"
        "summary (the default); csv - a row of names and a row per frequency;\n"
        "json - inputs, raise_q, designs, summary",
    .help_plot =
        "write to FILE.svg the response |Uout| in dB and |S11| from 0.5 f to 3.5 f\n"
        "(one frequency only)",
    .help_help = "this help",
    .help_footer =
        "Numbers are written as in the dialog: with a point or a decimal comma\n"
        "(1,9 = 1.9), with or without an exponent (2.5e3); NAN and INF are refused.\n"
        "An option's value follows a blank or = (--p-out 400, --p-out=400).\n"
        "\n"
        "Each frequency gets the same stage design as the console program, and every\n"
        "result agrees with it to the bit. A design refused by the critical Q (above\n"
        "0.7 Q0) is shown as refused.\n"
        "\n"
        "Exit status: 0 when every design completed or was refused by the critical\n"
        "Q; 2 for bad arguments or a bad --inputs file (nothing is computed); 1 when\n"
        "the output or the plot cannot be written.",
    .hot_cap_below_min = "Hot capacitance below the tuning capacitor's minimum at: %1",
    .hot_cap_below_min_none = "Hot capacitance not below the tuning capacitor's minimum anywhere",
    .plot_network_at = "Pi-network at %1 MHz",
    .plot_title = "%1: response and |S11| from 0.5 f to 3.5 f",
    .plot_refused = "Design refused: %1 (above 0.7 Q0).",
    .plot_no_curves = "No plot: such a stage has no Pi-network designed.",
    .plot_elements =
        "C1 = %1 pF,  L = %2 uH,  C2 = %3 pF,  QL = %4,  Q0 = %5,  Roe = %6 ohm,  "
        "Rload = %7 ohm",
    .plot_response_panel = "Response: |Uout| relative to its peak, dB",
    .plot_db = "dB",
    .plot_s11_panel = "|S11| at the Pi-network's input (relative to Roe)",
    .plot_frequency_axis = "Frequency, MHz",
    .plot_mark = "%1 = %2 MHz",
    .plot_level = "level %1 dB",
    .plot_suppression = "suppression %1 dB",
    .plot_response_legend = "Response, dB relative to the peak",
    .plot_band_1db = "-1 dB on the curve: %1",
    .plot_band_1db_none = "-1 dB on the curve: none",
    .plot_s11_legend = "|S11| relative to Roe",
    .plot_band_s11 = "|S11| < 0.1 on the curve: %1",
    .plot_band_s11_none = "|S11| < 0.1 on the curve: nowhere",
    .plot_band = "%1...%2 MHz (%3 kHz)",
    .plot_generator = "Generator as for the pass-band: Eg = 11 U, Rg = 11 Roe, U = %1 V.",
    .plot_table_bands =
        "In the table (at the design's step): -1 dB band %1 kHz, S11 band at 0.1 "
        "%2 kHz.",
    .plot_which_is_which =
        "The bands in the plot's labels are found on the curve itself, finer than "
        "the design's step, so they differ a little from the table.",
    .plot_suppression_note =
        "The suppression on the plot is the Pi-network's own; the stage's "
        "2nd-harmonic filtering by the design (with the current pulse): %1 dB.",
    .banner_a = "Operating parameters of a transmitter output stage",
    .banner_b = "with a Pi-network",
    .inputs_heading = "Starting values:",
    .inputs_left = {"P, W", "E, V", "Umin, V", "Ctube + Cw, pF", "Cvar.min, pF", "Exponent"},
    .inputs_right = {"F, MHz", "Rload, ohm", "Filter, dB", "Q0", "Angle, deg"},
    .raise_q_line = "Raise the loaded Q when the hot capacitance is small: ",
    .raise_q_yes = "yes (--raise-q)",
    .raise_q_no = "no",
    .frequency_heading = "Results for f, MHz",
    .calculation = "Design",
    .completed = "completed",
    .refused = "refused",
    .warnings_heading = "Warnings:",
    .refused_line = "refused: %1 (above 0.7 Q0)",
    .none = "none",
    .critical_q = "Critical Q beyond the limit",
    .warnings =
        {
            "Warning: Pi-network efficiency below 80% !!!",
            "Warning: Pi-network efficiency below 85% !!",
            "Warning: Pi-network efficiency below 90% !",
            "Warning: 2nd harmonic filtering below 40 dB!",
            "Warning: 2nd harmonic power > 50 mW! Raise the filtering.",
            "Warning: total efficiency below 50%!",
            "Warning: hot capacitance too small!",
        },
    .summary_counts = "Summary over the frequencies: completed %1, refused %2",
    .spans_heading = "Ranges of the element values:",
    .span_c1 = "C1 of the Pi-network, total, pF",
    .span_c_hot = "C of the hot capacitor, pF",
    .span_l = "L of the Pi-network, uH",
    .span_c2 = "C2 of the Pi-network, pF",
    .from = "from",
    .to = "to",
    .duties_heading = "Heaviest duty of the elements (frequency in brackets):",
    .duty_current = "I, A (rms)",
    .duty_voltage = "U, V (rms)",
    .duty_reactive = "Q, var",
    .duty_note = "(U = Q / I: the voltage across a capacitor; across the coil omega L I)",
    .number_word = "NUMBER",
    .file_word = "FILE",
    .range_word = "MIN:MAX",
    .millimetre = "mm",
    .help_parts = "Parts (optional):",
    .help_feed =
        "anode feed: shunt - through a choke, with a blocking capacitor before C1\n"
        "(the default); series - through the tank coil, so C1 also holds E",
    .help_margin =
        "voltage margin of the capacitors (mismatch, AM, arcs):\n"
        "rating = peak voltage x K; the default 2",
    .help_coil_diameter =
        "the coil: single-layer, air core; diameter to the conductor's centre\n"
        "(with --wire and --pitch: all three or none)",
    .help_wire = "conductor diameter",
    .help_pitch = "turn spacing, centre to centre, at least the wire",
    .help_c1_max =
        "largest capacitance of the tuning capacitor C1 (its smallest is\n"
        "--c-var-min); with --c2-range: both or neither",
    .help_c2_range = "range of the loading capacitor C2, pF, MIN < MAX",
    .help_lang = "language of the table, messages, help and plot: ru (the default) or en",
    .help_inputs =
        "take the starting values, frequencies, raise_q and the parts options from\n"
        "the JSON of an earlier run (--format json); an option on the command line\n"
        "wins (but no option turns off a raise_q: true of the file)",
    .unknown_feed = "--feed: unknown feed \"%1\"; expected shunt or series",
    .unknown_language = "--lang: unknown language \"%1\"; expected ru or en",
    .group_incomplete = "%1 without %2: the options of this group go together",
    .pitch_below_wire =
        "--pitch: the pitch %1 is below the wire %2 (--wire): the turns would "
        "overlap",
    .wire_not_below_d =
        "--wire: the wire %1 is not thinner than the coil diameter %2 "
        "(--coil-diameter)",
    .c1_max_not_above =
        "--c1-max: %1 is not above the tuning capacitor's minimum %2 "
        "(--c-var-min)",
    .c2_range_form = "%1: \"%2\" - expected MIN:MAX in pF, for example 20:1000",
    .c2_range_order = "%1: \"%2\" - MIN must be below MAX",
    .file_key = "%1, key %2",
    .cannot_read_file = "--inputs: cannot read %1: %2",
    .no_such_file = "no such file",
    .json_syntax = "%1: JSON syntax error at line %2, column %3",
    .unknown_key = "%1: unknown key %2",
    .wrong_type = "%1, key %2: expected %3",
    .expect_number = "a number",
    .expect_numbers = "a list of numbers",
    .expect_bool = "true or false",
    .expect_object = "an object",
    .expect_pair = "a pair of numbers [MIN, MAX]",
    .expect_feed = "\"shunt\" or \"series\"",
    .expect_network = "\"pi\" or \"pi-l\"",
    .expect_lang = "\"ru\" or \"en\"",
    .feed_shunt = "shunt",
    .feed_series = "series",
    .parts_heading = "Largest voltage ratings of the capacitors (margin %1, %2 feed):",
    .largest_rating = "%1: %2 V (%3 MHz)",
    .capacitor_c1 = "C1",
    .capacitor_c2 = "C2",
    .capacitor_blocking = "blocking",
    .coil_heading = "One coil for all frequencies (diameter %1 mm, wire %2 mm, pitch %3 mm):",
    .coil_whole = "turns %1, winding length %2 mm, conductor length %3 m",
    .coil_tap = "tap for %1 MHz: %2 turns from the C1 end",
    .coil_failed = "no coil: at %1 MHz %2",
    .coil_leaves_out =
        "The coil model leaves out: shorted or open turns beyond a tap, the leads\n"
        "and tap connections, the form's material, the coil's self-capacitance.",
    .coil_problems =
        {
            "none",
            "the coil diameter is not above zero",
            "the wire diameter is not above zero",
            "the pitch is below the wire diameter",
            "the wire is not thinner than the coil",
            "the inductance is not above zero",
            "less than one turn is needed",
            "more than 10000 turns are needed",
        },
    .tuning_unreachable = "%1 cannot be tuned: %2",
    .tuning_reasons =
        {
            "inside the variable's range",
            "with a fixed padder",
            "the capacitance needed is below the variable's minimum",
            "the variable's range is too narrow for a padder",
            "the variable's range is invalid",
            "the capacitance needed is not a number",
        },

    // --- The Pi-L tank. ---
    .help_network =
        "network: pi - Pi network (default); pi-l - Pi-L network: a Pi section\n"
        "from Roe to Rm, then a series coil L2 (L section) to the load;\n"
        "the plain Pi's 2f and 3f suppression from the same starting values is shown beside it",
    .help_r_mid =
        "intermediate resistance Rm of the Pi-L, ohm (default 300);\n"
        "above the load resistance and below the input resistance Roe",
    .unknown_network = "--network: unknown network \"%1\"; expected pi or pi-l",
    .r_mid_without_pi_l = "--r-mid is given only together with --network pi-l",
    .r_mid_not_above_load =
        "--r-mid: %1 ohm is not above the load resistance --r-load = %2 ohm; "
        "Rm must be above the load resistance and below Roe",
    .r_mid_not_below_roe =
        "--r-mid: %1 ohm is not below the highest possible input resistance "
        "Roe = U^2/P = %2 ohm (U = (E - Umin)/sqrt(2)); Rm must be above the load "
        "resistance and below Roe",
    .pi_l_heading =
        "Pi-L network (--network pi-l): Pi section from Roe to Rm = %1 ohm, coil L2 "
        "from Rm to the load",
    .pi_l_status = "Pi-L design",
    .pi_l_completed = "completed",
    .pi_l_refused = "refused",
    .pi_l_plain_pi_heading =
        "Pi network from the same starting values (for comparison with the Pi-L):",
    .pi_l_refused_critical_q = "critical Q of the Pi section above 0.7 Q0",
    .pi_l_refused_r_mid = "Rm = %1 ohm is not below the input resistance Roe = %2 ohm",
    .pi_l_refused_pi_section = "the Pi section has no positive elements at the loaded Q reached",
    .pi_l_warnings_prefix = "Pi-L: ",
    .pi_l_q_below_1 =
        "L-section Q_L = %1 below 1: Rm is close to the load resistance, coil L2 does "
        "almost nothing",
    .pi_l_q_above_10 =
        "L-section Q_L = %1 above 10: Rm is too high, the L section is narrow-band and "
        "loses power",
    .pi_l_ranges = "Ranges of the Pi-L's element values:",
    .pi_l_c1_total_pf = "Pi-L C1 total, pF",
    .pi_l_c_hot_pf = "Pi-L hot capacitor C, pF",
    .pi_l_l1_uh = "Pi-L L1, uH",
    .pi_l_c2_pf = "Pi-L C2 (at Rm), pF",
    .pi_l_l2_uh = "Pi-L L2, uH",
    .pi_l_r_mid = "Intermediate resistance Rm, ohm",
    .pi_l_r_oe = "Pi-L input resistance (Roe), ohm",
    .pi_l_q_loaded = "Loaded Q of the Pi section",
    .pi_l_q_critical = "Critical Q of the Pi section",
    .pi_l_q_l_section = "L-section Q_L",
    .pi_l_eff_network_pct = "Pi-L efficiency, %",
    .pi_l_eff_total_pct = "Total efficiency with the Pi-L, %",
    .pi_l_p_h1 = "1st-harmonic power into the network, W",
    .pi_l_filter_achieved_db = "2nd-harmonic filtering, dB",
    .pi_l_p_h2_out_mw = "2nd-harmonic power into the load, mW",
    .pi_l_i_c1_a = "Current through C1, A rms",
    .pi_l_u_c1_rms = "Voltage across C1, V rms",
    .pi_l_i_l1_a = "Current through L1, A rms",
    .pi_l_u_l1_rms = "Voltage across L1, V rms",
    .pi_l_i_c2_a = "Current through C2, A rms",
    .pi_l_u_mid_rms = "Voltage across C2 (at Rm), V rms",
    .pi_l_i_l2_a = "Current through L2, A rms",
    .pi_l_u_l2_rms = "Voltage across L2, V rms",
    .pi_l_u_load_rms = "Load voltage, V rms",
    .pi_l_passband_khz = "Pi-L pass-band at -1 dB, kHz",
    .pi_l_s11_band_khz = "Pi-L band at S11 0.1, kHz",
    .pi_l_s11_at_f = "Pi-L S11 at f",
    .pi_l_h2_db = "2f suppression by the Pi-L, dB",
    .pi_l_h3_db = "3f suppression by the Pi-L, dB",
    .pi_l_pi_h2_db = "2f suppression by the Pi, dB",
    .pi_l_pi_h3_db = "3f suppression by the Pi, dB",
    .plot_pi_l_network_at = "Pi-L network at %1 MHz",
    .plot_pi_l_refused = "Pi-L design refused: %1.",
    .plot_pi_l_elements =
        "C1 = %1 pF,  L1 = %2 uH,  C2 = %3 pF,  L2 = %4 uH,  Rm = %5 ohm,  QL = %6,  "
        "Q0 = %7,  Roe = %8 ohm,  Rload = %9 ohm",
    .plot_pi_l_s11_panel = "|S11| at the Pi-L input (against Roe)",
    .plot_pi_l_suppression_note =
        "Suppression on the plot is the Pi-L network's own; the stage's 2nd-harmonic "
        "filtering: %1 dB; Pi network: 2f %2 dB, 3f %3 dB.",
    .plot_pi_l_no_curves = "No plot: the Pi-L network was not designed.",
    // --- end of the Pi-L's texts. ---
};

// The texts valvenet-plan shows in a language.
inline const PlanTexts& plan_texts(Language language = Language::ru) {
  return language == Language::en ? kEnglishTexts : kRussianTexts;
}

// The English label of each result of the reports (the Russian ones are
// results::kLines'), by its key, in the same order.
struct EnglishLabel {
  std::string_view key;
  std::string_view label;
};
inline constexpr std::array<EnglishLabel, results::kLineCount> kEnglishResultLabels{{
    {"p_output", "Output power, W"},
    {"p_h1", "Power of the 1st harmonic in the tank, W"},
    {"p_supply", "Power drawn from the supply, W"},
    {"p_network_loss", "Power lost in the Pi-network, W"},
    {"p_anode", "Anode dissipation, W"},
    {"eff_network_pct", "Pi-network efficiency, %"},
    {"eff_anode_pct", "Anode circuit efficiency, %"},
    {"eff_total_pct", "Total efficiency, %"},
    {"i_peak_ma", "Current pulse, mA"},
    {"i_h1_ma", "1st harmonic current amplitude, mA"},
    {"i_dc_ma", "DC current, mA"},
    {"a0", "Pulse expansion coefficient, a0"},
    {"a1", "pulse expansion coefficient, a1"},
    {"a2", "pulse expansion coefficient, a2"},
    {"supply_utilisation", "Supply voltage utilisation"},
    {"filter_achieved_db", "2nd harmonic filtering, dB"},
    {"passband_khz", "Pass-band at -1 dB, kHz"},
    {"q_loaded", "Loaded Q of the tank"},
    {"q_critical", "Critical Q"},
    {"r_oe", "Pi-network input resistance (Roe), ohm"},
    {"c1_optimum_pf", "Optimum C1, pF"},
    {"c1_total_pf", "C1 of the Pi-network, total, pF"},
    {"c_hot_pf", "C of the hot capacitor, pF"},
    {"l_uh", "L of the Pi-network, uH"},
    {"c2_pf", "C2 of the Pi-network, pF"},
    {"q_c1_var", "Q in C1, var (with wiring and tube C)"},
    {"q_c2_var", "Q in C2, var"},
    {"q_l_var", "Q in L, var"},
    {"i_coil_a", "I in the tank coil, A (rms)"},
    {"i_c1_a", "I in C1, A (rms)"},
    {"i_c2_a", "I in C2, A (rms)"},
    {"u_in_rms", "U at the Pi-network input, V (rms)"},
    {"u_out_rms", "U at the Pi-network output, V (rms)"},
    {"p_h2_out_mw", "P of the 2nd harmonic at the output, mW"},
    {"s11_at_f", "S11, Pi-network input at f"},
    {"s22_at_f", "S22, Pi-network output at f"},
    {"s11_band_khz", "S11 band of the tank at 0.1, kHz"},
}};

// Every result has its English label, in the order of the description.
static_assert([] {
  const auto& lines = results::kLines<text::Encoding::utf8>;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].key != kEnglishResultLabels[i].key) return false;
  }
  return true;
}());

// The label of a result in the table: the file report's numbered label
// (without its tabs and "= "), in the language of the texts.
inline std::string result_label(const PlanTexts& t, const results::Line& line) {
  std::string label = results::file_label(line);
  if (t.language == Language::en) {
    for (const EnglishLabel& e : kEnglishResultLabels) {
      if (e.key == line.key) label = results::numbered(line.file_number, e.label);
    }
  }
  if (!label.empty() && label.front() == ' ') label.erase(0, 1);
  while (!label.empty() && (label.back() == ' ' || label.back() == '\t' || label.back() == '=')) {
    label.pop_back();
  }
  return label;
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
