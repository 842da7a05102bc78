#include "plan/smith_chart.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "plan/svg.hpp"

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

// Clipping the region: the unit circle is followed in steps of at most
// 2 degrees; an edge whose ends both lie beyond |Gamma| = 4 is the jump of a
// border passing near z = -R0 (Gamma at infinity), not a chord through the
// chart, and is never cut by the circle.
constexpr double kArcStepRad = 2.0 * std::numbers::pi / 180.0;
constexpr double kFarGamma = 4.0;

std::pair<double, double> page(Complex gamma) {
  return {kCentreX + kRadius * gamma.real(), kCentreY - kRadius * gamma.imag()};
}

std::string point_list(const std::vector<Complex>& gammas) {
  std::string s;
  for (const Complex& g : gammas) {
    const auto [x, y] = page(g);
    if (!s.empty()) s += ' ';
    s += fixed(x, 2) + ',' + fixed(y, 2);
  }
  return s;
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

// The points where the edge a -> b crosses the unit circle, as fractions of
// the edge in (0, 1), in order; a touching edge does not cross.
std::vector<double> crossings(Complex a, Complex b) {
  if (std::abs(a) > kFarGamma && std::abs(b) > kFarGamma) return {};
  const Complex d = b - a;
  const double qa = std::norm(d);
  const double qb = 2.0 * (a.real() * d.real() + a.imag() * d.imag());
  const double qc = std::norm(a) - 1.0;
  const double disc = qb * qb - 4.0 * qa * qc;
  if (!(qa > 0.0) || !(disc > 0.0)) return {};
  const double root = std::sqrt(disc);
  std::vector<double> t;
  for (const double r : {(-qb - root) / (2.0 * qa), (-qb + root) / (2.0 * qa)}) {
    if (r > 0.0 && r < 1.0) t.push_back(r);
  }
  return t;
}

// The rim from the angle `from` turning by `sweep` radians, its ends left out.
void rim(std::vector<Complex>& out, double from, double sweep) {
  const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / kArcStepRad)));
  for (int k = 1; k < steps; ++k) out.push_back(std::polar(1.0, from + sweep * k / steps));
}

// Walks the polygon from a vertex outside the chart: the parts inside are
// kept, and each stretch outside, from where it leaves to where it comes
// back, is replaced by the rim turning the same way round the centre as the
// stretch did.
struct RimWalk {
  std::vector<Complex> kept;
  bool inside = false;
  double sweep = 0.0;        // turned round the centre since the last exit, rad
  double exit_angle = 0.0;   // where the last stretch outside began, rad
  bool exited = false;       // an exit was seen
  double lead_sweep = 0.0;   // turned before the first entry, rad
  double first_entry = 0.0;  // rad
  bool entered = false;

  void cross(Complex c, Complex from) {
    if (inside) {
      kept.push_back(c);
      exit_angle = std::arg(c);
      exited = true;
      sweep = 0.0;
    } else {
      sweep += std::arg(c / from);
      if (exited) {
        rim(kept, exit_angle, sweep);
      } else {
        lead_sweep = sweep;
        first_entry = std::arg(c);
        entered = true;
      }
      kept.push_back(c);
    }
    inside = !inside;
  }
};

std::vector<Complex> clip_to_chart(const std::vector<Complex>& polygon) {
  const auto outside =
      std::find_if(polygon.begin(), polygon.end(), [](Complex g) { return std::abs(g) > 1.0; });
  if (outside == polygon.end()) return polygon;
  const std::size_t n = polygon.size();
  const auto start = static_cast<std::size_t>(outside - polygon.begin());
  RimWalk w;
  for (std::size_t i = 0; i < n; ++i) {
    const Complex a = polygon[(start + i) % n];
    const Complex b = polygon[(start + i + 1) % n];
    Complex at = a;
    for (const double t : crossings(a, b)) {
      const Complex c = a + t * (b - a);
      w.cross(c, at);
      at = c;
    }
    if (w.inside) {
      if (i + 1 < n) w.kept.push_back(b);
    } else {
      w.sweep += std::arg(b / at);
    }
  }
  if (w.entered && w.exited) {
    rim(w.kept, w.exit_angle, w.sweep + w.lead_sweep);
    return w.kept;
  }
  // Never inside: the chart lies wholly within the border or wholly outside.
  std::vector<Complex> whole;
  if (std::abs(w.sweep) > std::numbers::pi) rim(whole, 0.0, 2.0 * std::numbers::pi);
  return whole;
}

// The cells' images as the subpaths of one path, clipped to the chart. A
// cell where the map from settings to loads folds over turns the other
// way; each is written turning the same way, so that under the nonzero
// rule overlaps fill once (no darker folds, no holes) and neighbours share
// their edges without anti-aliased seams.
void region_cells(std::string& out, const SmithChart& c) {
  out += "<clipPath id=\"chart-clip\"><circle cx=\"" + fixed(kCentreX, 2) + "\" cy=\"" +
         fixed(kCentreY, 2) + "\" r=\"" + fixed(kRadius, 2) + "\"/></clipPath>\n";
  out += "<path id=\"region-fill\" fill=\"" + std::string(kRegionColour) +
         "\" fill-opacity=\"0.16\" fill-rule=\"nonzero\" clip-path=\"url(#chart-clip)\" d=\"";
  for (const auto& cell : c.region_cells) {
    std::array<std::pair<double, double>, 4> xy;
    std::transform(cell.begin(), cell.end(), xy.begin(),
                   [&](const Complex& z) { return page(reflection(z, c.r0_ohm)); });
    double area = 0.0;  // twice the signed area, shoelace
    for (std::size_t i = 0; i < xy.size(); ++i) {
      const auto& [x0, y0] = xy[i];
      const auto& [x1, y1] = xy[(i + 1) % xy.size()];
      area += x0 * y1 - x1 * y0;
    }
    if (area < 0.0) std::reverse(xy.begin(), xy.end());
    char command = 'M';
    for (const auto& [x, y] : xy) {
      out += command;
      out += fixed(x, 2) + ',' + fixed(y, 2);
      command = 'L';
    }
    out += 'Z';
  }
  out += "\"/>\n";
}

void region(std::string& out, const SmithChart& c) {
  if (!c.region_cells.empty()) region_cells(out, c);
  std::vector<Complex> gammas;
  for (const Complex& z : c.region) {
    const Complex g = reflection(z, c.r0_ohm);
    if (std::isfinite(g.real()) && std::isfinite(g.imag())) gammas.push_back(g);
  }
  const std::vector<Complex> clipped = gammas.size() < 3 ? gammas : clip_to_chart(gammas);
  if (clipped.size() < 3) return;
  out += "<polygon id=\"region\" fill=\"none\" stroke=\"" + std::string(kRegionBorder) +
         "\" stroke-width=\"1.5\" stroke-linejoin=\"round\" points=\"" + point_list(clipped) +
         "\"/>\n";
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
  const double rows = c.region.empty() ? 8.0 : 9.0;
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
  if (!c.region.empty()) {
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

// The region's border for the page: the rectangle's edges in
// retune::region_border's order, each from kBorderPointsPerEdge even steps,
// halved where the border moves faster than kBorderStep on the chart (the
// loads crowd at one end of an edge and spread at the other).
constexpr double kBorderStep = 0.01;  // in |Gamma|: 3.4 px
constexpr int kBorderHalvings = 10;   // at most 1024 points per even step

struct Edge {
  const retune::Stage& stage;
  double c1_from, c1_to, c2_from, c2_to;  // F

  Complex load(double s) const {
    return retune::load_for_settings(stage.tank, c1_from + s * (c1_to - c1_from),
                                     c2_from + s * (c2_to - c2_from));
  }
  // The loads in (s0, s1], ohm.
  void walk(std::vector<Complex>& out, double s0, Complex z0, double s1, Complex z1,
            int depth) const {
    const Complex step = reflection(z1, stage.r0) - reflection(z0, stage.r0);
    if (depth < kBorderHalvings && std::abs(step) > kBorderStep) {
      const double mid = 0.5 * (s0 + s1);
      const Complex zm = load(mid);
      walk(out, s0, z0, mid, zm, depth + 1);
      walk(out, mid, zm, s1, z1, depth + 1);
      return;
    }
    out.push_back(z1);
  }
};

// The cells over the rectangle of settings for the region's fill: a grid,
// each cell halved both ways while its corners lie further apart on the
// chart than kCellSpan (its straight sides would stray from the curved
// image), down to kCellHalvings times. A cell wholly beyond the rim is left out.
constexpr int kRegionCells = 16;   // per side at first
constexpr int kCellHalvings = 2;   // cells of 1/64 of the rectangle's side at the finest
constexpr double kCellSpan = 0.1;  // in |Gamma|: about 34 px

struct CellGrid {
  const retune::Stage& stage;
  std::vector<std::array<Complex, 4>>& out;

  Complex at(double c1, double c2) const { return retune::load_for_settings(stage.tank, c1, c2); }
  void cell(double c1a, double c1b, double c2a, double c2b, int depth) const {
    const std::array<Complex, 4> z{at(c1a, c2a), at(c1b, c2a), at(c1b, c2b), at(c1a, c2b)};
    double span = 0.0;
    double nearest = kFarGamma;
    for (std::size_t i = 0; i < z.size(); ++i) {
      const Complex g = reflection(z[i], stage.r0);
      if (!std::isfinite(g.real()) || !std::isfinite(g.imag())) return;
      nearest = std::min(nearest, std::abs(g));
      span = std::max(span, std::abs(g - reflection(z[(i + 2) % 4], stage.r0)));
    }
    if (nearest - span > 1.0) return;
    if (span > kCellSpan && depth < kCellHalvings) {
      const double c1m = 0.5 * (c1a + c1b);
      const double c2m = 0.5 * (c2a + c2b);
      cell(c1a, c1m, c2a, c2m, depth + 1);
      cell(c1m, c1b, c2a, c2m, depth + 1);
      cell(c1a, c1m, c2m, c2b, depth + 1);
      cell(c1m, c1b, c2m, c2b, depth + 1);
      return;
    }
    out.push_back(z);
  }
};

std::vector<std::array<Complex, 4>> cells(const retune::Stage& stage,
                                          const retune::SettingsRange& r) {
  std::vector<std::array<Complex, 4>> out;
  const CellGrid grid{stage, out};
  const double d1 = (r.c1_max_f - r.c1_min_f) / kRegionCells;
  const double d2 = (r.c2_max_f - r.c2_min_f) / kRegionCells;
  for (int i = 0; i < kRegionCells; ++i) {
    for (int j = 0; j < kRegionCells; ++j) {
      grid.cell(r.c1_min_f + i * d1, r.c1_min_f + (i + 1) * d1, r.c2_min_f + j * d2,
                r.c2_min_f + (j + 1) * d2, 0);
    }
  }
  return out;
}

std::vector<Complex> dense_border(const retune::Stage& stage, const retune::SettingsRange& r) {
  const std::array<Edge, 4> edges{{{stage, r.c1_min_f, r.c1_max_f, r.c2_min_f, r.c2_min_f},
                                   {stage, r.c1_max_f, r.c1_max_f, r.c2_min_f, r.c2_max_f},
                                   {stage, r.c1_max_f, r.c1_min_f, r.c2_max_f, r.c2_max_f},
                                   {stage, r.c1_min_f, r.c1_min_f, r.c2_max_f, r.c2_min_f}}};
  std::vector<Complex> border;
  for (const Edge& e : edges) {
    Complex z = e.load(0.0);
    border.push_back(z);
    for (int i = 0; i < retune::kBorderPointsPerEdge; ++i) {
      const double s0 = static_cast<double>(i) / retune::kBorderPointsPerEdge;
      const double s1 = static_cast<double>(i + 1) / retune::kBorderPointsPerEdge;
      const Complex next = e.load(s1);
      e.walk(border, s0, z, s1, next, 0);
      z = next;
    }
    border.pop_back();  // the next edge's first corner
  }
  return border;
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
    c.region = dense_border(stage, *settings);
    c.region_cells = cells(stage, *settings);
  }
  c.title = std::move(title);
  c.subtitle = std::move(subtitle);
  return c;
}

}  // namespace plan
