#include "plan/draw/plot.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "main/design.hpp"
#include "plan/draw/plot_frame.hpp"
#include "plan/draw/svg.hpp"
#include "plan/report/pi_l_report.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/texts/texts.hpp"
#include "spectrum/response.hpp"

namespace plan {

namespace {

using svg::escape;
using svg::line;
using svg::num;
using svg::rect;
using svg::shown;
using svg::text;
using svg::TextStyle;
using namespace plot;

constexpr std::string_view kFont = "DejaVu Sans, Verdana, Arial, sans-serif";

// A round step of 1, 2 or 5 times a power of ten giving at most `most` ticks.
double tick_step(double span, int most) {
  const double raw = span / most;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10.0 * power;
}

int decimals_for(double step) {
  return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

void frame(std::string& out, double top, double bottom) {
  rect(out, kLeft, top, kRight - kLeft, bottom - top, "none", "stroke=\"#444\" stroke-width=\"1\"");
}

void x_grid(std::string& out, const Axes& a, double top, double bottom, bool labels) {
  const double step = tick_step(a.f_high - a.f_low, 12);
  const int dec = decimals_for(step);
  for (double t = std::ceil(a.f_low / step) * step; t <= a.f_high + 1e-9 * step; t += step) {
    const double x = a.x(t);
    line(out, x, top, x, bottom, "#ddd", 1.0);
    if (labels) text(out, x, bottom + 17.0, shown(t, dec), {12.0, "middle"});
  }
}

void polyline(std::string& out, std::string_view id,
              const std::vector<std::pair<double, double>>& pts, std::string_view stroke,
              std::string_view clip) {
  out += "<polyline id=\"" + std::string(id) + "\" fill=\"none\" stroke=\"" + std::string(stroke) +
         "\" stroke-width=\"2\" stroke-linejoin=\"round\" clip-path=\"url(#" + std::string(clip) +
         ")\" points=\"";
  bool first = true;
  for (const auto& [x, y] : pts) {
    if (!first) out += ' ';
    out += num(x, 2) + ',' + num(y, 2);
    first = false;
  }
  out += "\"/>\n";
}

// The ends in MHz and the width in kHz, each with at least three significant
// digits of the width.
std::string band_text(const PlanTexts& t, const response::Band& b) {
  const double low = mhz(b.low);
  const double high = mhz(b.high);
  const double width_khz = (high - low) * 1000.0;
  const int khz_decimals =
      width_khz >= 100.0
          ? 0
          : std::clamp(2 - static_cast<int>(std::floor(std::log10(std::max(width_khz, 1e-3)))), 1,
                       3);
  const int mhz_decimals = std::max(3, khz_decimals + 3);
  return fill(t.chart.plot_band, {shown(low, mhz_decimals), shown(high, mhz_decimals),
                                  shown(width_khz, khz_decimals)});
}

void legend_item(std::string& out, double x, double y, std::string_view swatch,
                 std::string_view label) {
  out += swatch;
  text(out, x + 34.0, y + 4.0, label, {12.5});
}

std::string document_start(std::string_view title_text, double height = kHeight) {
  std::string out;
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(kWidth, 0) + "\" height=\"" +
         num(height, 0) + "\" viewBox=\"0 0 " + num(kWidth, 0) + ' ' + num(height, 0) +
         "\" font-family=\"" + std::string(kFont) + "\">\n";
  out += "<title>" + escape(title_text) + "</title>\n";
  rect(out, 0.0, 0.0, kWidth, height, "white");
  return out;
}

std::string network_at(const PlanTexts& t, const Design& d) {
  return fill(t.chart.plot_network_at, {shown(static_cast<double>(d.f_mhz), 3)});
}

std::string pi_l_network_at(const PlanTexts& t, const Design& d) {
  return fill(t.chart.plot_pi_l_network_at, {shown(static_cast<double>(d.f_mhz), 3)});
}

// What the page says about the network besides its curves.
struct Facts {
  std::string network_at;       // "... на f МГц"
  std::string elements;         // the line of element values
  double elements_font = 13.5;  // its font size; the Pi-L's longer line is smaller
  std::string_view s11_panel;   // the heading of the |S11| panel
  float u_in_rms = 0.0f;        // V, of the generator
  float passband_khz = 0.0f;    // the table's -1 dB band
  float s11_band_khz = 0.0f;    // the table's S11 band
  std::string suppression_note;
  std::span<const double> choke_series_mhz;  // the anode choke's series resonances, MHz
};

std::string refusal_page(const std::string& title, const std::string& refused,
                         std::string_view no_curves) {
  std::string out = document_start(title + ": " + refused, 190.0);
  text(out, kWidth / 2.0, 60.0, title, {20.0, "middle", "#222", true});
  text(out, kWidth / 2.0, 120.0, refused, {16.0, "middle", "#b00"});
  text(out, kWidth / 2.0, 150.0, no_curves, {14.0, "middle"});
  out += "</svg>\n";
  return out;
}

std::string refused_svg(const PlanTexts& t, const Design& d) {
  return refusal_page(network_at(t, d), fill(t.chart.plot_refused, {t.critical_q}),
                      t.chart.plot_no_curves);
}

// The axes of both panels: the sweep's frequencies, and levels down to 10 dB
// below the lowest finite level (at most 140 dB down).
Axes axes_of(const response::Response& resp) {
  Axes a;
  a.f_low = mhz(resp.points.front().f_hz);
  a.f_high = mhz(resp.points.back().f_hz);
  float lowest = 0.0f;
  for (const response::Point& p : resp.points) {
    if (std::isfinite(p.level_db)) lowest = std::min(lowest, p.level_db);
  }
  a.db_low = std::max(-140.0, std::floor(static_cast<double>(lowest) / 10.0) * 10.0 - 10.0);
  a.db_high = 5.0;
  return a;
}

std::string clip(std::string_view id, double top, double bottom) {
  return "<clipPath id=\"" + std::string(id) + "\"><rect x=\"" + num(kLeft, 2) + "\" y=\"" +
         num(top, 2) + "\" width=\"" + num(kRight - kLeft, 2) + "\" height=\"" +
         num(bottom - top, 2) + "\"/></clipPath>\n";
}

// The title, the clipping areas and the line of the network's values.
void heading(std::string& out, const PlanTexts& t, const Facts& f) {
  out +=
      "<defs>\n" + clip("clip-a", kTopA, kBottomA) + clip("clip-b", kTopB, kBottomB) + "</defs>\n";
  text(out, kWidth / 2.0, 30.0, fill(t.chart.plot_title, {f.network_at}),
       {19.0, "middle", "#222", true});
  text(out, kWidth / 2.0, 54.0, f.elements, {f.elements_font, "middle"});
}

std::string value_text(float x, int decimals) {
  return shown(static_cast<double>(x), decimals);
}

Facts pi_facts(const PlanTexts& t, const Design& d) {
  const stage::StageResults& r = d.record.results;
  const stage::StageInputs& in = d.record.inputs;
  const auto v = value_text;
  Facts f;
  f.network_at = network_at(t, d);
  f.elements = fill(t.chart.plot_elements,
                    {v(r.c1_total_pf, 1), v(r.l_uh, 3), v(r.c2_pf, 1), v(r.q_loaded, 2),
                     v(in.q_unloaded, 0), v(r.r_oe, 1), v(in.r_load, 1)});
  f.s11_panel = t.chart.plot_s11_panel;
  f.u_in_rms = r.u_in_rms;
  f.passband_khz = r.passband_khz;
  f.s11_band_khz = r.s11_band_khz;
  f.suppression_note = fill(t.chart.plot_suppression_note, {v(r.filter_achieved_db, 1)});
  return f;
}

Facts pi_l_facts(const PlanTexts& t, const Design& d) {
  const PiLColumn& c = *d.pi_l;
  const design::PiLResults& r = c.design.results;
  const stage::StageInputs& in = d.record.inputs;
  const auto v = value_text;
  Facts f;
  f.network_at = pi_l_network_at(t, d);
  f.elements =
      fill(t.chart.plot_pi_l_elements,
           {v(r.c1_total_pf, 1), v(r.l1_uh, 3), v(r.c2_pf, 1), v(r.l2_uh, 3), v(r.r_mid, 1),
            v(r.q_loaded, 2), v(in.q_unloaded, 0), v(r.r_oe, 1), v(in.r_load, 1)});
  f.s11_panel = t.chart.plot_pi_l_s11_panel;
  f.u_in_rms = c.design.u_in_rms;
  f.passband_khz = r.passband_khz;
  f.s11_band_khz = r.s11_band_khz;
  const auto db = [](float x) { return std::isnan(x) ? std::string("—") : value_text(x, 1); };
  f.suppression_note = fill(t.chart.plot_pi_l_suppression_note,
                            {v(r.filter_achieved_db, 1), db(c.pi_h2_db), db(c.pi_h3_db)});
  return f;
}

void shade(std::string& out, const Axes& a, const std::vector<response::Band>& bands, double top,
           double bottom, std::string_view fill_colour, std::string_view extra) {
  for (const response::Band& b : bands) {
    rect(out, a.x(mhz(b.low)), top, std::max(1.0, a.x(mhz(b.high)) - a.x(mhz(b.low))), bottom - top,
         fill_colour, extra);
  }
}

// Panel A: the response in dB with the -1 dB band.
void response_panel(std::string& out, const PlanTexts& t, const Axes& a,
                    const response::Response& resp) {
  text(out, kLeft, kTopA - 44.0, t.chart.plot_response_panel, {14.0, "start", "#222", true});
  shade(out, a, resp.within_1db, kTopA, kBottomA, "#7fd17f",
        "class=\"band-1db\" fill-opacity=\"0.45\"");
  x_grid(out, a, kTopA, kBottomA, true);
  const double db_step = tick_step(a.db_high - a.db_low, 10);
  for (double tick = std::ceil(a.db_low / db_step) * db_step; tick <= a.db_high + 1e-9;
       tick += db_step) {
    const double y = a.y_db(tick);
    line(out, kLeft, y, kRight, y, tick == 0.0 ? "#999" : "#ddd", 1.0);
    text(out, kLeft - 8.0, y + 4.0, shown(tick, 0), {12.0, "end"});
  }
  frame(out, kTopA, kBottomA);
  text(out, 24.0, (kTopA + kBottomA) / 2.0, t.chart.plot_db, {13.0, "middle"});
  std::vector<std::pair<double, double>> pts;
  pts.reserve(resp.points.size());
  for (const response::Point& p : resp.points) {
    const double level =
        std::isfinite(p.level_db) ? static_cast<double>(p.level_db) : a.db_low - 50.0;
    pts.emplace_back(a.x(mhz(p.f_hz)), a.y_db(std::max(level, a.db_low - 50.0)));
  }
  polyline(out, "curve-response", pts, "#1f5fbf", "clip-a");
}

// Panel B: |S11| with the band below 0.1 and the 0.1 level.
void s11_panel(std::string& out, const PlanTexts& t, const Axes& a, const response::Response& resp,
               std::string_view title) {
  text(out, kLeft, kTopB - 10.0, title, {14.0, "start", "#222", true});
  shade(out, a, resp.s11_below_0_1, kTopB, kBottomB, "#f2c14e",
        "class=\"band-s11\" fill-opacity=\"0.6\"");
  x_grid(out, a, kTopB, kBottomB, true);
  for (int i = 0; i <= 5; ++i) {
    const double s = 0.2 * i;
    const double y = a.y_s11(s);
    line(out, kLeft, y, kRight, y, "#ddd", 1.0);
    text(out, kLeft - 8.0, y + 4.0, num(s, 1), {12.0, "end"});
  }
  line(out, kLeft, a.y_s11(0.1), kRight, a.y_s11(0.1), "#c0392b", 1.5,
       "id=\"level-0.1\" stroke-dasharray=\"6,4\"");
  text(out, kRight - 4.0, a.y_s11(0.1) - 5.0, "|S11| = 0.1", {12.0, "end", "#c0392b"});
  frame(out, kTopB, kBottomB);
  text(out, 24.0, (kTopB + kBottomB) / 2.0, "|S11|", {13.0, "middle"});
  std::vector<std::pair<double, double>> pts;
  pts.reserve(resp.points.size());
  for (const response::Point& p : resp.points) {
    const double s = std::isfinite(p.s11) ? static_cast<double>(p.s11) : 1.0;
    pts.emplace_back(a.x(mhz(p.f_hz)), a.y_s11(std::clamp(s, -0.1, 1.1)));
  }
  polyline(out, "curve-s11", pts, "#8e44ad", "clip-b");
  text(out, (kLeft + kRight) / 2.0, kBottomB + 40.0, t.chart.plot_frequency_axis, {14.0, "middle"});
}

// A legend box of a curve and its shaded band at height y: the box ends
// 10 px short of `right` and is wide enough for its longer label at the
// legend's 12.5 px font, 400 px at least.
void legend(std::string& out, double right, double y, std::string_view colour,
            std::string_view curve_label, std::string_view band_colour,
            std::string_view band_opacity, const std::string& band_label) {
  constexpr double kMinWidth = 400.0;   // px
  constexpr double kCharWidth = 7.2;    // px, DejaVu Sans's average at 12.5 px
  constexpr double kTextOffset = 44.0;  // px, from the box's edge to the labels
  const auto chars =
      static_cast<double>(std::max(display_width(curve_label), display_width(band_label)));
  const double width = std::max(kMinWidth, kTextOffset + kCharWidth * chars);
  const double x = right - width;
  rect(out, x - 10.0, y - 14.0, width, 44.0, "white", "fill-opacity=\"0.9\" stroke=\"#bbb\"");
  legend_item(out, x, y,
              "<line x1=\"" + num(x, 1) + "\" y1=\"" + num(y, 1) + "\" x2=\"" + num(x + 26.0, 1) +
                  "\" y2=\"" + num(y, 1) + "\" stroke=\"" + std::string(colour) +
                  "\" stroke-width=\"2\"/>\n",
              curve_label);
  legend_item(out, x, y + 20.0,
              "<rect x=\"" + num(x, 1) + "\" y=\"" + num(y + 14.0, 1) +
                  "\" width=\"26\" height=\"12\" fill=\"" + std::string(band_colour) +
                  "\" fill-opacity=\"" + std::string(band_opacity) + "\"/>\n",
              band_label);
}

// The legends, and what the curves are: the bands of the curve are found
// on its fine sweep, the table's with the design's own frequency step, and
// the picture says which is which.
void legends_and_notes(std::string& out, const PlanTexts& x, const Axes& a,
                       const response::Response& resp, const Facts& f) {
  const double right = kRight;  // the legends stand at the plot's right edge
  legend(out, right, kTopA + 22.0, "#1f5fbf", x.chart.plot_response_legend, "#7fd17f", "0.45",
         resp.within_1db.empty()
             ? std::string(x.chart.plot_band_1db_none)
             : fill(x.chart.plot_band_1db, {band_text(x, resp.within_1db.front())}));
  legend(out, right, a.y_s11(0.45), "#8e44ad", x.chart.plot_s11_legend, "#f2c14e", "0.6",
         resp.s11_below_0_1.empty()
             ? std::string(x.chart.plot_band_s11_none)
             : fill(x.chart.plot_band_s11, {band_text(x, resp.s11_below_0_1.front())}));
  const auto v = [](float value) { return shown(static_cast<double>(value), 1); };
  const double ny = kBottomB + 66.0;
  text(out, kLeft, ny, fill(x.chart.plot_generator, {v(f.u_in_rms)}), {12.0});
  text(out, kLeft, ny + 17.0,
       fill(x.chart.plot_table_bands, {v(f.passband_khz), v(f.s11_band_khz)}),
       {12.0, "start", "#222", true});
  text(out, kLeft, ny + 34.0, x.chart.plot_which_is_which, {12.0});
  text(out, kLeft, ny + 51.0, f.suppression_note, {12.0});
}

// The page of a network's response.
std::string response_page(const PlanTexts& t, const response::Response& resp, const Facts& f,
                          float f_hz) {
  const Axes a = axes_of(resp);
  std::string out = document_start(fill(t.chart.plot_title, {f.network_at}));
  heading(out, t, f);
  response_panel(out, t, a, resp);
  s11_panel(out, t, a, resp, f.s11_panel);
  harmonic_marks(out, t, a, resp, f_hz);
  choke_marks(out, t, a, f.choke_series_mhz);
  legends_and_notes(out, t, a, resp, f);
  out += "</svg>\n";
  return out;
}

std::string pi_l_svg(const PlanTexts& t, const Design& d, std::span<const double> choke_mhz) {
  const PiLColumn& c = *d.pi_l;
  if (!c.design.completed()) {
    return refusal_page(pi_l_network_at(t, d),
                        fill(t.chart.plot_pi_l_refused, {pi_l_refusal(c, t)}),
                        t.chart.plot_pi_l_no_curves);
  }
  const response::PiLTank net{c.design.net, c.design.results.r_oe, c.design.u_in_rms,
                              d.record.inputs.f_hz};
  Facts f = pi_l_facts(t, d);
  f.choke_series_mhz = choke_mhz;
  return response_page(t, response::sweep(net), f, net.f_hz);
}

}  // namespace

std::string plot_svg(const Design& d, const PlanTexts& t,
                     std::span<const double> choke_series_mhz) {
  if (d.pi_l) return pi_l_svg(t, d, choke_series_mhz);
  if (!d.completed()) return refused_svg(t, d);
  const response::PiTank net = design::pi_tank(d.record);
  Facts f = pi_facts(t, d);
  f.choke_series_mhz = choke_series_mhz;
  return response_page(t, response::sweep(net), f, net.f_hz);
}

}  // namespace plan
