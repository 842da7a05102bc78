#pragma once

// The description of the results: for every numbered value of the reports,
// its name in the record, its unit, its number and label in the file report
// and on the console, and its key in valvenet-plan's CSV and JSON. The file
// report, the console report and every valvenet-plan format walk it, so a
// new result is one entry here.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "main/stage_record.hpp"
#include "text/encoding.hpp"

namespace results {

// One value of the reports: a result of the record or a pulse coefficient.
struct Line {
  std::string_view key;   // the record's name of the value, valvenet-plan's CSV and JSON key
  std::string_view unit;  // the report unit; empty for a ratio or a coefficient
  float stage::StageResults::*result;   // the result shown, or nullptr for a coefficient
  float stage::PulseCoeffs::*coeff;     // the pulse coefficient shown, or nullptr
  int file_number;                      // in the file report; 0 continues the number above
  int console_number;                   // in the console report; 0: not shown there
  std::string_view label;               // after the number, in the console encoding
  std::string_view console_label = {};  // the console report's label where it differs
};

inline constexpr std::size_t kLineCount = 37;    // lines of the file report
inline constexpr std::size_t kResultCount = 34;  // of them results of the record

// In record order, which is the file report's order. The labels end in the
// report's tabs and "= "; the file report's are UTF-8 in both programs.
template <text::Encoding E>
inline constexpr std::array<Line, kLineCount> kLines = [] {
  using text::encode;
  using R = stage::StageResults;
  using C = stage::PulseCoeffs;
  // key, unit, result, coefficient, file number, console number, label
  return std::array<Line, kLineCount>{{
      {"p_output", "W", &R::p_output, nullptr, 1, 1, encode<E, "Выходная мощность, Вт\t\t\t= ">()},
      {"p_h1", "W", &R::p_h1, nullptr, 2, 2,
       encode<E, "Мощность 1-й гармоники в контуре, Вт\t= ">()},
      {"p_supply", "W", &R::p_supply, nullptr, 3, 3,
       encode<E, "Подвод-я от ист. питания мощность, Вт\t= ">()},
      {"p_network_loss", "W", &R::p_network_loss, nullptr, 4, 4,
       encode<E, "Мощность потерь в П-контуре, Вт\t\t= ">()},
      {"p_anode", "W", &R::p_anode, nullptr, 5, 5,
       encode<E, "Мощность рассеивания на аноде, Вт\t\t= ">()},
      {"eff_network_pct", "%", &R::eff_network_pct, nullptr, 6, 6,
       encode<E, "КПД П-контура, %\t\t\t\t= ">()},
      {"eff_anode_pct", "%", &R::eff_anode_pct, nullptr, 7, 7,
       encode<E, "КПД анодной цепи, %\t\t\t= ">()},
      {"eff_total_pct", "%", &R::eff_total_pct, nullptr, 8, 8,
       encode<E, "КПД общий, %\t\t\t\t= ">()},
      {"i_peak_ma", "mA", &R::i_peak_ma, nullptr, 9, 9, encode<E, "Импульс тока, mA\t\t\t\t= ">()},
      {"i_h1_ma", "mA", &R::i_h1_ma, nullptr, 10, 10,
       encode<E, "Амплитуда тока 1-й гармоники, mA\t\t= ">()},
      {"i_dc_ma", "mA", &R::i_dc_ma, nullptr, 11, 11,
       encode<E, "Постоянная составляющая тока, mA\t\t= ">()},
      {"a0", "", nullptr, &C::a0, 12, 0, encode<E, "Коэффициент разложения импульса, a0\t= ">()},
      {"a1", "", nullptr, &C::a1, 0, 0, encode<E, "коэффициент разложения импульса, a1\t= ">()},
      {"a2", "", nullptr, &C::a2, 0, 0, encode<E, "коэффициент разложения импульса, a2\t= ">()},
      {"supply_utilisation", "", &R::supply_utilisation, nullptr, 13, 0,
       encode<E, "Коэфф. использования U питания\t\t= ">()},
      {"filter_achieved_db", "dB", &R::filter_achieved_db, nullptr, 14, 12,
       encode<E, "Фильтрация 2-й гармоники, дБ\t\t= ">()},
      {"passband_khz", "kHz", &R::passband_khz, nullptr, 15, 0,
       encode<E, "Полоса пропуск-я по уровню -1 дБ, кГц\t= ">()},
      {"q_loaded", "", &R::q_loaded, nullptr, 16, 14,
       encode<E, "Нагруженная добротность контура\t\t= ">()},
      {"q_critical", "", &R::q_critical, nullptr, 17, 0,
       encode<E, "Критическая добротность\t\t\t= ">()},
      {"r_oe", "ohm", &R::r_oe, nullptr, 18, 15,
       encode<E, "Входное сопр. П-контура (Roe), Ом\t\t= ">()},
      {"c1_optimum_pf", "pF", &R::c1_optimum_pf, nullptr, 19, 16,
       encode<E, "Оптимальное значение С1, пф\t\t= ">()},
      {"c1_total_pf", "pF", &R::c1_total_pf, nullptr, 20, 17,
       encode<E, "С1 П-контура полная, пФ\t\t\t= ">()},
      {"c_hot_pf", "pF", &R::c_hot_pf, nullptr, 21, 18,
       encode<E, "C  горячего конденсатора, пФ\t\t= ">()},
      {"l_uh", "uH", &R::l_uh, nullptr, 22, 19, encode<E, "L  П-контура, мкГн\t\t\t\t= ">()},
      {"c2_pf", "pF", &R::c2_pf, nullptr, 23, 20, encode<E, "С2 П-контура, пФ\t\t\t\t= ">()},
      {"q_c1_var", "VAr", &R::q_c1_var, nullptr, 24, 21,
       encode<E, "Q  в С1, ВАр (вкл. С монтажа и лампы)\t= ">()},
      {"q_c2_var", "VAr", &R::q_c2_var, nullptr, 25, 22, encode<E, "Q  в С2, ВАр\t\t\t\t= ">()},
      {"q_l_var", "VAr", &R::q_l_var, nullptr, 26, 0, encode<E, "Q  в L,  ВАр\t\t\t\t= ">()},
      {"i_coil_a", "A rms", &R::i_coil_a, nullptr, 27, 23,
       encode<E, "I  в катушке контура, А (эфф.)\t\t= ">()},
      {"i_c1_a", "A rms", &R::i_c1_a, nullptr, 28, 0, encode<E, "I  в C1, А (эфф.)\t\t\t\t= ">()},
      {"i_c2_a", "A rms", &R::i_c2_a, nullptr, 29, 0, encode<E, "I  в C2, А (эфф.)\t\t\t\t= ">()},
      {"u_in_rms", "V rms", &R::u_in_rms, nullptr, 30, 0,
       encode<E, "U  на входе П-контура,  В (эфф.)\t\t= ">()},
      {"u_out_rms", "V rms", &R::u_out_rms, nullptr, 31, 24,
       encode<E, "U  на выходе П-контура, В (эфф.)\t\t= ">(),
       encode<E, "U  на выходе, В (эфф.)\t\t\t= ">()},
      {"p_h2_out_mw", "mW", &R::p_h2_out_mw, nullptr, 32, 25,
       encode<E, "P  2-й гармоники на выходе, мВт\t\t= ">()},
      {"s11_at_f", "", &R::s11_at_f, nullptr, 33, 0,
       encode<E, "S11, вход  П-контура на частоте f\t\t= ">()},
      {"s22_at_f", "", &R::s22_at_f, nullptr, 34, 0,
       encode<E, "S22, выход П-контура на частоте f\t\t= ">()},
      {"s11_band_khz", "kHz", &R::s11_band_khz, nullptr, 35, 13,
       encode<E, "Полоса S11 контура по уровню 0.1, кГц\t= ">()},
  }};
}();

// kLines in the console encoding e.
const std::array<Line, kLineCount>& lines(text::Encoding e);

// The console report's lines, in its numbering.
std::vector<const Line*> console_lines(text::Encoding e);

// The value a line shows, in report units.
float value(const Line& line, const stage::StageResults& results,
            const stage::PulseCoeffs& pulse_coeffs);

// " 1.  label", " 12. label"; "     label" for number 0.
// number : 0 to 99
std::string numbered(int number, std::string_view label);

// The whole label of a line in the file report (from the UTF-8 lines).
std::string file_label(const Line& line);

// The whole label of a line in the console report, in the lines' encoding.
std::string console_label(const Line& line);

}  // namespace results
