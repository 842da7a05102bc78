// The choke search against an independent evaluation: beta of the winding
// tabulated from choke::sheath_line and inverted by interpolation, every
// series resonance of each turns count listed, each band's nearest found by
// looking through the list, every 0.01 turn over the admissible interval.

#include "parts/choke_search.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// ln f against ln beta of one winding, log-spaced in f over [f_low, f_high].
struct BetaTable {
  std::vector<double> ln_beta, ln_f;
  double pitch_m = 0.0;

  BetaTable(const coil::Geometry& g, double f_low, double f_high) : pitch_m(g.pitch_m) {
    constexpr int kPoints = 800;
    for (int i = 0; i < kPoints; ++i) {
      const double u = std::log(f_low) + std::log(f_high / f_low) * i / (kPoints - 1);
      ln_f.push_back(u);
      ln_beta.push_back(std::log(choke::sheath_line(g, std::exp(u)).beta_per_m));
    }
  }
  // Every series resonance of `turns` in the table, Hz, lowest first.
  std::vector<double> series(double turns) const {
    std::vector<double> out;
    for (double k = 1.0;; k += 1.0) {
      const double t = std::log(k * kPi / (turns * pitch_m));
      const auto hi = std::upper_bound(ln_beta.begin(), ln_beta.end(), t);
      if (hi == ln_beta.begin()) continue;
      if (hi == ln_beta.end()) return out;
      const std::size_t j = static_cast<std::size_t>(hi - ln_beta.begin());
      const double w = (t - ln_beta[j - 1]) / (ln_beta[j] - ln_beta[j - 1]);
      out.push_back(std::exp(ln_f[j - 1] + w * (ln_f[j] - ln_f[j - 1])));
    }
  }
  // The least distance, %, of a band from a series resonance.
  double margin_pct(double turns, const std::vector<double>& bands) const {
    const std::vector<double> s = series(turns);
    double least = HUGE_VAL;
    for (const double b : bands) {
      // The table reaches past every band's nearest resonance above it.
      EXPECT_TRUE(!s.empty() && s.back() > b) << turns;
      for (const double f : s) least = std::min(least, std::abs(f - b) / b * 100.0);
    }
    return least;
  }
};

// values_mhz each within 1e-9 relative of references_hz, in order.
void expect_near_all(const std::vector<double>& values_mhz,
                     const std::vector<double>& references_hz) {
  ASSERT_EQ(values_mhz.size(), references_hz.size());
  for (std::size_t i = 0; i < values_mhz.size(); ++i) {
    EXPECT_NEAR(values_mhz[i] * 1e6 / references_hz[i], 1.0, 1e-9) << i;
  }
}

std::vector<double> mhz(std::vector<double> f) {
  for (double& x : f) x *= 1e6;
  return f;
}
const std::vector<double> kHam = mhz({1.85, 3.6, 7.1, 10.12, 14.15, 18.1, 21.2, 24.93, 28.5});
const std::vector<double> kNoWarc = mhz({1.85, 3.6, 7.1, 14.15, 21.2, 28.5});
const std::vector<double> kSixMetres = mhz({3.6, 7.1, 14.15, 21.2, 28.5, 50.1});
const std::vector<double> kTwentyToSix = mhz({14.15, 18.1, 21.2, 24.93, 28.5, 50.1});

TEST(ChokeSearch, NoAdmissibleCountKeepsEveryBandFartherFromASeriesResonance) {
  struct Case {
    coil::Geometry g;
    std::vector<double> bands;
    double r_oe, x_min;
  };
  const std::vector<Case> cases = {{{25e-3, 0.5e-3, 0.4e-3}, kHam, 2000, 0.5},
                                   {{38e-3, 0.35e-3, 0.3e-3}, kNoWarc, 3000, 0.5},
                                   {{20e-3, 1.2e-3, 0.6e-3}, kSixMetres, 1500, 0.8},
                                   {{50e-3, 3e-3, 1.5e-3}, kTwentyToSix, 1500, 0.5}};
  constexpr double kTolerancePct = 1e-3;  // the table's interpolation: below 1e-4 %
  constexpr double kLocalPct = 1e-4;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.g.diameter_m);
    const choke_search::Result r = choke_search::search({k.g, k.bands, k.r_oe, k.x_min});
    ASSERT_EQ(r.reason, choke_search::Reason::none);
    ASSERT_EQ(r.best.size(), choke_search::kBestCount);
    const double f_low = *std::min_element(k.bands.begin(), k.bands.end());
    const double f_high = *std::max_element(k.bands.begin(), k.bands.end());
    const BetaTable table(k.g, f_low, 3.0 * f_high);
    double fine_best = 0.0;
    for (double n = r.min_turns; n <= r.max_turns; n += 0.01) {
      fine_best = std::max(fine_best, table.margin_pct(n, k.bands));
    }
    EXPECT_GT(r.best.front().margin_pct, fine_best - kTolerancePct);
    // Admissible: inductive on the lowest band with X >= x_min R_oe; the
    // first counts outside the interval are not.
    const double need = k.x_min * k.r_oe;
    const auto x_low = [&](double n) { return choke::reactance({k.g, n, 1.0}, f_low); };
    EXPECT_GE(x_low(r.min_turns), need);
    EXPECT_LT(x_low(r.min_turns - 0.01), need);
    EXPECT_LT(choke::electrical_length({k.g, r.max_turns, 1.0}, f_low), kPi / 2.0);
    EXPECT_GT(choke::electrical_length({k.g, r.max_turns + 0.01, 1.0}, f_low), kPi / 2.0);
    for (std::size_t i = 0; i < r.best.size(); ++i) {
      const choke_search::Candidate& c = r.best[i];
      SCOPED_TRACE(c.turns);
      EXPECT_LE(c.margin_pct, r.best[i == 0 ? 0 : i - 1].margin_pct);
      EXPECT_GE(c.turns, r.min_turns);
      EXPECT_LE(c.turns, r.max_turns);
      EXPECT_GE(x_low(c.turns), need);
      const double m = table.margin_pct(c.turns, k.bands);
      EXPECT_NEAR(c.margin_pct, m, kTolerancePct);
      // A local maximum (or an end of the interval), not a point of the
      // search's grid: the margin's slope, some 1e-3 % per 1e-3 turn,
      // against the table's error, which hardly changes over so short a step.
      for (const double n : {c.turns - 1e-3, c.turns + 1e-3}) {
        if (n >= r.min_turns && n <= r.max_turns) {
          EXPECT_LT(table.margin_pct(n, k.bands), m + kLocalPct) << n;
        }
      }
      EXPECT_NEAR(c.c1_change_pf, 1e12 / (2.0 * kPi * f_low * x_low(c.turns)), 1e-9);
      EXPECT_NEAR(c.inductance_uh, coil::inductance(c.turns, k.g) * 1e6, 1e-9);
      const choke::Resonances res = choke::resonances({k.g, c.turns, 1.0});
      expect_near_all(c.parallel_mhz, res.parallel_hz);
      expect_near_all(c.series_mhz, res.series_hz);
    }
  }
}

TEST(ChokeSearch, NoAdmissibleCountGivesNoneAndTheReason) {
  using choke_search::Reason;
  const coil::Geometry g{25e-3, 0.5e-3, 0.4e-3};
  struct Case {
    choke_search::Request q;
    Reason reason;
    std::size_t count;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {{{25e-3, 0.3e-3, 0.4e-3}, kHam, 2000}, Reason::invalid_winding, 0},
      {{g, {}, 2000}, Reason::invalid_bands, 0},
      {{g, mhz({1.85, 70}), 2000}, Reason::invalid_bands, 0},
      {{g, {std::nan("")}, 2000}, Reason::invalid_bands, 0},
      {{g, kHam, 0}, Reason::invalid_limits, 0},
      {{g, kHam, 2000, -0.1}, Reason::invalid_limits, 0},
      {{g, kHam, 2000, 0.5, std::nan("")}, Reason::invalid_limits, 0},
      // 10 000 turns of 5 mm at 100 kHz: 1.54 kohm, a twentieth of their quarter wave.
      {{{5e-3, 0.1e-3, 0.08e-3}, {1e5}, 5000}, Reason::reactance_below_minimum, 0},
      // One turn of 0.5 m is past its quarter wave at 60 MHz.
      {{{0.5, 0.05, 4e-3}, {6e7}, 50}, Reason::reactance_below_minimum, 0},
      // The first case above: its best 8.086 %, the next 7.888 %.
      {{g, kHam, 2000, 0.5, 8.0}, Reason::none, 1},
      {{g, kHam, 2000, 0.5, 8.1}, Reason::series_resonance_at_band, 0}};
  // clang-format on
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.reason));
    const choke_search::Result r = choke_search::search(k.q);
    EXPECT_EQ(r.reason, k.reason);
    EXPECT_EQ(r.best.size(), k.count);
  }
}

TEST(ChokeSearch, EvaluateGivesTheChokesOwnResonancesCalibratedOrNot) {
  // The published winding, as modelled (nearest: 18.1 MHz, 5.3 % below the
  // series resonance at 19.05) and measured at 17.5 MHz (28.5, 1.2 % below 28.85).
  const choke::Choke model{{25e-3, 0.5e-3, 0.4e-3}, 150};
  choke::Choke measured = model;
  measured.length_scale = choke::length_scale(model, 17.5e6);
  for (const choke::Choke& c : {model, measured}) {
    SCOPED_TRACE(c.length_scale);
    const auto e = choke_search::evaluate(c, kHam);
    ASSERT_TRUE(e);
    const choke::Resonances all = choke::resonances(c, 1e5, 3.0 * kHam.back());
    double least = HUGE_VAL;
    double band = 0.0;
    ASSERT_EQ(e->band_distance_pct.size(), kHam.size());
    for (std::size_t i = 0; i < kHam.size(); ++i) {
      const double b = kHam[i];
      double own = HUGE_VAL;
      double own_f = 0.0;
      for (const double f : all.series_hz) {
        if (std::abs(f - b) / b * 100.0 < own) own = std::abs(f - b) / b * 100.0, own_f = f;
      }
      EXPECT_NEAR(e->band_distance_pct[i], own, 1e-7) << b;
      EXPECT_NEAR(e->band_series_mhz[i] * 1e6 / own_f, 1.0, 1e-9) << b;
      if (own < least) least = own, band = b;
    }
    EXPECT_NEAR(e->margin_pct, least, 1e-7);
    EXPECT_EQ(e->nearest_band_mhz * 1e6, band);
    const auto below_60 = [](std::vector<double> f) {
      f.erase(std::remove_if(f.begin(), f.end(), [](double x) { return x > 6e7; }), f.end());
      return f;
    };
    expect_near_all(e->parallel_mhz, below_60(all.parallel_hz));
    expect_near_all(e->series_mhz, below_60(all.series_hz));
  }
  EXPECT_FALSE(choke_search::evaluate({model.g, 0.5}, kHam));
  EXPECT_FALSE(choke_search::evaluate(model, {}));
}

}  // namespace
