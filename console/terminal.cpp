#include "console/terminal.hpp"

#include <array>
#include <cmath>
#include <functional>

#include "console/tochka.hpp"
#include "main/starting_values.hpp"
#include "printer/printer.hpp"
#include "printer/results.hpp"

namespace terminal {

namespace {

struct Prompt {
  text::Text first_line;  // written as a message line before the prompt, when not empty
  text::Text prompt;
};

// Writes the prompt until the typed number is accepted.
float ask(console::Console& con, const Prompt& p, const std::function<bool(float)>& accepted) {
  while (true) {
    if (!p.first_line.empty()) console::write_message(con, p.first_line);
    con.write(p.prompt);
    const std::optional<float> value = tochka::chislo(con);
    if (starting_values::finite_number(value) && accepted(*value)) return *value;
  }
}

}  // namespace

stage::StageInputs input_terminal(console::Console& con, const text::ConsoleTexts& t) {
  namespace range = starting_values::dialog_range;
  using starting_values::Range;
  const auto& q = t.dialog_prompts;
  const auto within = [](const Range& r) { return [&r](float x) { return r.accepts(x); }; };
  stage::StageInputs in;
  console::write_empty_line(con);
  in.p_out = ask(con, {{}, q[0]}, within(range::p_out));
  in.e_supply = ask(con, {{}, q[1]}, within(range::e_supply));
  in.r_load = ask(con, {{}, q[2]}, within(range::r_load));
  in.tube_exponent = ask(con, {{}, q[3]}, within(range::tube_exponent));
  in.cutoff_deg = ask(con, {{}, q[4]}, within(range::cutoff_deg));
  in.q_unloaded = ask(con, {{}, q[5]}, within(range::q_unloaded));
  const float u_limit = range::u_min_limit(in.e_supply);
  in.u_min = ask(con, {{}, q[6]}, [&](float x) { return range::u_min.accepts(x) && x <= u_limit; });
  in.filter_db = ask(con, {{}, q[7]}, within(range::filter_db));
  in.c_tube = ask(con, {t.dialog_first_line_9, q[8]}, within(range::c_tube_pf));
  in.c_var_min = ask(con, {t.dialog_first_line_10, q[9]}, within(range::c_var_min_pf));
  in.c_tube = starting_values::pf_to_farads(in.c_tube);
  in.c_var_min = starting_values::pf_to_farads(in.c_var_min);
  in.f_hz = ask(con, {{}, q[10]}, within(range::f_mhz));
  in.f_hz = starting_values::mhz_to_hertz(in.f_hz);
  return in;
}

std::string console_report(const stage::StageResults& r, const stage::StageInputs& in,
                           const std::vector<warnings::Warning>& warnings,
                           const text::ConsoleTexts& t) {
  const std::string line_end(text::kLineEnd);
  std::string out = line_end;
  for (const results::Line* line : results::console_lines(t.encoding)) {
    out += printer::value_line(results::console_label(*line), results::value(*line, r, {}));
  }
  out += line_end;
  for (const warnings::Warning w : warnings) {
    out += ' ' + std::string(t.warnings[static_cast<std::size_t>(w)]) + line_end;
  }
  out += line_end;
  out += ' ' + std::string(t.inputs_heading) + line_end;
  out += printer::inputs_block(in, t.inputs_left, t.inputs_right);
  out += ' ' + std::string(t.report_end) + line_end;
  out += line_end;
  return out;
}

void output_terminal(console::Console& con, const stage::StageResults& results,
                     const stage::StageInputs& inputs,
                     const std::vector<warnings::Warning>& warnings, const text::ConsoleTexts& t) {
  con.write(console_report(results, inputs, warnings, t));
}

namespace {

constexpr std::size_t kAnswerField = 3;

constexpr bool ends_word(char c) {
  return tochka::is_blank(c) || c == ',';
}

bool only_blanks(std::string_view line) {
  for (const char c : line) {
    if (!tochka::is_blank(c)) return false;
  }
  return true;
}

}  // namespace

bool is_yes(std::string_view line, const text::ConsoleTexts& t) {
  std::size_t begin = 0;
  while (begin < line.size() && tochka::is_blank(line[begin])) ++begin;
  std::size_t end = begin;
  while (end < line.size() && !ends_word(line[end])) ++end;
  const std::string_view field = line.substr(begin, std::min(end - begin, kAnswerField));
  for (const text::Text yes : t.yes_words) {
    if (field == yes) return true;
  }
  return false;
}

bool read_yes_no(console::Console& con, const text::ConsoleTexts& t) {
  while (true) {
    const std::string line = console::require_line(con);
    if (!only_blanks(line)) return is_yes(line, t);
  }
}

}  // namespace terminal
