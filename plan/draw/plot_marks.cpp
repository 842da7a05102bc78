#include <array>
#include <string_view>

#include "plan/draw/plot_frame.hpp"
#include "plan/draw/svg.hpp"

namespace plan::plot {

using svg::line;
using svg::num;
using svg::shown;
using svg::text;

void harmonic_marks(std::string& out, const PlanTexts& t, const Axes& a,
                    const response::Response& resp, float f_hz) {
  const std::array<std::string_view, 3> names{"f", "2f", "3f"};
  const std::array<std::string_view, 3> ids{"mark-f", "mark-2f", "mark-3f"};
  const std::array<float, 3> freqs{f_hz, f_hz + f_hz, 3.0f * f_hz};
  for (std::size_t k = 0; k < 3; ++k) {
    const double x = a.x(mhz(freqs[k]));
    const double level = static_cast<double>(resp.harmonic_db[k]);
    out += "<g id=\"" + std::string(ids[k]) + "\">\n";
    line(out, x, kTopA - 8.0, x, kBottomB, "#555", 1.2, "stroke-dasharray=\"3,3\"");
    const double y = a.y_db(std::max(level, a.db_low));
    out += "<circle cx=\"" + num(x, 2) + "\" cy=\"" + num(y, 2) +
           "\" r=\"4.5\" fill=\"#d35400\" stroke=\"white\" stroke-width=\"1.5\"/>\n";
    const std::string value = k == 0 ? fill(t.chart.plot_level, {shown(level, 1)})
                                     : fill(t.chart.plot_suppression, {shown(-level, 1)});
    text(out, x, kTopA - 26.0, fill(t.chart.plot_mark, {names[k], shown(mhz(freqs[k]), 3)}),
         {13.0, "middle", "#222", true});
    text(out, x, kTopA - 12.0, value, {13.0, "middle", k == 0 ? "#222" : "#d35400", k != 0});
    const std::string s11_text = "|S11| = " + num(static_cast<double>(resp.harmonic_s11[k]), 3);
    text(out, x + 5.0, a.y_s11(0.6), s11_text, {11.5, "start", "#555"});
    out += "</g>\n";
  }
}

void choke_marks(std::string& out, const PlanTexts& t, const Axes& a,
                 std::span<const double> series_mhz) {
  for (std::size_t k = 0; k < series_mhz.size(); ++k) {
    const double f = series_mhz[k];
    if (!(f >= a.f_low && f <= a.f_high)) continue;
    const double x = a.x(f);
    out += "<g class=\"choke-series\">\n";
    line(out, x, kTopA, x, kBottomB, "#b00", 1.5, "stroke-dasharray=\"8,3,2,3\"");
    // The label on the side of the line with more room, alternate marks a line apart.
    const bool left = x > (kLeft + kRight) / 2.0;
    text(out, left ? x - 4.0 : x + 4.0, kBottomA - 8.0 - 16.0 * static_cast<double>(k % 2),
         fill(t.feed.plot_choke_series, {shown(f, 2)}),
         {11.5, left ? "end" : "start", "#b00", false, true});
    out += "</g>\n";
  }
}

}  // namespace plan::plot
