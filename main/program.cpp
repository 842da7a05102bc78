#include "main/program.hpp"

#include <cstdint>
#include <functional>

#include "console/terminal.hpp"
#include "console/tochka.hpp"
#include "main/design.hpp"
#include "main/stage_record.hpp"
#include "main/starting_values.hpp"
#include "printer/numform.hpp"
#include "printer/printer.hpp"
#include "text/texts.hpp"

namespace program {

namespace {

using console::write_empty_line;
using console::write_message;

// The console moments of the design procedure.
class DesignDialog final : public design::DesignConsole {
 public:
  DesignDialog(console::Console& con, const text::ConsoleTexts& t) : con_(con), t_(t) {}

  void announce_calculation() override {
    con_.clear_screen();
    write_message(con_, t_.calculating);
  }

  bool ask_raise_loaded_q(design::HotCapText which) override {
    con_.clear_screen();
    write_empty_line(con_);
    if (which == design::HotCapText::below_tube) {
      const auto& a = t_.hot_cap_text_a;
      for (std::size_t i = 0; i < 4; ++i) write_message(con_, a[i]);
      write_empty_line(con_);
      for (std::size_t i = 4; i < a.size(); ++i) write_message(con_, a[i]);
    } else {
      for (const text::Text line : t_.hot_cap_text_b) write_message(con_, line);
    }
    write_empty_line(con_);
    con_.write(t_.raise_q_prompt);
    return terminal::read_yes_no(con_, t_);
  }

 private:
  console::Console& con_;
  const text::ConsoleTexts& t_;
};

// The starting value that menu choice 1 to 6 changes, and its accepted range
// in the unit it is typed in (choice 1: MHz).
struct MenuValue {
  float* value = nullptr;
  std::function<bool(float)> accepted;
};

MenuValue menu_value(std::int32_t choice, stage::StageInputs& s) {
  namespace dialog = starting_values::dialog_range;
  namespace menu = starting_values::menu_range;
  const auto within = [](const starting_values::Range& r) {
    return [&r](float x) { return r.accepts(x); };
  };
  switch (choice) {
    case 1:
      return {&s.f_hz, within(dialog::f_mhz)};
    case 2:
      return {&s.filter_db, within(dialog::filter_db)};
    case 3:
      return {&s.p_out, within(dialog::p_out)};
    case 4:
      return {&s.e_supply, [&s](float x) {
                return dialog::e_supply.accepts(x) && x >= menu::e_supply_floor(s.u_min);
              }};
    case 5:
      return {&s.u_min, [&s](float x) {
                return menu::u_min.accepts(x) && x <= dialog::u_min_limit(s.e_supply);
              }};
    default:
      return {&s.cutoff_deg, within(dialog::cutoff_deg)};
  }
}

enum class State { new_calculation, calculation, report_and_menu, end };

class MainLoop {
 public:
  MainLoop(console::Console& con, text::Encoding encoding, const std::string& report_path,
           const CalculationObserver& observer)
      : con_(con),
        t_(text::console_texts(encoding)),
        report_path_(report_path),
        observer_(observer) {}

  void run() {
    State state = State::new_calculation;
    while (state != State::end) {
      switch (state) {
        case State::new_calculation:
          state = new_calculation();
          break;
        case State::calculation:
          state = calculation();
          break;
        case State::report_and_menu:
          state = report_and_menu();
          break;
        case State::end:
          break;
      }
    }
  }

 private:
  State new_calculation() {
    con_.clear_screen();
    write_message(con_, t_.banner[0]);
    write_message(con_, t_.banner[1]);
    write_empty_line(con_);
    write_message(con_, t_.banner[2]);
    write_message(con_, t_.banner[3]);
    record_.start = terminal::input_terminal(con_, t_);
    return State::calculation;
  }

  State calculation() {
    DesignDialog dialog(con_, t_);
    const design::Outcome outcome = design::run_design(record_, dialog);
    if (observer_) observer_(record_, outcome);
    if (outcome == design::Outcome::completed) return State::report_and_menu;
    write_empty_line(con_);
    write_message(con_, t_.abort_lines[0]);
    write_message(con_, t_.abort_lines[1]);
    write_empty_line(con_);
    write_message(con_, t_.abort_lines[2]);
    con_.pause(7);
    return State::new_calculation;
  }

  State report_and_menu() {
    con_.clear_screen();
    terminal::output_terminal(con_, record_.results, record_.inputs, record_.warnings, t_);
    write_empty_line(con_);
    for (const text::Text line : t_.menu) write_message(con_, line);
    write_empty_line(con_);
    con_.write(t_.menu_prompt);
    const std::int32_t choice = tochka::chislointeger(con_, t_.bad_symbol);
    if (choice >= 1 && choice <= 6) {
      change_value(choice);
      con_.clear_screen();
      return State::calculation;
    }
    if (choice == 7) {
      save();
      return State::report_and_menu;
    }
    if (choice == 8) return State::new_calculation;
    if (choice == 9) {
      write_message(con_, t_.goodbye);
      con_.pause(1);
      con_.clear_screen();
      return State::end;
    }
    return State::report_and_menu;
  }

  void save() {
    const bool saved = printer::output_file(record_.results, record_.inputs, record_.pulse_coeffs,
                                            record_.warnings, con_.today(), report_path_);
    write_message(con_, saved ? t_.saved : t_.save_failed);
    con_.pause(1);
  }

  // Menu choices 1 to 6: one starting value, asked until it is in range.
  void change_value(std::int32_t choice) {
    const auto index = static_cast<std::size_t>(choice - 1);
    if (choice != 1) write_message(con_, t_.recalculate_all);
    const MenuValue m = menu_value(choice, record_.start);
    const float shown = choice == 1 ? record_.f_mhz_shown : *m.value;
    console::write_line(con_, std::string(t_.current_value[index]) + numform::fixed(shown, 12, 3));
    *m.value = 0.0f;
    while (true) {
      con_.write(t_.new_value[index]);
      const std::optional<float> typed = tochka::chislo(con_);
      if (starting_values::finite_number(typed) && m.accepted(*typed)) {
        *m.value = *typed;
        break;
      }
    }
    if (choice == 1) record_.start.f_hz = starting_values::mhz_to_hertz(record_.start.f_hz);
  }

  console::Console& con_;
  const text::ConsoleTexts& t_;
  std::string report_path_;
  const CalculationObserver& observer_;
  stage::StageRecord record_;
};

}  // namespace

int run(console::Console& con, text::Encoding encoding, const std::string& report_path,
        const CalculationObserver& observer) {
  try {
    MainLoop(con, encoding, report_path, observer).run();
  } catch (const console::InputEnded&) {
    return 1;
  }
  return 0;
}

}  // namespace program
