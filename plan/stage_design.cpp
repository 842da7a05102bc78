#include "plan/stage_design.hpp"

#include <bit>

#include "console/terminal.hpp"

namespace plan {

namespace {

// The plan's answer to the hot-capacitance question; nothing is shown.
class Answer final : public design::DesignConsole {
 public:
  explicit Answer(bool raise_q) : raise_q_(raise_q) {}
  void announce_calculation() override {}
  bool ask_raise_loaded_q(design::HotCapText) override { return raise_q_; }

 private:
  bool raise_q_;
};

}  // namespace

stage::StageInputs stage_inputs(const TypedInputs& typed, float f_mhz) {
  stage::StageInputs in;
  in.p_out = typed.p_out;
  in.e_supply = typed.e_supply;
  in.u_min = typed.u_min;
  in.c_tube = terminal::pf_to_farads(typed.c_tube);
  in.c_var_min = terminal::pf_to_farads(typed.c_var_min);
  in.f_hz = terminal::mhz_to_hertz(f_mhz);
  in.r_load = typed.r_load;
  in.filter_db = typed.filter_db;
  in.q_unloaded = typed.q_unloaded;
  in.cutoff_deg = typed.cutoff_deg;
  in.tube_exponent = typed.tube_exponent;
  return in;
}

Design design_at(const TypedInputs& typed, float f_mhz, bool raise_q) {
  Design d;
  d.f_mhz = f_mhz;
  d.record.start = stage_inputs(typed, f_mhz);
  Answer answer(raise_q);
  d.outcome = design::run_design(d.record, answer);
  return d;
}

std::vector<Design> design_all(const TypedInputs& typed, const std::vector<float>& f_mhz,
                               bool raise_q) {
  std::vector<Design> designs;
  designs.reserve(f_mhz.size());
  for (const float f : f_mhz) designs.push_back(design_at(typed, f, raise_q));
  return designs;
}

std::array<float, 34> result_values(const stage::StageResults& results) {
  return std::bit_cast<std::array<float, 34>>(results);
}

std::array<float, 10> typed_values(const TypedInputs& t) {
  return {t.p_out,  t.e_supply,  t.u_min,      t.c_tube,     t.c_var_min,
          t.r_load, t.filter_db, t.q_unloaded, t.cutoff_deg, t.tube_exponent};
}

}  // namespace plan
