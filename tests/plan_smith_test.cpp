// The Smith chart: a real design's circle at 14.2 MHz, SWR 3, with a
// rectangle of capacitor settings, for both networks and both languages;
// every marker and every region vertex inside the chart must sit where its
// load's reflection coefficient maps, the matched kind as the re-tuning
// says; and regions clipped to the chart by hand-made polygons.

#include <gtest/gtest.h>

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
#include "plan/smith_chart.hpp"
#include "plan/smith_page.hpp"
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

// The page points of the region's polygon; none when it is not drawn.
std::vector<Complex> region_points(const Doc& doc) {
  std::vector<Complex> out;
  const auto poly = select(doc, by_id("polygon", "region"));
  if (poly.empty()) return out;
  for (const auto& [x, y] : svg_xml::points(attribute(poly[0], "points"))) out.emplace_back(x, y);
  return out;
}

bool has_point_near(const std::vector<Complex>& points, Complex p) {
  for (const Complex& q : points) {
    if (std::abs(q - p) <= kHalfPixel) return true;
  }
  return false;
}

// Even-odd rule: a ray to the right crosses the polygon an odd number of times.
bool encloses(const std::vector<Complex>& polygon, Complex p) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Complex a = polygon[i];
    const Complex b = polygon[j];
    if ((a.imag() > p.imag()) != (b.imag() > p.imag()) &&
        p.real() < a.real() + (p.imag() - a.imag()) * (b.real() - a.real()) / (b.imag() - a.imag()))
      in = !in;
  }
  return in;
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

    // The region: every border load inside the chart is a vertex, and nothing
    // of it lies outside the rim.
    const std::vector<Complex> region = region_points(doc);
    ASSERT_FALSE(region.empty());
    int inside = 0;
    for (const Complex& z : retune::region_border(s.tank, box)) {
      const Complex g = (z - s.r0) / (z + s.r0);
      if (!(std::abs(g) < 1.0)) continue;
      ++inside;
      EXPECT_TRUE(has_point_near(region, f.at(g))) << z;
    }
    EXPECT_GT(inside, 0);
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

// Hand-made regions, given by their reflection coefficients, against the rim.
TEST(PlanSmith, TheRegionIsClippedToTheChart) {
  struct Case {
    const char* what;
    std::vector<Complex> gammas;
    bool drawn;
    bool on_rim;    // some vertex lies on the rim
    Complex probe;  // a point of the chart
    bool probe_in;  // it lies in the clipped region
  };
  const std::vector<Case> cases{
      {"inside",
       {{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}},
       true,
       false,
       {0.0, 0.0},
       true},
      {"across",
       {{0.2, -0.3}, {1.6, -0.3}, {1.6, 0.3}, {0.2, 0.3}},
       true,
       true,
       {-0.6, 0.0},
       false},
      {"around",
       {{-2.0, -2.0}, {2.0, -2.0}, {2.0, 2.0}, {-2.0, 2.0}},
       true,
       true,
       {-0.6, 0.0},
       true},
      {"beside",
       {{1.5, -0.2}, {2.0, -0.2}, {2.0, 0.2}, {1.5, 0.2}},
       false,
       false,
       {0.0, 0.0},
       false},
  };
  constexpr double kR0 = 50.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    plan::SmithChart chart;
    chart.r0_ohm = kR0;
    chart.swr = 2.0;
    chart.design_load_ohm = kR0;
    for (const Complex& g : c.gammas) chart.region.push_back(kR0 * (1.0 + g) / (1.0 - g));
    const Doc doc = parse(plan::smith_svg(chart, plan::smith_texts(plan::kEnglishTexts)));
    ASSERT_TRUE(doc.doc) << doc.errors;
    const Frame f = frame_of(doc);
    const std::vector<Complex> region = region_points(doc);
    ASSERT_EQ(!region.empty(), c.drawn);
    bool on_rim = false;
    for (const Complex& p : region) {
      const double r = std::abs(p - Complex(f.cx, f.cy));
      EXPECT_LE(r, f.radius + kHalfPixel) << p;
      on_rim = on_rim || std::abs(r - f.radius) <= kHalfPixel;
    }
    EXPECT_EQ(on_rim, c.on_rim);
    EXPECT_EQ(encloses(region, f.at(c.probe)), c.probe_in);
    for (const Complex& g : c.gammas) {
      EXPECT_TRUE(std::abs(g) >= 1.0 || has_point_near(region, f.at(g))) << g;
    }
  }
}

}  // namespace
