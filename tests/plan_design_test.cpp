// valvenet-plan runs the console programs' stage design: for the same
// starting values its record is the console session's record, bit for bit.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "main/program.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/report/summary.hpp"
#include "plan_fixtures.hpp"
#include "scripted_console.hpp"
#include "text/texts.hpp"

namespace {

// The starting values as typed into the dialog, in the order it asks them.
struct Typed {
  std::string p_out, e_supply, r_load, exponent, angle, q0, u_min, filter_db, c_tube, c_var_min;
};

plan::TypedInputs typed_inputs(const Typed& t) {
  const auto f = [](const std::string& s) { return std::stof(s); };
  plan::TypedInputs in;
  in.p_out = f(t.p_out);
  in.e_supply = f(t.e_supply);
  in.u_min = f(t.u_min);
  in.c_tube = f(t.c_tube);
  in.c_var_min = f(t.c_var_min);
  in.r_load = f(t.r_load);
  in.filter_db = f(t.filter_db);
  in.q_unloaded = f(t.q0);
  in.cutoff_deg = f(t.angle);
  in.tube_exponent = f(t.exponent);
  return in;
}

struct Observed {
  stage::StageRecord record;
  design::Outcome outcome;
};

// One console session: the dialog for every frequency (item 8 between them),
// then item 9; the record after every calculation.
std::vector<Observed> console_session(const Typed& t, const std::vector<std::string>& freqs,
                                      bool raise_q, int* questions = nullptr) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < freqs.size(); ++i) {
    for (const std::string& v : {t.p_out, t.e_supply, t.r_load, t.exponent, t.angle, t.q0, t.u_min,
                                 t.filter_db, t.c_tube, t.c_var_min, freqs[i]}) {
      lines.push_back(v);
    }
    lines.push_back(i + 1 < freqs.size() ? "8" : "9");
  }
  testing_support::ScriptedConsole con(testing_support::script(lines));
  con.answer_prompt(std::string(text::console_texts(text::Encoding::utf8).raise_q_prompt),
                    raise_q ? "y" : "n");
  std::vector<Observed> seen;
  const int status = program::run(con, text::Encoding::utf8, "/nonexistent/pi_kontur.txt",
                                  [&](const stage::StageRecord& r, design::Outcome o) {
                                    seen.push_back({r, o});
                                  });
  if (questions) *questions = con.prompts_answered();
  EXPECT_EQ(status, 0);
  return seen;
}

bool same_bits(const void* a, const void* b, std::size_t n) {
  return std::memcmp(a, b, n) == 0;
}

void expect_same_record(const Observed& console, const plan::Design& plan) {
  EXPECT_EQ(console.outcome, plan.outcome);
  const stage::StageRecord& c = console.record;
  const stage::StageRecord& p = plan.record;
  EXPECT_TRUE(same_bits(&c.inputs, &p.inputs, sizeof c.inputs)) << "StageInputs differ";
  EXPECT_TRUE(same_bits(&c.start, &p.start, sizeof c.start)) << "working starting values differ";
  EXPECT_TRUE(same_bits(&c.pulse_coeffs, &p.pulse_coeffs, sizeof c.pulse_coeffs));
  EXPECT_EQ(c.hot_cap_warning, p.hot_cap_warning);
  EXPECT_TRUE(same_bits(&c.f_mhz_shown, &p.f_mhz_shown, sizeof c.f_mhz_shown));
  const std::array<float, 34> cv = testing_support::result_values(c.results);
  const std::array<float, 34> pv = testing_support::result_values(p.results);
  for (std::size_t i = 0; i < cv.size(); ++i) {
    EXPECT_TRUE(same_bits(&cv[i], &pv[i], sizeof(float)))
        << testing_support::kResultNames[i] << ": console " << cv[i] << ", plan " << pv[i];
  }
}

void expect_plan_matches_console(const Typed& t, const std::vector<std::string>& freqs,
                                 bool raise_q) {
  const std::vector<Observed> console = console_session(t, freqs, raise_q);
  ASSERT_EQ(console.size(), freqs.size());
  std::vector<float> f_mhz;
  f_mhz.reserve(freqs.size());
  for (const std::string& f : freqs) f_mhz.push_back(std::stof(f));
  const std::vector<plan::Design> plan = plan::design_all(typed_inputs(t), f_mhz, raise_q);
  ASSERT_EQ(plan.size(), freqs.size());
  for (std::size_t i = 0; i < freqs.size(); ++i) {
    SCOPED_TRACE("f = " + freqs[i] + " MHz");
    expect_same_record(console[i], plan[i]);
  }
}

const Typed kIssueExample{"400", "2500", "50", "1.5", "80", "200", "250", "45", "12", "8"};
// Golden cases 05 and 06: the hot-capacitance question, texts B and A.
const Typed kHotCapB{"100", "1000", "50", "1", "90", "200", "100", "50", "200", "20"};
const Typed kHotCapA{"100", "1000", "50", "1", "90", "200", "100", "50", "300", "20"};
// Golden case 12: a near-singular element solution nudges the power.
const Typed kNudge{"100", "1000", "4050", "1", "90", "200", "100", "40", "10", "5"};
// Golden case 04: the critical-Q refusal.
const Typed kRefused{"1", "10000", "1", "1", "90", "50", "100", "50", "10", "5"};

TEST(PlanAgreesWithConsole, IssueExampleAtThreeFrequencies) {
  expect_plan_matches_console(kIssueExample, {"1.85", "14.15", "28.5"}, false);
}

TEST(PlanAgreesWithConsole, IssueExampleAtBandEdgesAndTheSweepStepBoundaries) {
  expect_plan_matches_console(kIssueExample, {"0.1", "1.1", "30.1", "60"}, false);
}

TEST(PlanAgreesWithConsole, HotCapacitanceDeclined) {
  int questions = 0;
  console_session(kHotCapB, {"7", "14.2", "28.9"}, false, &questions);
  EXPECT_EQ(questions, 3) << "every calculation must ask the question for this test to mean much";
  expect_plan_matches_console(kHotCapB, {"7", "14.2", "28.9"}, false);
  expect_plan_matches_console(kHotCapA, {"7", "14.2", "28.9"}, false);
}

TEST(PlanAgreesWithConsole, HotCapacitanceRaised) {
  expect_plan_matches_console(kHotCapB, {"7", "14.2", "28.9"}, true);
  expect_plan_matches_console(kHotCapA, {"7", "14.2", "28.9"}, true);
}

TEST(PlanAgreesWithConsole, PowerNudgeInTheLoadedQSearch) {
  expect_plan_matches_console(kNudge, {"7", "3.6", "14"}, false);
}

TEST(PlanAgreesWithConsole, CriticalQRefusal) {
  // The refusal restarts the dialog, which then gets a design that completes.
  std::vector<std::string> lines;
  for (const Typed* t : {&kRefused, &kIssueExample}) {
    for (const std::string& v : {t->p_out, t->e_supply, t->r_load, t->exponent, t->angle, t->q0,
                                 t->u_min, t->filter_db, t->c_tube, t->c_var_min}) {
      lines.push_back(v);
    }
    lines.push_back("7");
  }
  lines.push_back("9");
  testing_support::ScriptedConsole con(testing_support::script(lines));
  con.answer_prompt(std::string(text::console_texts(text::Encoding::utf8).raise_q_prompt), "n");
  std::vector<Observed> console;
  EXPECT_EQ(program::run(con, text::Encoding::utf8, "/nonexistent/pi_kontur.txt",
                         [&](const stage::StageRecord& r, design::Outcome o) {
                           console.push_back({r, o});
                         }),
            0);
  ASSERT_EQ(console.size(), 2u);
  const plan::Design refused = plan::design_at(typed_inputs(kRefused), 7.0f, false);
  EXPECT_FALSE(refused.completed());
  expect_same_record(console[0], refused);
  const plan::Design completed = plan::design_at(typed_inputs(kIssueExample), 7.0f, false);
  EXPECT_TRUE(completed.completed());
  expect_same_record(console[1], completed);
}

TEST(PlanDesign, ConvertsTypedValuesAsTheDialogDoes) {
  const stage::StageInputs in = starting_values::stage_inputs(typed_inputs(kIssueExample), 14.2f);
  EXPECT_EQ(in.f_hz, 14.2f * 1e6f);
  EXPECT_EQ(in.c_tube, 12.0f * 1e-12f);
  EXPECT_EQ(in.c_var_min, 8.0f * 1e-12f);
  EXPECT_EQ(in.p_out, 400.0f);
  EXPECT_EQ(in.tube_exponent, 1.5f);
}

TEST(PlanSummary, RangesAndLargestDutiesWithTheirFrequencies) {
  const std::vector<float> f{1.85f, 7.1f, 28.5f};
  std::vector<plan::Design> designs = plan::design_all(typed_inputs(kIssueExample), f, false);
  designs.push_back(plan::design_at(typed_inputs(kRefused), 7.0f, false));
  const plan::Summary s = plan::summarise(designs);
  EXPECT_EQ(s.completed, 3);
  EXPECT_EQ(s.refused, 1);
  ASSERT_TRUE(s.spans && s.duties);
  // C1, L and C2 fall with the frequency.
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c1_total_pf").max.value,
            designs[0].record.results.c1_total_pf);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c1_total_pf").max.f_mhz, 1.85f);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c1_total_pf").min.value,
            designs[2].record.results.c1_total_pf);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c1_total_pf").min.f_mhz, 28.5f);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "l_uh").min.f_mhz, 28.5f);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c2_pf").max.f_mhz, 1.85f);
  EXPECT_EQ(plan::span_of(*s.spans, plan::kPiSpans, "c_hot_pf").min.value,
            designs[2].record.results.c_hot_pf);
  float most = 0.0f;
  float at = 0.0f;
  for (std::size_t i = 0; i < 3; ++i) {
    if (designs[i].record.results.i_coil_a > most) {
      most = designs[i].record.results.i_coil_a;
      at = f[i];
    }
  }
  EXPECT_EQ(s.duties->coil.current_a.value, most);
  EXPECT_EQ(s.duties->coil.current_a.f_mhz, at);
  const stage::StageResults& r = designs[0].record.results;
  EXPECT_GE(s.duties->c1.voltage_v.value, r.q_c1_var / r.i_c1_a);
}

// A completed design that holds only the results the summary reads.
plan::Design made_up(float f_mhz, float i_c1, float q_c1, float c2_pf) {
  plan::Design d;
  d.f_mhz = f_mhz;
  d.outcome = design::Outcome::completed;
  d.record.results.i_c1_a = i_c1;
  d.record.results.q_c1_var = q_c1;
  d.record.results.c2_pf = c2_pf;
  return d;
}

TEST(PlanSummary, AnExtremeSharedWithinPrintRoundingNamesTheLowestFrequency) {
  // Given out of order; 28.5 and 7.1 MHz both print a C1 current of 7.288 A
  // and the same C1 voltage (to 0.1 V); 1.85 and 7.1 MHz print the same
  // smallest C2.
  const std::vector<plan::Design> designs{made_up(28.5f, 7.2881f, 1000.0f, 100.0004f),
                                          made_up(7.1f, 7.2879f, 999.9f, 100.0001f),
                                          made_up(1.85f, 7.2f, 980.0f, 100.0003f)};
  const plan::Summary s = plan::summarise(designs);
  ASSERT_TRUE(s.duties && s.spans);
  const struct {
    plan::AtFrequency got;
    float value;
    float f_mhz;
  } cases[]{
      {s.duties->c1.current_a, 7.2881f, 7.1f},            // shared to 3 decimals
      {s.duties->c1.reactive_var, 1000.0f, 28.5f},        // 1000.0 and 999.9 differ
      {s.duties->c1.voltage_v, 1000.0f / 7.2881f, 7.1f},  // 137.2 twice
      {plan::span_of(*s.spans, plan::kPiSpans, "c2_pf").min, 100.0001f,
       1.85f},  // 100.000 three times
      {plan::span_of(*s.spans, plan::kPiSpans, "c2_pf").max, 100.0004f, 1.85f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.got.value, c.value);
    EXPECT_EQ(c.got.f_mhz, c.f_mhz) << c.value;
  }
}

TEST(PlanSummary, ListsTheBandsWhoseHotCapacitanceIsBelowTheVariableCapacitorsMinimum) {
  const std::vector<float> f{7.1f, 28.5f, 50.1f};
  const plan::Summary s = plan::summarise(plan::design_all(typed_inputs(kIssueExample), f, false));
  EXPECT_EQ(s.hot_cap_below_min_f_mhz, std::vector<float>{50.1f});
  // Raising the loaded Q brings C1 up to the capacitors' minimum.
  const std::vector<plan::Design> raised = plan::design_all(typed_inputs(kIssueExample), f, true);
  EXPECT_TRUE(plan::summarise(raised).hot_cap_below_min_f_mhz.empty());
  // The golden hot-capacitance case, answered no: below at 7 MHz.
  const plan::Design b = plan::design_at(typed_inputs(kHotCapB), 7.0f, false);
  EXPECT_EQ(plan::summarise({b}).hot_cap_below_min_f_mhz, std::vector<float>{7.0f});
}

TEST(PlanSummary, NothingCompleted) {
  const plan::Summary s = plan::summarise({plan::design_at(typed_inputs(kRefused), 7.0f, false)});
  EXPECT_EQ(s.completed, 0);
  EXPECT_EQ(s.refused, 1);
  EXPECT_FALSE(s.spans);
  EXPECT_FALSE(s.duties);
}

}  // namespace
