#include "main/program.hpp"

#include <cstdint>
#include <functional>

#include "console/terminal.hpp"
#include "console/tochka.hpp"
#include "main/design.hpp"
#include "main/stage_record.hpp"
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
    terminal::output_terminal(con_, record_.results, record_.inputs, record_.hot_cap_warning, t_);
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
                                            record_.hot_cap_warning, con_.today(), report_path_);
    write_message(con_, saved ? t_.saved : t_.save_failed);
    con_.pause(1);
  }

  // Menu choices 1 to 6: one starting value, asked until it is in range.
  void change_value(std::int32_t choice) {
    stage::StageInputs& s = record_.start;
    const auto index = static_cast<std::size_t>(choice - 1);
    if (choice != 1) write_message(con_, t_.recalculate_all);
    float* value = nullptr;
    float shown = 0.0f;
    std::function<bool(float)> accepted;
    switch (choice) {
      case 1:
        value = &s.f_hz;
        shown = record_.f_mhz_shown;
        accepted = [](float x) { return x >= 0.1f && x <= 60.0f; };
        break;
      case 2:
        value = &s.filter_db;
        accepted = [](float x) { return x >= 28.9f && x <= 70.0f; };
        break;
      case 3:
        value = &s.p_out;
        accepted = [](float x) { return x > 0.1f && x <= 5000.0f; };
        break;
      case 4:
        value = &s.e_supply;
        accepted = [&s](float x) { return x > 3.0f && x <= 10000.0f && x >= 1.05f * s.u_min; };
        break;
      case 5:
        value = &s.u_min;
        accepted = [&s](float x) { return x > 0.5f && x <= 1500.0f && x <= 0.95f * s.e_supply; };
        break;
      default:
        value = &s.cutoff_deg;
        accepted = [](float x) { return x > 25.0f && x <= 180.001f; };
        break;
    }
    if (choice != 1) shown = *value;
    console::write_line(con_, std::string(t_.current_value[index]) + numform::fixed(shown, 12, 3));
    *value = 0.0f;
    while (true) {
      con_.write(t_.new_value[index]);
      const std::optional<float> typed = tochka::chislo(con_);
      if (terminal::finite_number(typed) && accepted(*typed)) {
        *value = *typed;
        break;
      }
    }
    if (choice == 1) s.f_hz = s.f_hz * 1e6f;
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
