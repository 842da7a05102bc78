// valvenet-plan with --swr: the circle of loads wired into every format and
// language from its one description, the option's range and its keeping in
// "inputs", and the points written as the re-tuning gives them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "matching/retune.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/load_range.hpp"
#include "plan/report/load_range_report.hpp"
#include "plan/texts/texts.hpp"
#include "plan/write/outputs.hpp"
#include "plan_fixtures.hpp"
#include "test_files.hpp"

namespace {

using Args = std::vector<std::string>;

Args stage(const Args& more) {
  Args a(testing_support::example_args({"--freq", "7.1", "--swr", "2", "--coil-diameter", "50",
                                        "--wire", "2", "--pitch", "4", "--c1-max", "250",
                                        "--c2-range", "20:1000"}));
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

// The arguments without an option and its one value.
Args without(Args a, const std::string& option) {
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    if (a[i] == option)
      a.erase(a.begin() + static_cast<std::ptrdiff_t>(i),
              a.begin() + static_cast<std::ptrdiff_t>(i) + 2);
  }
  return a;
}

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++n;
  }
  return n;
}

std::string run_ok(const Args& args) {
  const testing_support::PlanRun r = testing_support::run_plan(args);
  EXPECT_EQ(r.status, 0) << r.err;
  return r.out;
}

TEST(PlanLoadRange, EveryValueOnceInEachFormatAndLanguage) {
  for (const char* lang : {"ru", "en"}) {
    for (const bool pi_l : {false, true}) {
      SCOPED_TRACE(std::string(lang) + (pi_l ? " pi-l" : " pi"));
      const Args more{"--lang", lang, "--network", pi_l ? "pi-l" : "pi"};
      const plan::PlanTexts& t =
          plan::plan_texts(lang == std::string("en") ? plan::Language::en : plan::Language::ru);
      const std::string table = run_ok(stage(more));
      const std::string csv =
          run_ok(stage({more[0], more[1], more[2], more[3], "--format", "csv"}));
      const std::string header = csv.substr(0, csv.find('\n'));
      const plan::Json doc = plan::Json::parse(
          run_ok(stage({more[0], more[1], more[2], more[3], "--format", "json"})));
      const plan::Json& design = doc["designs"][0];
      for (const plan::LoadRangeEntry& e : plan::pi_l_circles().entries) {
        SCOPED_TRACE(std::string(e.key));
        const auto& pi = plan::pi_circles().entries;
        const bool pi_l_only = std::none_of(
            pi.begin(), pi.end(), [&](const plan::LoadRangeEntry& p) { return p.key == e.key; });
        std::string label(t.*e.label);
        if (e.unit != nullptr) label += ", " + std::string(t.*e.unit);
        const std::size_t networks = (pi_l_only ? 0u : 1u) + (pi_l ? 1u : 0u);
        EXPECT_EQ(occurrences(table, "   " + label + "  "), networks);
        EXPECT_EQ(occurrences(header + ',', ",load_range_" + std::string(e.key) + ','),
                  pi_l_only ? 0u : 1u);
        EXPECT_EQ(occurrences(header + ',', ",pi_l_load_range_" + std::string(e.key) + ','),
                  pi_l ? 1u : 0u);
        EXPECT_EQ(design["load_range"].contains(e.key), !pi_l_only);
        if (pi_l) {
          EXPECT_TRUE(design["pi_l"]["load_range"].contains(e.key));
        }
      }
      ASSERT_EQ(design["load_range"]["points"].size(), std::size_t{retune::kLoadCount});
      EXPECT_TRUE(doc["summary"]["load_range"].contains("c2_rating_v"));
      EXPECT_EQ(doc["summary"]["load_range"].contains("pi_l"), pi_l);
    }
  }
}

TEST(PlanLoadRange, SwrOutsideItsRangeIsRefused) {
  struct Case {
    const char* swr;
    bool accepted;
  };
  for (const Case c : {Case{"1", false}, Case{"0.5", false}, Case{"10.01", false},
                       Case{"abc", false}, Case{"1.01", true}, Case{"10", true}}) {
    SCOPED_TRACE(c.swr);
    Args a = without(stage({}), "--swr");
    a.insert(a.end(), {"--swr", c.swr});
    const testing_support::PlanRun r = testing_support::run_plan(a);
    EXPECT_EQ(r.status == 0, c.accepted) << r.err;
    if (!c.accepted) {
      EXPECT_NE(r.err.find("--swr"), std::string::npos) << r.err;
    }
  }
  Args two = without(stage({}), "--freq");
  two.insert(two.end(), {"--freq", "7.1", "14.2", "--smith", "x.svg"});
  const testing_support::PlanRun r = testing_support::run_plan(two);
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("--smith"), std::string::npos) << r.err;
}

TEST(PlanLoadRange, SwrIsKeptInInputsAndReadBack) {
  testing_support::TempDir dir;
  const std::string first = run_ok(stage({"--format", "json", "--network", "pi-l"}));
  EXPECT_EQ(plan::Json::parse(first)["inputs"]["swr"].get<float>(), 2.0f);
  const auto path = dir.path() / "plan.json";
  testing_support::write_file(path, first);
  EXPECT_EQ(run_ok({"--inputs", path.string(), "--format", "json"}), first);
}

TEST(PlanLoadRange, PointsAreTheRetuningsValues) {
  const plan::Parsed parsed = plan::parse_options(stage({"--network", "pi-l"}));
  ASSERT_EQ(parsed.kind, plan::Parsed::Kind::run);
  const plan::PlanReport report = plan::make_report(parsed.options);
  const plan::Json doc = plan::Json::parse(plan::json_report(report));
  const plan::Design& d = report.designs.front();
  ASSERT_TRUE(d.completed() && d.pi_l && d.pi_l->design.completed());
  struct Network {
    retune::Stage stage;
    const plan::Json* json;
  };
  for (const Network& n :
       {Network{retune::from_pi_record(d.record), &doc["designs"][0]["load_range"]},
        Network{retune::from_pi_l_design(d.pi_l->design, d.record.inputs),
                &doc["designs"][0]["pi_l"]["load_range"]}}) {
    const std::vector<retune::Point> points = retune::retune_circle(n.stage, 2.0);
    int matched = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
      SCOPED_TRACE(k);
      const retune::Point& p = points[k];
      const plan::Json& j = (*n.json)["points"][k];
      EXPECT_EQ(j["r_ohm"].get<float>(), static_cast<float>(p.z_load.real()));
      EXPECT_EQ(j["matched"].get<bool>(), p.matched());
      if (!p.matched()) {
        EXPECT_TRUE(j["c2_pf"].is_null());
        continue;
      }
      ++matched;
      EXPECT_EQ(j["c2_pf"].get<float>(), static_cast<float>(p.settings.c2_f * 1e12));
      EXPECT_EQ(j["c_hot_pf"].get<float>(), static_cast<float>(p.settings.c_hot_f * 1e12));
      EXPECT_EQ(j["i_c2_a"].get<float>(), static_cast<float>(p.operation.i_c2_a));
      EXPECT_EQ(j["filter_db"].get<float>(), static_cast<float>(p.operation.filter_db));
    }
    EXPECT_EQ((*n.json)["matched_count"].get<int>(), matched);
  }
}

// The loads both variables reach, counted again from the points: each
// matched load's need less its own variable's padder on that variable's
// dial. Where both padders cover the circle every matched load is reached.
TEST(PlanLoadRange, TheLoadsTheVariablesReachAreRecountedFromThePoints) {
  const plan::Parsed parsed = plan::parse_options(stage({"--network", "pi-l"}));
  ASSERT_EQ(parsed.kind, plan::Parsed::Kind::run);
  const plan::PlanReport report = plan::make_report(parsed.options);
  const plan::Design& d = report.designs.front();
  ASSERT_TRUE(d.completed() && d.pi_l && d.pi_l->design.completed());
  const std::vector<retune::Stage> stages{
      retune::from_pi_record(d.record), retune::from_pi_l_design(d.pi_l->design, d.record.inputs)};
  struct Case {
    std::size_t network;  // 0 the Pi, 1 the Pi-L
    plan::Variables v;    // pF: C1 min, max, C2 min, max, the nominal padders
  };
  const std::vector<Case> cases{{0, {8, 250, 20, 3000, 0, 0}},   {0, {8, 250, 20, 1000, 0, 300}},
                                {0, {8, 60, 20, 3000, 40, 0}},   {0, {8, 45, 300, 700, 50, 600}},
                                {0, {8, 120, 100, 400, 0, 900}}, {1, {2, 14, 50, 250, 0, 100}},
                                {1, {2, 30, 20, 400, 0, 0}}};
  const auto on_dial = [](double need, double padder, double low, double high) {
    return need - padder >= low - 1e-6 && need - padder <= high + 1e-6;
  };
  int partly = 0;  // cases whose padders differ and reach some of the matched loads
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.network << ' ' << c.v.c1_max_pf << ' ' << c.v.c2_max_pf);
    const plan::LoadRange r = plan::load_range(stages[c.network], {3.0, 45.0, 2.0, c.v});
    ASSERT_TRUE(r.tuning.has_value());
    const plan::LoadRangeTuning& t = *r.tuning;
    int reached = 0;
    for (const plan::LoadPoint& p : r.points) {
      reached += p.matched() && on_dial(p.c_hot_pf, t.c1_padder_pf, c.v.c1_min_pf, c.v.c1_max_pf) &&
                 on_dial(p.c2_pf, t.c2_padder_pf, c.v.c2_min_pf, c.v.c2_max_pf);
    }
    EXPECT_EQ(t.reachable_count, reached);
    if (t.c1.covers && t.c2.covers) {
      EXPECT_EQ(t.reachable_count, r.matched_count);
    }
    partly += t.c1_padder_pf != t.c2_padder_pf && reached > 0 && reached < r.matched_count;
  }
  EXPECT_GE(partly, 2);
}

}  // namespace
