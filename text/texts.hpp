#pragma once

// Every text the programs show on the console, written once in UTF-8; the
// labels of the numbered results are in the description of the results
// (printer/results.hpp).
// Quoted texts are exact: blanks, tabs and the mixture of Latin and
// Cyrillic look-alike letters (C and С, P and Р) are deliberate.

#include <array>
#include <string_view>

#include "text/encoding.hpp"

namespace text {

using Text = std::string_view;

// The end of every line the programs write, on the console and in the file
// report.
inline constexpr Text kLineEnd = "\r\n";

struct ConsoleTexts {
  Encoding encoding;
  std::array<Text, 4> banner;
  Text calculating;
  std::array<Text, 3> abort_lines;
  std::array<Text, 4> menu;
  Text menu_prompt;
  Text saved;
  Text save_failed;
  Text goodbye;
  Text recalculate_all;
  std::array<Text, 6> current_value;  // menu choices 1 to 6
  std::array<Text, 6> new_value;      // menu choices 1 to 6
  Text bad_symbol;
  std::array<Text, 11> dialog_prompts;  // in the order they are asked
  Text dialog_first_line_9;
  Text dialog_first_line_10;
  std::array<Text, 7> hot_cap_text_a;  // c1 below the tube capacitance
  std::array<Text, 6> hot_cap_text_b;  // c1 below tube plus variable minimum
  Text raise_q_prompt;
  std::array<Text, 4> yes_words;
  // Network efficiency below 80, 85, 90 %; filtering below 40 dB; 2nd
  // harmonic power above 50 mW; total efficiency below 50 %; hot capacitance.
  std::array<Text, 7> warnings;
  Text inputs_heading;
  std::array<Text, 6> inputs_left;
  std::array<Text, 5> inputs_right;
  Text report_end;
};

template <Encoding E>
inline constexpr ConsoleTexts kConsoleTexts{
    .encoding = E,
    .banner =
        {
            encode<E, "Программа расчета рабочих параметров выходного">(),
            encode<E, "каскада передатчика c П-контуром ">(),
            encode<E, "Версия 3.61 ">(),
            encode<E, "----------------------------------------------------">(),
        },
    .calculating = encode<E, "Ждите, идут вычисления...">(),
    .abort_lines =
        {
            encode<E, "Запредельная критическая добротность">(),
            encode<E, "Введены неверные данные, начните заново">(),
            encode<E, "пауза 7 секунд">(),
        },
    .menu =
        {
            encode<E, "1. Изменить частоту\t\t5. Изменить Umin анода">(),
            encode<E, "2. Изменить фильтрацию\t\t6. Изменить угол отсечки">(),
            encode<E, "3. Изменить P выходную\t\t7. Записать данные в файл">(),
            encode<E, "4. Изменить E питания\t\t8. Выполнить новый расчет">(),
        },
    .menu_prompt = encode<E, " Введите соответствующую цифру или нажмите 9 для выхода... ">(),
    .saved = encode<E, "Данные записаны в файл pi_kontur.txt">(),
    .save_failed = encode<E, "Ошибка: не удалось записать данные в файл pi_kontur.txt">(),
    .goodbye = encode<E, "73!">(),
    .recalculate_all = encode<E, "Все параметры будут пересчитаны">(),
    .current_value =
        {
            encode<E, "  Текущая частота, МГц = ">(),
            encode<E, "  Заданный уровень фильтрации, дБ = ">(),
            encode<E, "  Текущий уровень мощности, Вт\t= ">(),
            encode<E, "  Текущий уровень напряжения, В = ">(),
            encode<E, "  Текущий уровень Umin, В \t= ">(),
            encode<E, "  Текущий угол отсечки, градусов = ">(),
        },
    .new_value =
        {
            encode<E, "  Новая частота,   МГц =       ">(),
            encode<E, "  Новый уровень фильтрации,    дБ =       ">(),
            encode<E, "  Новый уровень мощности,   Вт\t=      ">(),
            encode<E, "  Новый уровень напряжения,   В\t=      ">(),
            encode<E, "  Новый уровень   Umin, В\t=      ">(),
            encode<E, "  Новый угол отсечки, градусов\t =      ">(),
        },
    .bad_symbol = encode<E, "Введен неверный символ, введите повторно...">(),
    .dialog_prompts =
        {
            encode<E, " 1.  Выходная мощность, Вт  = ">(),
            encode<E, " 2.  E источника питания, В  = ">(),
            encode<E, " 3.  Сопротивление нагрузки, Ом = ">(),
            encode<E, " 4.  Степень характеристики лампы (1...2) = ">(),
            encode<E, " 5.  Угол отсечки, градусов = ">(),
            encode<E, " 6.  Холостая добротность П-контура = ">(),
            encode<E, " 7.  Минимальное мгновенное U на аноде, В = ">(),
            encode<E, " 8.  Фильтрация 2-й гармоники, дБ = ">(),
            encode<E, "     монтажа (Сл. + См.), пФ = ">(),
            encode<E, "     КПЕ (Скпе.мин), пФ = ">(),
            encode<E, " 11. Рабочая частота, Мгц = ">(),
        },
    .dialog_first_line_9 = encode<E, "9.  Суммарно: выходная емкость лампы + емкость">(),
    .dialog_first_line_10 = encode<E, "10. Минимальная паспортная или измеренная емкость">(),
    .hot_cap_text_a =
        {
            encode<E, " Горячая емкость получилась  меньшей,  чем  суммарная ">(),
            encode<E, " выходная емкость лампы и монтажа   (Cл + Cм).  Можно">(),
            encode<E, " поднять  нагруженную добротность для  увеличения го-">(),
            encode<E, " рячей емкости или оставить как есть.">(),
            encode<E, " При положительном ответе добротность будет увеличена">(),
            encode<E, " до значения, при  котором  горячая емкость достигнет">(),
            encode<E, " значения Сл + Cм + Cкпе.мин">(),
        },
    .hot_cap_text_b =
        {
            encode<E, " Горячая емкость получилась  меньшей, чем  суммарная ">(),
            encode<E, " выходная емкость лампы, монтажа  и  КПЕ-минимальной,">(),
            encode<E, " (Сл + Cм + Cкпе.мин), но большей, чем  выходная ем- ">(),
            encode<E, " кость лампы и монтажа  (Сл + Cм ).  Можно увеличить">(),
            encode<E, " нагруженную добротность для увеличения горячей  ем-">(),
            encode<E, " кости или оставить как есть.">(),
        },
    .raise_q_prompt = encode<E, "  Увеличить нагруженную добротность? (Y/N)... ">(),
    .yes_words =
        {
            encode<E, "Y">(), encode<E, "y">(), encode<E, "Н">(),  // Cyrillic capital En
            encode<E, "н">(),                                      // Cyrillic small en
        },
    .warnings =
        {
            encode<E, "Внимание, КПД П-контура меньше 80% !!!">(),
            encode<E, "Внимание, КПД П-контура меньше 85% !!">(),
            encode<E, "Внимание, КПД П-контура меньше 90% !">(),
            encode<E, "Внимание, уровень фильтрации 2-й гармоники ниже 40 дБ!">(),
            encode<E, "Внимание, Р 2-й гармоники > 50 мВт! Увеличьте фильтрацию.">(),
            encode<E, "Внимание, общий КПД меньше 50%!">(),
            encode<E, "Внимание, мала горячая емкость!">(),
        },
    .inputs_heading = encode<E, "Исходные данные:">(),
    .inputs_left =
        {
            encode<E, " P, Вт\t\t= ">(),
            encode<E, " E, В\t\t= ">(),
            encode<E, " Umin, В\t= ">(),
            encode<E, " Сл + Cм, пФ\t= ">(),
            encode<E, " Скпе.мин,пФ\t= ">(),
            encode<E, " Степень хар-ки\t= ">(),
        },
    .inputs_right =
        {
            encode<E, "F,  МГц\t= ">(),
            encode<E, "Rн, Ом\t= ">(),
            encode<E, "Кф, дБ\t= ">(),
            encode<E, "Q0\t\t= ">(),
            encode<E, "Угол, гр.\t= ">(),
        },
    .report_end = encode<E, "------------------------------------------------------------">(),
};

constexpr const ConsoleTexts& console_texts(Encoding e) {
  return e == Encoding::utf8 ? kConsoleTexts<Encoding::utf8> : kConsoleTexts<Encoding::cp866>;
}

// The file report is UTF-8 in both programs. Its warnings and starting
// values are the console's UTF-8 texts but for the two differences below.
struct FileTexts {
  Text date;
  Text frequency_heading;
  Text h2_power_warning;
  Text exponent_label;
  Text report_end;
};

inline constexpr FileTexts kFileTexts{
    .date = "Дата: ",
    .frequency_heading = " Результаты расчета для f, МГц = ",
    .h2_power_warning = "Внимание, мощность 2-й гармоники больше 50 мВт!",
    .exponent_label = " Степ. хар-ки\t= ",
    .report_end = "============================================================",
};

}  // namespace text
