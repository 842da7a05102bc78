// --q0 coil: the design repeated with the coil's own Q until the turns settle.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "parts/coil_loss.hpp"
#include "plan/coil_q.hpp"
#include "plan_fixtures.hpp"

namespace {

// 50 mm of 2 mm wire at a 4 mm pitch, the manual's example coil.
const coil::Geometry kCoil{0.050, 0.004, 0.002};

// A coil whose Q is forced to the typed Q0 gives that Q0's design to the bit;
// the coil's own Q settles, and the Q0 used is the coil's at the final turns.
TEST(PlanCoilQ, ForcedQGivesTheTypedDesignAndTheRealCoilSettles) {
  struct Case {
    float f_mhz;
    float q0;
  };
  for (const Case& c : std::vector<Case>{{3.6f, 120.0f}, {14.15f, 300.0f}, {28.5f, 750.0f}}) {
    SCOPED_TRACE(c.f_mhz);
    starting_values::TypedInputs typed = testing_support::example_plan_inputs();
    typed.q_unloaded = c.q0;
    const auto forced = [&](double, double) { return static_cast<double>(c.q0); };
    const plan::CoilQDesign f = plan::design_with_coil_q(typed, c.f_mhz, false, kCoil, forced);
    EXPECT_EQ(f.coil_q.status, plan::CoilQStatus::settled);
    EXPECT_EQ(
        testing_support::result_values(f.design.record.results),
        testing_support::result_values(plan::design_at(typed, c.f_mhz, false).record.results));

    const plan::CoilQDesign r =
        plan::design_with_coil_q(typed, c.f_mhz, false, kCoil, plan::coil_q_of(kCoil));
    ASSERT_TRUE(r.coil_q.status == plan::CoilQStatus::settled ||
                r.coil_q.status == plan::CoilQStatus::clamped);
    const double l_h = static_cast<double>(r.design.record.results.l_uh) * 1e-6;
    const double turns = coil::solve(l_h, kCoil).coil->turns;
    EXPECT_NEAR(turns, r.coil_q.turns, 1e-12);
    const double q =
        coil_loss::evaluate(turns, kCoil, static_cast<double>(c.f_mhz) * 1e6).q_apparent;
    // The design was made with the Q of the turns one round before, within 0.01 turn of these.
    EXPECT_NEAR(static_cast<double>(r.coil_q.q0_used), std::fmin(q, 750.0), 0.01 * q);
  }
}

// A coil poorer than the dialog's lowest Q0 refuses the band; one above its
// highest is used at that limit.
TEST(PlanCoilQ, CoilQOutsideTheDialogsRange) {
  const starting_values::TypedInputs typed = testing_support::example_plan_inputs();
  const auto poor = [](double, double) { return 30.0; };
  EXPECT_EQ(plan::design_with_coil_q(typed, 7.1f, false, kCoil, poor).coil_q.status,
            plan::CoilQStatus::q_too_low);
  const auto rich = [](double, double) { return 2000.0; };
  const plan::CoilQDesign r = plan::design_with_coil_q(typed, 7.1f, false, kCoil, rich);
  EXPECT_EQ(r.coil_q.status, plan::CoilQStatus::clamped);
  EXPECT_EQ(r.coil_q.q0_used, 750.0f);
}

}  // namespace
