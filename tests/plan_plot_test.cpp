// The response plot: its network is the engine's final network to the bit,
// its curves come from the engine's network solution, and the SVG is
// well-formed XML with the three marks and both curves.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "matching/s11s22f.hpp"
#include "network/calculations.hpp"
#include "plan/cli/app.hpp"
#include "plan/draw/plot.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/texts/number_text.hpp"
#include "plan_fixtures.hpp"
#include "spectrum/response.hpp"
#include "spectrum/spectrum.hpp"
#include "svg_xml.hpp"
#include "test_files.hpp"

namespace {

using testing_support::example_plan_inputs;

// Golden case 06 (hot capacitance, raised) and 12 (power nudge).
plan::TypedInputs hot_cap() {
  plan::TypedInputs in{100.0f, 1000.0f, 100.0f, 300.0f, 20.0f, 50.0f, 50.0f, 200.0f, 90.0f, 1.0f};
  return in;
}
plan::TypedInputs nudge() {
  plan::TypedInputs in{100.0f, 1000.0f, 100.0f, 10.0f, 5.0f, 4050.0f, 40.0f, 200.0f, 90.0f, 1.0f};
  return in;
}

bool same_bits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

std::vector<plan::Design> designs() {
  std::vector<plan::Design> out;
  for (const float f : {0.1f, 1.85f, 7.1f, 14.15f, 29.9f, 30.1f, 60.0f}) {
    out.push_back(plan::design_at(example_plan_inputs(), f, false));
  }
  for (const float f : {7.0f, 14.2f, 28.9f}) {
    out.push_back(plan::design_at(hot_cap(), f, true));
    out.push_back(plan::design_at(hot_cap(), f, false));
  }
  for (const float f : {3.6f, 7.0f, 14.0f}) out.push_back(plan::design_at(nudge(), f, false));
  return out;
}

TEST(PlanResponse, FinalNetworkIsTheEnginesToTheBit) {
  for (const plan::Design& d : designs()) {
    SCOPED_TRACE(d.f_mhz);
    ASSERT_TRUE(d.completed());
    const stage::StageResults& r = d.record.results;
    const stage::StageInputs& in = d.record.inputs;
    const response::PiTank n = design::pi_tank(d.record);
    EXPECT_TRUE(same_bits(n.net.c1 * 1e12f, r.c1_total_pf));
    EXPECT_TRUE(same_bits(n.net.c2 * 1e12f, r.c2_pf));
    EXPECT_TRUE(same_bits(n.net.l_coil * 1e6f, r.l_uh));
    // The engine's own evaluations of the final network, repeated on it.
    const s11s22f::Reflections refl =
        s11s22f::fs11(in.f_hz, in.q_unloaded, n.r_oe, in.r_load, n.net.c1, n.net.c2, n.net.l_coil);
    EXPECT_TRUE(same_bits(refl.s11, r.s11_at_f));
    EXPECT_TRUE(same_bits(refl.s22, r.s22_at_f));
    const calculations::SweepStep sweep = calculations::delta(in.f_hz, 1000.0f, 1.3f * in.f_hz);
    const float passband =
        spectrum::afr2(n.net.c1, n.net.c2, n.net.l_coil, n.u_in_rms, n.r_oe, in.r_load,
                       in.q_unloaded, 1000.0f, sweep.step, sweep.count);
    EXPECT_TRUE(same_bits(0.001f * passband, r.passband_khz));
    const spectrum::Filtering h = spectrum::garmonica2(n.u_in_rms, n.net.c1, n.net.c2, n.net.l_coil,
                                                       n.r_oe, in.r_load, in.f_hz, in.q_unloaded);
    EXPECT_TRUE(same_bits(h.i_coil_a, r.i_coil_a));
    EXPECT_TRUE(same_bits(h.q_c1_var, r.q_c1_var));
  }
}

TEST(PlanResponse, CurveFromThePassBandsGenerator) {
  const plan::Design d = plan::design_at(example_plan_inputs(), 14.15f, false);
  const response::PiTank n = design::pi_tank(d.record);
  const spectrum::Generator g = spectrum::passband_generator(n.u_in_rms, n.r_oe);
  const float k = (n.r_oe + 10.0f * n.r_oe) / n.r_oe;
  EXPECT_EQ(g.e_g, k * n.u_in_rms);
  EXPECT_EQ(g.r_g, k * n.r_oe);
  EXPECT_EQ(response::v_out(n, 14.15e6f),
            cplx::modulus(spectrum::solve(n.net, 14.15e6f, g.e_g, g.r_g).v_out));
}

TEST(PlanResponse, PeakAtTheWorkingFrequencyAndBandsLikeTheEngines) {
  for (const plan::Design& d : designs()) {
    SCOPED_TRACE(d.f_mhz);
    const response::PiTank n = design::pi_tank(d.record);
    const response::Response resp = response::sweep(n);
    const stage::StageResults& r = d.record.results;
    ASSERT_EQ(resp.points.size(), 1501u);
    EXPECT_NEAR(resp.points.front().f_hz, 0.5f * n.f_hz, 1e-6f * n.f_hz);
    EXPECT_NEAR(resp.points.back().f_hz, 3.5f * n.f_hz, 1e-5f * n.f_hz);
    EXPECT_GT(resp.harmonic_db[0], -1.0f);
    EXPECT_LE(resp.harmonic_db[0], 0.0f);
    EXPECT_LT(resp.harmonic_db[1], -20.0f);
    EXPECT_LT(resp.harmonic_db[2], resp.harmonic_db[1]);
    EXPECT_LT(resp.harmonic_s11[0], 0.01f);
    ASSERT_EQ(resp.within_1db.size(), 1u);
    const response::Band& b = resp.within_1db.front();
    EXPECT_LT(b.low, n.f_hz);
    EXPECT_GT(b.high, n.f_hz);
    // The engine's width runs from its first to its last swept point within
    // 1 dB, in steps of 0.5 to 5 kHz: up to a step shorter at either end,
    // and one more when a point lies exactly at its reference level.
    const float step_khz = calculations::delta(n.f_hz, 1000.0f, 1.3f * n.f_hz).step * 0.001f;
    EXPECT_NEAR((b.high - b.low) * 0.001f, r.passband_khz, 3.0f * step_khz);
    ASSERT_EQ(resp.s11_below_0_1.size(), 1u);
    const response::Band& s = resp.s11_below_0_1.front();
    EXPECT_LT(s.low, n.f_hz);
    EXPECT_GT(s.high, n.f_hz);
    EXPECT_NEAR((s.high - s.low) * 0.001f, r.s11_band_khz, 3.0f * step_khz);
  }
}

using svg_xml::attribute;
using svg_xml::by_id;
using svg_xml::content;
using svg_xml::parse;
using svg_xml::points;
using svg_xml::select;
using svg_xml::Xml;

TEST(PlanPlot, WellFormedSvgWithTheThreeMarksAndBothCurves) {
  for (const float f : {0.1f, 14.15f, 60.0f}) {
    SCOPED_TRACE(f);
    const plan::Design d = plan::design_at(example_plan_inputs(), f, false);
    const std::string svg = plan::plot_svg(d);
    const Xml x = parse(svg);
    ASSERT_TRUE(x.doc) << x.errors;
    EXPECT_TRUE(x.errors.empty()) << x.errors;
    const xmlNodePtr root = xmlDocGetRootElement(x.doc.get());
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(root->name), "svg");
    ASSERT_NE(root->ns, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(root->ns->href), "http://www.w3.org/2000/svg");

    // Both curves, each a polyline of the whole sweep.
    for (const char* id : {"curve-response", "curve-s11"}) {
      const std::vector<xmlNodePtr> curve = select(x, by_id("polyline", id));
      ASSERT_EQ(curve.size(), 1u) << id;
      EXPECT_EQ(points(attribute(curve[0], "points")).size(), 1501u) << id;
    }
    // The response's highest point (smallest y) lies at the f mark.
    const auto response =
        points(attribute(select(x, by_id("polyline", "curve-response"))[0], "points"));
    const auto top =
        std::min_element(response.begin(), response.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    // The three marks: a line through both panels and the level at each.
    const std::vector<std::string> marks{"mark-f", "mark-2f", "mark-3f"};
    std::vector<double> mark_x;
    for (const std::string& id : marks) {
      const std::vector<xmlNodePtr> g = select(x, by_id("g", id));
      ASSERT_EQ(g.size(), 1u) << id;
      const std::vector<xmlNodePtr> line = select(x, by_id("g", id) + "/*[local-name()='line']");
      ASSERT_EQ(line.size(), 1u) << id;
      mark_x.push_back(std::stod(attribute(line[0], "x1")));
      EXPECT_NE(content(g[0]).find("дБ"), std::string::npos) << id;
    }
    EXPECT_NE(content(select(x, by_id("g", "mark-2f"))[0]).find("подавление"), std::string::npos);
    EXPECT_NE(content(select(x, by_id("g", "mark-3f"))[0]).find("подавление"), std::string::npos);
    EXPECT_LT(mark_x[0], mark_x[1]);
    EXPECT_LT(mark_x[1], mark_x[2]);
    EXPECT_NEAR(mark_x[1] - mark_x[0], mark_x[2] - mark_x[1], 0.05);
    EXPECT_NEAR(top->first, mark_x[0], 2.0);
    // The -1 dB band, the 0.1 level and the axes' units.
    EXPECT_EQ(select(x, "//*[local-name()='rect' and @class='band-1db']").size(), 1u);
    EXPECT_EQ(select(x, by_id("line", "level-0.1")).size(), 1u);
    EXPECT_NE(svg.find("Частота, МГц"), std::string::npos);
    EXPECT_NE(svg.find("дБ"), std::string::npos);
  }
}

TEST(PlanPlot, TheBandsOfTheCurveAndOfTheTableAreToldApart) {
  // The table's pass-band comes from the design's frequency step, the
  // legend's from the fine curve; the picture gives the table's numbers too
  // and says which is which.
  for (const float f : {3.6f, 14.15f}) {
    SCOPED_TRACE(f);
    const plan::Design d = plan::design_at(example_plan_inputs(), f, false);
    const std::string svg = plan::plot_svg(d);
    const stage::StageResults& r = d.record.results;
    const auto printer_number = [](float v) {
      std::array<char, 32> b{};
      std::snprintf(b.data(), b.size(), "%.1f", static_cast<double>(v));
      return std::string(b.data());
    };
    const std::string table = "В таблице (по шагу расчёта): полоса −1 дБ " +
                              printer_number(r.passband_khz) + " кГц, полоса S11 по уровню 0.1 " +
                              printer_number(r.s11_band_khz) + " кГц.";
    EXPECT_NE(svg.find(table), std::string::npos) << table;
    EXPECT_NE(svg.find("−1 дБ по кривой: "), std::string::npos);
    EXPECT_NE(svg.find("|S11| &lt; 0.1 по кривой: "), std::string::npos);
  }
}

TEST(PlanPlot, RefusedDesignGivesAWellFormedPageThatSaysSo) {
  plan::TypedInputs in = example_plan_inputs();
  in.p_out = 1.0f;
  in.e_supply = 10000.0f;
  in.r_load = 1.0f;
  in.q_unloaded = 50.0f;
  const plan::Design d = plan::design_at(in, 7.0f, false);
  ASSERT_FALSE(d.completed());
  const Xml x = parse(plan::plot_svg(d));
  ASSERT_TRUE(x.doc) << x.errors;
  EXPECT_TRUE(select(x, "//*[local-name()='polyline']").empty());
  EXPECT_NE(content(xmlDocGetRootElement(x.doc.get())).find("Расчёт отклонён"), std::string::npos);
}

TEST(PlanPlot, RunWritesThePlotFile) {
  testing_support::TempDir dir;
  const std::string path = (dir.path() / "plot.svg").string();
  std::ostringstream out;
  std::ostringstream err;
  const int status = plan::run(
      (testing_support::example_args({"--freq", "14.15", "--plot", path, "--format", "csv"})), out,
      err);
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(testing_support::read_file(path),
            plan::plot_svg(plan::design_at(example_plan_inputs(), 14.15f, false)));
}

// The anode choke's series resonances inside the span, each a mark where
// the axis puts its frequency (from the f and 2f marks) with its MHz.
TEST(PlanPlot, TheChokesSeriesResonancesAreMarkedWhereTheyFall) {
  const plan::Design d = plan::design_at(example_plan_inputs(), 14.15f, false);
  const std::vector<double> series{5.0, 19.05, 31.47, 43.0, 100.0};  // 5 and 100 outside
  const Xml x = parse(plan::plot_svg(d, plan::kEnglishTexts, series));
  ASSERT_TRUE(x.doc) << x.errors;
  const auto mark_x = [&](const std::string& id) {
    return std::stod(attribute(select(x, by_id("g", id) + "/*[local-name()='line']")[0], "x1"));
  };
  const double x_f = mark_x("mark-f");
  const double per_mhz = (mark_x("mark-2f") - x_f) / 14.15;
  const std::vector<xmlNodePtr> marks =
      select(x, "//*[local-name()='g' and @class='choke-series']");
  ASSERT_EQ(marks.size(), 3u);
  for (std::size_t k = 0; k < marks.size(); ++k) {
    const std::vector<xmlNodePtr> line =
        select(x, "(//*[local-name()='g' and @class='choke-series'])[" + std::to_string(k + 1) +
                      "]/*[local-name()='line']");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_NEAR(std::stod(attribute(line[0], "x1")), x_f + (series[k + 1] - 14.15) * per_mhz, 0.05);
    const std::string label = plan::fixed_text(series[k + 1], 2) + " MHz";
    EXPECT_NE(content(marks[k]).find(label), std::string::npos) << label;
  }
}

// The run draws its choke's (19.05, 31.47 and 43.0 MHz of 7 to 49.5 MHz).
TEST(PlanPlot, TheRunMarksItsChokesResonances) {
  testing_support::TempDir dir;
  const std::string path = (dir.path() / "plot.svg").string();
  const testing_support::PlanRun r = testing_support::run_plan(testing_support::example_args(
      {"--freq", "14.15", "--choke-diameter", "25", "--choke-wire", "0.4", "--choke-pitch", "0.5",
       "--choke-turns", "150", "--plot", path}));
  EXPECT_EQ(r.status, 0) << r.err;
  const Xml written = parse(testing_support::read_file(path));
  EXPECT_EQ(select(written, "//*[local-name()='g' and @class='choke-series']").size(), 3u);
}

}  // namespace

namespace {

// --network pi-l plots the Pi-L's response: both curves with the response's
// peak at f, the Pi-L's elements in the heading; a refused Pi-L says why.
TEST(PlanPlot, ThePiLsResponseAndItsRefusal) {
  struct Case {
    float r_mid;
    bool curves;
    const char* said;
  };
  for (const Case& c : {Case{300.0f, true, "L2 = "}, Case{6100.0f, false, "Rm = 6100.0 Ом"}}) {
    SCOPED_TRACE(c.r_mid);
    std::vector<plan::Design> d{plan::design_at(example_plan_inputs(), 14.2f, false)};
    plan::add_pi_l(d, c.r_mid, false);
    const std::string svg = plan::plot_svg(d.front());
    const Xml x = parse(svg);
    ASSERT_TRUE(x.doc) << x.errors;
    EXPECT_NE(svg.find("П-L-контур на 14.200 МГц"), std::string::npos);
    EXPECT_NE(svg.find(c.said), std::string::npos);
    EXPECT_EQ(select(x, "//*[local-name()='polyline']").size(), c.curves ? 2u : 0u);
    if (!c.curves) continue;
    const auto response =
        points(attribute(select(x, by_id("polyline", "curve-response"))[0], "points"));
    const auto top =
        std::min_element(response.begin(), response.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto mark = select(x, by_id("g", "mark-f") + "/*[local-name()='line']");
    EXPECT_NEAR(top->first, std::stod(attribute(mark[0], "x1")), 6.0);
  }
}

}  // namespace
