#include "plan/draw/smith_page.hpp"

#include <optional>

#include "plan/draw/smith_chart.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"

namespace plan {

namespace {

constexpr double kFaradsPerPicofarad = 1e-12;

// The rectangle the variables reach with the circle's padders: C1 total is
// the tube's, the padder and the variable; C2 the padder and the variable.
std::optional<retune::SettingsRange> settings_of(const PlanReport& report, const LoadRange& r) {
  const std::optional<CapacitorOptions>& c = report.parts_options.capacitors;
  if (!c || !r.tuning) return std::nullopt;
  const double tube = static_cast<double>(report.inputs.c_tube) + r.tuning->c1_padder_pf;
  const double c2 = r.tuning->c2_padder_pf;
  return retune::SettingsRange{
      (tube + static_cast<double>(report.inputs.c_var_min)) * kFaradsPerPicofarad,
      (tube + static_cast<double>(c->c1_max_pf)) * kFaradsPerPicofarad,
      (c2 + static_cast<double>(c->c2_min_pf)) * kFaradsPerPicofarad,
      (c2 + static_cast<double>(c->c2_max_pf)) * kFaradsPerPicofarad};
}

}  // namespace

SmithTexts smith_texts(const PlanTexts& t) {
  return {t.chart.smith_matched,
          t.chart.smith_not_matched,
          t.chart.smith_design_load,
          t.chart.smith_swr,
          t.chart.smith_region,
          t.chart.smith_resistance,
          t.chart.smith_reactance,
          "R0",
          t.ohm};
}

std::string smith_page(const PlanReport& report, std::size_t index, const PlanTexts& t) {
  const Design& d = report.designs.at(index);
  // The chart of the report's last network: the Pi-L when it has one.
  const TankOutputs tank = tank_outputs(report).back();
  const std::string f = fixed_text(static_cast<double>(d.f_mhz), 3);
  const std::string title = fill(tank.smith_title, {f});
  const std::optional<NetworkLoadRange>& range = report.load_ranges.at(index).*tank.circles->circle;
  const double swr = static_cast<double>(report.swr.value_or(0.0f));
  if (!range) {
    SmithChart empty{static_cast<double>(report.inputs.r_load),
                     swr,
                     {},
                     static_cast<double>(report.inputs.r_load),
                     {},
                     {},
                     title,
                     std::string(t.chart.smith_refused)};
    return smith_svg(empty, smith_texts(t));
  }
  const retune::Stage stage = tank.stage(d);
  const LoadRange& r = range->range;
  const std::string subtitle = fill(
      t.chart.smith_subtitle, {float_text(static_cast<float>(swr)),
                               float_text(report.inputs.r_load), fixed_text(stage.tank.r_oe, 1),
                               std::to_string(r.matched_count), std::to_string(r.points.size())});
  return smith_svg(smith_chart(stage, swr, settings_of(report, r), title, subtitle),
                   smith_texts(t));
}

}  // namespace plan
