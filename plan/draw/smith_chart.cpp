#include "plan/draw/smith_chart.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "plan/draw/smith_region.hpp"
#include "plan/draw/svg.hpp"

namespace plan {

namespace {

using Complex = std::complex<double>;

using svg::circle;
using svg::escape;
using svg::text;
using svg::TextStyle;
using svg::trimmed;

std::string fixed(double v, int decimals) {
  return svg::num(v, decimals);
}

// --- The chart.

// Page geometry, SVG user units (pixels).
constexpr double kWidth = 1000.0;
constexpr double kHeight = 850.0;
constexpr double kCentreX = 400.0;  // the chart's centre, Gamma = 0
constexpr double kCentreY = 460.0;
constexpr double kRadius = 340.0;   // |Gamma| = 1
constexpr double kLegendX = 775.0;  // the legend's box, right of the chart
constexpr double kLegendY = 120.0;
constexpr double kLegendWidth = 215.0;
constexpr double kLegendRow = 24.0;    // between the legend's entries
constexpr double kMarkerRadius = 4.5;  // a load's marker
constexpr double kDiamond = 7.5;       // the design load's marker, half its diagonal

constexpr std::string_view kFont = "DejaVu Sans, Verdana, Arial, sans-serif";
constexpr std::string_view kGrid = "#c4c4c4";
constexpr std::string_view kMatchedColour = "#1e8449";
constexpr std::string_view kNotMatchedColour = "#c0392b";
constexpr std::string_view kSwrColour = "#7d3c98";
constexpr std::string_view kRegionColour = "#2e86de";
constexpr std::string_view kRegionBorder = "#1b4f8a";

// The resistance circles and reactance arcs, normalised to R0.
constexpr std::array<double, 6> kResistances{0.0, 0.2, 0.5, 1.0, 2.0, 5.0};
constexpr std::array<double, 5> kReactances{0.2, 0.5, 1.0, 2.0, 5.0};

std::pair<double, double> page(Complex gamma) {
  return {kCentreX + kRadius * gamma.real(), kCentreY - kRadius * gamma.imag()};
}

// A grid value with its sign: "+0.5", "−2" (a real minus).
std::string signed_value(double x) {
  return (x < 0.0 ? "−" : "+") + trimmed(std::abs(x));
}

void resistance_circles(std::string& out) {
  for (const double r : kResistances) {
    const double centre = r / (1.0 + r);
    const double radius = 1.0 / (1.0 + r);
    const auto [x, y] = page(Complex(centre, 0.0));
    const bool rim = r == 0.0;
    circle(out, x, y, kRadius * radius,
           "id=\"r-" + trimmed(r) + "\" fill=\"none\" stroke=\"" +
               std::string(rim ? "#555" : kGrid) + "\" stroke-width=\"" + (rim ? "1.6" : "1") +
               "\"");
    const auto [lx, ly] = page(Complex((r - 1.0) / (r + 1.0), 0.0));
    text(out, lx - 5.0, ly + 14.0, trimmed(r), {10.5, "end", "#666", false, true});
  }
  const auto [x1, y1] = page(Complex(-1.0, 0.0));
  const auto [x2, y2] = page(Complex(1.0, 0.0));
  out += "<line x1=\"" + fixed(x1, 2) + "\" y1=\"" + fixed(y1, 2) + "\" x2=\"" + fixed(x2, 2) +
         "\" y2=\"" + fixed(y2, 2) + "\" stroke=\"" + std::string(kGrid) + "\"/>\n";
}

// A grid arc, the shorter way from `from` to `to` (page units), clockwise on
// the page when `clockwise`.
std::string arc(const std::string& id, std::pair<double, double> from, std::pair<double, double> to,
                double radius, bool clockwise) {
  const std::string r = fixed(radius, 2);
  return "<path id=\"" + id + "\" fill=\"none\" stroke=\"" + std::string(kGrid) + "\" d=\"M" +
         fixed(from.first, 2) + ',' + fixed(from.second, 2) + " A" + r + ',' + r + " 0 0 " +
         (clockwise ? "1 " : "0 ") + fixed(to.first, 2) + ',' + fixed(to.second, 2) + "\"/>\n";
}

// Each arc runs from Gamma = 1 to the rim, where x meets r = 0; arcs of
// constant reactance cross the rim at right angles, so the part inside is
// always the shorter arc.
void reactance_arcs(std::string& out) {
  const auto [ox, oy] = page(Complex(1.0, 0.0));
  for (const double magnitude : kReactances) {
    for (const double x : {magnitude, -magnitude}) {
      const Complex end = reflection(Complex(0.0, x), 1.0);
      const auto [ex, ey] = page(end);
      out += arc("x-" + trimmed(x), {ox, oy}, {ex, ey}, kRadius / magnitude, x > 0.0);
      const auto [lx, ly] = page(end * 1.045);
      const std::string_view anchor =
          std::abs(end.real()) < 0.3 ? "middle" : (end.real() < 0.0 ? "end" : "start");
      text(out, lx, ly + 4.0, signed_value(x), {11.0, anchor, "#555", false, true});
    }
  }
}

// The region's loops as the subpaths of one path, page units.
std::string loop_path(const std::vector<GammaLoop>& loops) {
  std::string d;
  for (const GammaLoop& loop : loops) {
    char command = 'M';
    for (const Complex& g : loop) {
      const auto [x, y] = page(g);
      d += command;
      d += fixed(x, 2) + ',' + fixed(y, 2);
      command = 'L';
    }
    d += 'Z';
  }
  return d;
}

// The shading and its outline: the same loops, filled by the even-odd rule
// (a hole of the region is a loop inside another) and stroked.
void region(std::string& out, const SmithChart& c) {
  if (!c.has_region || c.region_loops.empty()) return;
  const std::string d = loop_path(c.region_loops);
  out += "<path id=\"region-fill\" fill=\"" + std::string(kRegionColour) +
         "\" fill-opacity=\"0.16\" fill-rule=\"evenodd\" stroke=\"none\" d=\"" + d + "\"/>\n";
  out += "<path id=\"region\" fill=\"none\" stroke=\"" + std::string(kRegionBorder) +
         "\" stroke-width=\"1.5\" stroke-linejoin=\"round\" d=\"" + d + "\"/>\n";
}

std::string swr_circle_style() {
  return "fill=\"none\" stroke=\"" + std::string(kSwrColour) +
         "\" stroke-width=\"1.6\" stroke-dasharray=\"7,4\"";
}

std::string marker_style(bool matched) {
  return matched ? "fill=\"" + std::string(kMatchedColour) + "\" stroke=\"white\""
                 : "fill=\"white\" stroke=\"" + std::string(kNotMatchedColour) +
                       "\" stroke-width=\"1.8\"";
}

std::string diamond(double x, double y) {
  return "<path id=\"design-load\" fill=\"#111\" stroke=\"white\" stroke-width=\"1.2\" d=\"M" +
         fixed(x, 2) + ',' + fixed(y - kDiamond, 2) + " L" + fixed(x + kDiamond, 2) + ',' +
         fixed(y, 2) + ' ' + fixed(x, 2) + ',' + fixed(y + kDiamond, 2) + ' ' +
         fixed(x - kDiamond, 2) + ',' + fixed(y, 2) + "Z\"/>\n";
}

void loads(std::string& out, const SmithChart& c) {
  const double rho = (c.swr - 1.0) / (c.swr + 1.0);
  circle(out, kCentreX, kCentreY, kRadius * rho, "id=\"swr-circle\" " + swr_circle_style());
  for (std::size_t k = 0; k < c.loads.size(); ++k) {
    const SmithLoad& l = c.loads[k];
    const auto [x, y] = page(reflection(l.z_ohm, c.r0_ohm));
    circle(out, x, y, kMarkerRadius,
           "id=\"load-" + std::to_string(k) + "\" class=\"" +
               (l.matched ? "load matched" : "load not-matched") + "\" " + marker_style(l.matched));
  }
  const auto [dx, dy] = page(reflection(c.design_load_ohm, c.r0_ohm));
  out += diamond(dx, dy);
}

void legend(std::string& out, const SmithChart& c, const SmithTexts& t) {
  const auto matched =
      std::count_if(c.loads.begin(), c.loads.end(), [](const SmithLoad& l) { return l.matched; });
  const auto others = static_cast<std::ptrdiff_t>(c.loads.size()) - matched;
  const double rows = c.has_region ? 9.0 : 8.0;
  out += "<g id=\"legend\">\n<rect x=\"" + fixed(kLegendX, 1) + "\" y=\"" + fixed(kLegendY, 1) +
         "\" width=\"" + fixed(kLegendWidth, 1) + "\" height=\"" +
         fixed(rows * kLegendRow + 10.0, 1) + "\" fill=\"white\" stroke=\"#bbb\"/>\n";
  const double x = kLegendX + 20.0;
  const double tx = kLegendX + 40.0;
  double y = kLegendY + 22.0;
  const auto entry = [&](std::string_view label) {
    text(out, tx, y + 4.0, label, {12.5});
    y += kLegendRow;
  };
  circle(out, x, y, kMarkerRadius, marker_style(true));
  entry(std::string(t.matched) + " (" + std::to_string(matched) + ')');
  circle(out, x, y, kMarkerRadius, marker_style(false));
  entry(std::string(t.not_matched) + " (" + std::to_string(others) + ')');
  out += diamond(x, y);
  entry(t.design_load);
  out += "<line x1=\"" + fixed(x - 12.0, 1) + "\" y1=\"" + fixed(y, 1) + "\" x2=\"" +
         fixed(x + 12.0, 1) + "\" y2=\"" + fixed(y, 1) + "\" " + swr_circle_style() + "/>\n";
  entry(std::string(t.swr) + " = " + trimmed(c.swr));
  if (c.has_region) {
    out += "<rect x=\"" + fixed(x - 12.0, 1) + "\" y=\"" + fixed(y - 7.0, 1) +
           "\" width=\"24\" height=\"14\" fill=\"" + std::string(kRegionColour) +
           "\" fill-opacity=\"0.16\" stroke=\"" + std::string(kRegionBorder) + "\"/>\n";
    entry(t.region);
  }
  y += 0.5 * kLegendRow;
  text(out, x - 8.0, y, std::string(t.r0) + " = " + trimmed(c.r0_ohm) + ' ' + std::string(t.ohm),
       {12.5});
  text(out, x - 8.0, y + kLegendRow, t.resistance, {12.0, "start", "#555"});
  text(out, x - 8.0, y + 2.0 * kLegendRow, t.reactance, {12.0, "start", "#555"});
  out += "</g>\n";
}

}  // namespace

Complex reflection(Complex z_ohm, double r0_ohm) {
  if (std::isinf(z_ohm.real()) || std::isinf(z_ohm.imag())) return {1.0, 0.0};
  return (z_ohm - r0_ohm) / (z_ohm + r0_ohm);
}

std::string smith_svg(const SmithChart& chart, const SmithTexts& texts) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + fixed(kWidth, 0) + "\" height=\"" +
         fixed(kHeight, 0) + "\" viewBox=\"0 0 " + fixed(kWidth, 0) + ' ' + fixed(kHeight, 0) +
         "\" font-family=\"" + std::string(kFont) + "\">\n";
  out += "<title>" + escape(chart.title) + "</title>\n";
  out += "<rect x=\"0\" y=\"0\" width=\"" + fixed(kWidth, 0) + "\" height=\"" + fixed(kHeight, 0) +
         "\" fill=\"white\"/>\n";
  text(out, kWidth / 2.0, 32.0, chart.title, {19.0, "middle", "#222", true});
  text(out, kWidth / 2.0, 56.0, chart.subtitle, {13.5, "middle"});
  region(out, chart);
  resistance_circles(out);
  reactance_arcs(out);
  loads(out, chart);
  legend(out, chart, texts);
  out += "</svg>\n";
  return out;
}

SmithChart smith_chart(const retune::Stage& stage, double swr,
                       const std::optional<retune::SettingsRange>& settings, std::string title,
                       std::string subtitle) {
  SmithChart c;
  c.r0_ohm = stage.r0;
  c.swr = swr;
  for (const retune::Point& p : retune::retune_circle(stage, swr)) {
    c.loads.push_back({p.z_load, p.matched()});
  }
  c.design_load_ohm = stage.r0;
  if (settings) {
    c.has_region = true;
    const retune::SettingsRange box = *settings;
    c.region_loops = region_outline([&](Complex g) {
      return retune::in_region(stage.tank, box, stage.r0 * (1.0 + g) / (1.0 - g));
    });
  }
  c.title = std::move(title);
  c.subtitle = std::move(subtitle);
  return c;
}

}  // namespace plan
