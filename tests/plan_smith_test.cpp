// The Smith chart: a real design's circle at 14.2 MHz, SWR 3, with a
// rectangle of capacitor settings, for both networks and both languages;
// every marker and every region vertex inside the chart must sit where its
// load's reflection coefficient maps, the matched kind as the re-tuning
// says; and regions clipped to the chart by hand-made polygons.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "example_stage.hpp"
#include "main/design.hpp"
#include "main/pi_l_design.hpp"
#include "main/starting_values.hpp"
#include "matching/retune.hpp"
#include "plan/draw/smith_chart.hpp"
#include "plan/draw/smith_page.hpp"
#include "svg_xml.hpp"

namespace {

using Complex = std::complex<double>;
constexpr double kHalfPixel = 0.5;

using svg_xml::attribute;
using svg_xml::by_id;
using svg_xml::number;
using svg_xml::parse;
using svg_xml::select;
using Doc = svg_xml::Xml;

// The chart's frame on the page, read from its rim (r = 0).
struct Frame {
  double cx, cy, radius;
  Complex at(Complex gamma) const {
    return {cx + radius * gamma.real(), cy - radius * gamma.imag()};
  }
};

Frame frame_of(const Doc& doc) {
  const auto rim = select(doc, by_id("circle", "r-0"));
  EXPECT_EQ(rim.size(), 1u);
  return {number(rim[0], "cx"), number(rim[0], "cy"), number(rim[0], "r")};
}

// The page points of the region's outline; none when it is not drawn.
std::vector<Complex> region_points(const Doc& doc) {
  std::vector<Complex> out;
  const auto path = select(doc, by_id("path", "region"));
  if (path.empty()) return out;
  std::string d = attribute(path[0], "d");
  for (char& c : d) {
    if (c == 'M' || c == 'L' || c == 'Z') c = ' ';
  }
  for (const auto& [x, y] : svg_xml::points(d)) out.emplace_back(x, y);
  return out;
}

bool has_cyrillic(const std::string& s) {
  for (const char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0xD0 || b == 0xD1) return true;  // the lead bytes of U+0400..U+047F
  }
  return false;
}

retune::Stage stage_at(bool pi_l, float f_mhz) {
  const stage::StageInputs in =
      starting_values::stage_inputs(testing_support::example_plan_inputs(), f_mhz);
  if (pi_l) return retune::from_pi_l_design(design::run_pi_l_design(in, 300.0f, true), in);
  stage::StageRecord record;
  record.start = in;
  design::FixedAnswer console(true);
  EXPECT_EQ(design::run_design(record, console), design::Outcome::completed);
  return retune::from_pi_record(record);
}

TEST(PlanSmith, MarkersAndRegionSitWhereTheirLoadsMap) {
  struct Case {
    bool pi_l;
    const plan::SmithTexts* texts;
    bool english;
    double swr;
  };
  int kinds[2] = {0, 0};  // loads not matched, matched, over the cases
  const plan::SmithTexts ru = plan::smith_texts(plan::kRussianTexts);
  const plan::SmithTexts en = plan::smith_texts(plan::kEnglishTexts);
  for (const Case& c :
       {Case{false, &ru, false, 3.0}, Case{true, &en, true, 3.0}, Case{false, &en, true, 8.0}}) {
    SCOPED_TRACE(c.pi_l ? "pi-l" : "pi");
    const retune::Stage s = stage_at(c.pi_l, 14.2f);
    const double tube = s.tank.c_tube_f;
    const retune::SettingsRange box{8e-12 + tube, 250e-12 + tube, 20e-12, 1000e-12};
    const std::string svg = plan::smith_svg(
        plan::smith_chart(s, c.swr, box, "14.200 MHz", "C1 8-250 pF, C2 20-1000 pF"), *c.texts);
    const Doc doc = parse(svg);
    ASSERT_TRUE(doc.doc) << doc.errors;
    const Frame f = frame_of(doc);

    // The 72 loads: Gamma_k = rho e^{j k 5 deg}, each of the kind retune says.
    const std::vector<retune::Point> points = retune::retune_circle(s, c.swr);
    const double rho = (c.swr - 1.0) / (c.swr + 1.0);
    EXPECT_EQ(select(doc, "//*[@class='load matched' or @class='load not-matched']").size(), 72u);
    for (int k = 0; k < retune::kLoadCount; ++k) {
      const auto m = select(doc, by_id("circle", "load-" + std::to_string(k)));
      ASSERT_EQ(m.size(), 1u) << k;
      const Complex want = f.at(std::polar(rho, k * 5.0 * std::numbers::pi / 180.0));
      EXPECT_LE(std::abs(Complex(number(m[0], "cx"), number(m[0], "cy")) - want), kHalfPixel) << k;
      const bool is_matched = points[static_cast<std::size_t>(k)].matched();
      ++kinds[is_matched ? 1 : 0];
      EXPECT_EQ(attribute(m[0], "class"), is_matched ? "load matched" : "load not-matched") << k;
    }

    // The region: drawn as its outline's loops, every vertex within the rim.
    const std::vector<Complex> region = region_points(doc);
    ASSERT_FALSE(region.empty());
    for (const Complex& p : region) {
      EXPECT_LE(std::abs(p - Complex(f.cx, f.cy)), f.radius + kHalfPixel) << p;
    }

    // The words of the chosen language, and of no other.
    EXPECT_NE(svg.find(std::string(c.texts->not_matched) + " ("), std::string::npos);
    EXPECT_NE(
        svg.find(std::string(c.texts->swr) + " = " + std::to_string(static_cast<int>(c.swr)) + '<'),
        std::string::npos);
    EXPECT_NE(svg.find(c.texts->region), std::string::npos);
    EXPECT_EQ(has_cyrillic(svg), !c.english);
  }
  EXPECT_GT(kinds[0], 0);
  EXPECT_GT(kinds[1], 0);
}

// Hand-made regions, given by their tests, traced on the chart: the
// outline keeps within the rim, reaches it where the region does, and
// encloses the points of the region.
TEST(PlanSmith, TheOutlineOfHandMadeRegions) {
  struct Case {
    const char* what;
    plan::InRegion inside;
    std::size_t loops;
    bool on_rim;  // some vertex lies on the rim
    std::vector<std::pair<Complex, bool>> probes;
  };
  const std::vector<Case> cases{
      {"disc",
       [](Complex g) { return std::abs(g - 0.2) < 0.5; },
       1,
       false,
       {{0.2, true}, {{0.2, 0.48}, true}, {{0.2, 0.52}, false}, {-0.6, false}}},
      {"across the rim",
       [](Complex g) { return g.real() > 0.2; },
       1,
       true,
       {{0.5, true}, {0.19, false}, {{0.9, 0.3}, true}}},
      {"the whole chart",
       [](Complex) { return true; },
       1,
       true,
       {{0.0, true}, {{-0.97, 0.0}, true}}},
      {"a ring",
       [](Complex g) { return std::abs(g) > 0.3 && std::abs(g) < 0.6; },
       2,
       false,
       {{0.0, false}, {0.45, true}, {{0.0, -0.7}, false}}},
      {"beside", [](Complex g) { return g.real() > 1.5; }, 0, false, {{0.0, false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<plan::GammaLoop> loops = plan::region_outline(c.inside);
    EXPECT_EQ(loops.size(), c.loops);
    bool on_rim = false;
    for (const plan::GammaLoop& loop : loops) {
      for (const Complex& g : loop) {
        EXPECT_LE(std::abs(g), 1.0) << g;
        on_rim = on_rim || std::abs(g) > 0.999;
      }
    }
    EXPECT_EQ(on_rim, c.on_rim);
    for (const auto& [g, in] : c.probes) EXPECT_EQ(plan::encloses(loops, g), in) << g;
  }
}

// The load that presents R_oe with some C2 of [c2_min, c2_max] and a C1 of
// [c1_min, c1_max], found apart from the code: the network behind C1 solved
// for a scan of C2, each sign change of its conductance less 1 / R_oe
// bisected, and C1 the capacitance that cancels its susceptance there.
bool settings_reach(const retune::Tank& t, const retune::SettingsRange& r, Complex z) {
  const double w = 2.0 * std::numbers::pi * t.f_hz;
  const auto behind = [&](double c2) {
    const Complex z_load = z + Complex(w * t.l2_h / t.q0, w * t.l2_h);
    const Complex z_node = 1.0 / (Complex(0.0, w * c2) + 1.0 / z_load);
    return 1.0 / (Complex(w * t.l_h / t.q0, w * t.l_h) + z_node);
  };
  const auto excess = [&](double c2) { return behind(c2).real() - 1.0 / t.r_oe; };
  constexpr int kSteps = 400;
  for (int i = 0; i < kSteps; ++i) {
    double a = r.c2_min_f + (r.c2_max_f - r.c2_min_f) * i / kSteps;
    double b = r.c2_min_f + (r.c2_max_f - r.c2_min_f) * (i + 1) / kSteps;
    if ((excess(a) > 0.0) == (excess(b) > 0.0)) continue;
    for (int k = 0; k < 60; ++k) {
      const double m = 0.5 * (a + b);
      ((excess(m) > 0.0) == (excess(a) > 0.0) ? a : b) = m;
    }
    const double c1 = -behind(a).imag() / w;
    if (c1 >= r.c1_min_f && c1 <= r.c1_max_f) return true;
  }
  return false;
}

double distance_to(const std::vector<plan::GammaLoop>& loops, Complex p) {
  double d = 1e9;
  for (const plan::GammaLoop& loop : loops) {
    for (std::size_t i = 0; i < loop.size(); ++i) {
      const Complex a = loop[i];
      const Complex ab = loop[(i + 1) % loop.size()] - a;
      const double u = std::clamp(((p - a) * std::conj(ab)).real() / std::norm(ab), 0.0, 1.0);
      d = std::min(d, std::abs(a + u * ab - p));
    }
  }
  return d;
}

// The shading against the loads the settings reach, solved back on a grid
// of reflection coefficients over the chart, away from the outline by more
// than kEdge (7 px, under two cells of the outline's grid); the cases include maps
// from settings to loads that fold over (the Pi at 14.15 MHz, the Pi-L).
// The loads of the rectangle's own edges lie in the shading or on its
// outline: no row or column of settings is lost.
TEST(PlanSmith, TheShadingIsTheRegionTheSettingsReach) {
  struct Case {
    bool pi_l;
    float f_mhz;
    double c1_max_pf, c2_min_pf, c2_max_pf;
  };
  constexpr double kEdge = 0.02;
  constexpr int kGrid = 60;
  for (const Case& c : {Case{false, 14.2f, 250, 20, 1000}, Case{true, 14.2f, 250, 20, 1000},
                        Case{false, 3.6f, 400, 100, 3000}, Case{false, 14.15f, 1000, 50, 6000},
                        Case{true, 14.15f, 1000, 50, 6000}, Case{false, 14.2f, 60, 20, 1000},
                        Case{false, 14.2f, 100, 100, 400}}) {
    SCOPED_TRACE(testing::Message() << (c.pi_l ? "pi-l " : "pi ") << c.f_mhz);
    const retune::Stage s = stage_at(c.pi_l, c.f_mhz);
    const double tube = s.tank.c_tube_f;
    const retune::SettingsRange box{8e-12 + tube, c.c1_max_pf * 1e-12 + tube, c.c2_min_pf * 1e-12,
                                    c.c2_max_pf * 1e-12};
    const plan::SmithChart chart = plan::smith_chart(s, 2.0, box, "", "");
    const auto& loops = chart.region_loops;
    int reached = 0, wrong = 0;
    for (int i = 0; i <= kGrid; ++i) {
      for (int j = 0; j <= kGrid; ++j) {
        const Complex g(-1.0 + 2.0 * i / kGrid, -1.0 + 2.0 * j / kGrid);
        if (std::abs(g) > 1.0 - kEdge || distance_to(loops, g) < kEdge) continue;
        const bool reach = settings_reach(s.tank, box, s.r0 * (1.0 + g) / (1.0 - g));
        reached += reach;
        wrong += reach != plan::encloses(loops, g);
      }
    }
    EXPECT_GT(reached, 20);
    EXPECT_EQ(wrong, 0);
    for (const Complex& z : retune::region_border(s.tank, box)) {
      const Complex g = plan::reflection(z, s.r0);
      if (!(std::abs(g) < 1.0 - kEdge)) continue;
      EXPECT_TRUE(plan::encloses(loops, g) || distance_to(loops, g) < kEdge) << z;
    }
  }
}

}  // namespace
