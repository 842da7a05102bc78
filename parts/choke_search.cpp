#include "parts/choke_search.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "parts/feed.hpp"
#include "parts/helix_fit.hpp"

namespace choke_search {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// Hz in a MHz; pF in a F; uH in a H; percent in a share.
constexpr double kHzPerMHz = 1e6;
constexpr double kPfPerF = 1e12;
constexpr double kUhPerH = 1e6;
constexpr double kPercent = 100.0;

// The turns just below the first parallel resonance on the lowest band are
// the last admissible: this share below it, strictly inductive and far
// above the 1e-10 to which resonances are found.
constexpr double kParallelEdge = 1e-6;
// The fewest admissible turns are bisected to this, turns.
constexpr double kMinTurnsTolerance = 1e-9;
constexpr int kMaxBisections = 200;
// Golden section stops on a bracket this narrow, turns: the margin's slope
// is at most (1 + margin) / N per turn, so the rest is far below the 1e-7
// of the helix's table.
constexpr double kTurnsTolerance = 1e-9;
// Two refined maxima closer than this, turns, are the same one.
constexpr double kSameTurns = 1e-6;

// The band nearest a series resonance: its distance as a share of it.
struct Nearest {
  double margin = kInf;
  double band_hz = kNaN;
  double series_hz = kNaN;
};

// bands_hz with their electrical lengths theta (rad); series(phase) the
// frequency, Hz, where the length is phase. A band between the k-th and
// (k+1)-th series resonance, k = floor(theta / pi), is nearest one of them.
template <typename Series>
Nearest nearest_to(double band_hz, double theta, const Series& series) {
  Nearest out;
  const auto consider = [&](double f) {
    const double d = std::abs(f - band_hz) / band_hz;
    if (d < out.margin) out = {d, band_hz, f};
  };
  const double k = std::floor(theta / kPi);
  consider(series((k + 1.0) * kPi));
  if (k >= 1.0) consider(series(k * kPi));
  return out;
}

template <typename Series>
Nearest nearest(const std::vector<double>& bands_hz, const std::vector<double>& theta,
                const Series& series) {
  Nearest out;
  for (std::size_t i = 0; i < bands_hz.size(); ++i) {
    const Nearest n = nearest_to(bands_hz[i], theta[i], series);
    if (n.margin < out.margin) out = n;
  }
  return out;
}

// The highest frequency, Hz, a margin or a resonance list of the choke can
// need, from its length theta_low at the lowest band: beta / f rises with
// f, so a band below the first series resonance has it below
// f_low pi / theta_low, one above it has its next within twice the band.
double reach_hz(double f_low_hz, double f_high_hz, double theta_low) {
  const double first = theta_low < kPi ? f_low_hz * kPi / theta_low : 0.0;
  return std::max({choke::kHighestHz, 2.0 * f_high_hz, first});
}

Candidate evaluate_with(const choke::Choke& c, const std::vector<double>& bands_hz,
                        const helix_fit::Fit& h) {
  Candidate out;
  out.turns = c.turns;
  out.inductance_uh = coil::inductance(c.turns, c.g) * kUhPerH;
  const auto series = [&](double phase) { return helix_fit::exact_frequency(c, h, phase); };
  Nearest n;
  for (const double f : bands_hz) {
    const Nearest at = nearest_to(f, choke::electrical_length(c, f), series);
    out.band_series_mhz.push_back(at.series_hz / kHzPerMHz);
    out.band_distance_pct.push_back(at.margin * kPercent);
    if (at.margin < n.margin) n = at;
  }
  out.margin_pct = n.margin * kPercent;
  out.nearest_band_mhz = n.band_hz / kHzPerMHz;
  out.nearest_series_mhz = n.series_hz / kHzPerMHz;
  // The quarter waves in 0.1..60 MHz, as choke::resonances counts them.
  const double quarter = kPi / 2.0;
  const double first =
      std::max(1.0, std::ceil(choke::electrical_length(c, choke::kLowestHz) / quarter));
  const double last = choke::electrical_length(c, choke::kHighestHz);
  for (double m = first; m * quarter <= last; m += 1.0) {
    const double f = helix_fit::exact_frequency(c, h, m * quarter) / kHzPerMHz;
    (std::fmod(m, 2.0) == 1.0 ? out.parallel_mhz : out.series_mhz).push_back(f);
  }
  const double f_low = *std::min_element(bands_hz.begin(), bands_hz.end());
  out.x_lowest_ohm = choke::reactance(c, f_low);
  out.c1_change_pf = feed::c1_change_f(f_low, out.x_lowest_ohm) * kPfPerF;
  return out;
}

bool valid_bands(const std::vector<double>& bands_hz) {
  return !bands_hz.empty() && std::all_of(bands_hz.begin(), bands_hz.end(), [](double f) {
    return f >= choke::kLowestHz && f <= choke::kHighestHz;
  });
}

Reason check(const Request& r) {
  if (coil::check(r.g) != coil::Problem::none) return Reason::invalid_winding;
  if (!valid_bands(r.bands_hz)) return Reason::invalid_bands;
  if (!(r.r_oe_ohm > 0.0) || !std::isfinite(r.r_oe_ohm) || !(r.x_min >= 0.0) ||
      !std::isfinite(r.x_min) || !(r.min_margin_pct >= 0.0) || !std::isfinite(r.min_margin_pct)) {
    return Reason::invalid_limits;
  }
  return Reason::none;
}

// The admissible interval of turns; both NaN when it is empty. The
// reactance on the lowest band rises with the turns up to its first
// parallel resonance, so the fewest are bisected.
struct Span {
  double low = kNaN;
  double high = kNaN;
};

// beta_low : beta at f_low_hz, 1/m
Span admissible(const Request& r, double f_low_hz, double beta_low) {
  const double parallel = kPi / 2.0 / (beta_low * r.g.pitch_m);
  const double high = std::min(parallel * (1.0 - kParallelEdge), coil::kMaxTurns);
  const double need = r.x_min * r.r_oe_ohm;
  const auto enough = [&](double turns) {
    return choke::reactance({r.g, turns, 1.0}, f_low_hz) >= need;
  };
  if (!(high >= coil::kMinTurns) || !enough(high)) return {};
  double low = coil::kMinTurns;
  if (enough(low)) return {low, high};
  double top = high;  // enough(top), not enough(low)
  for (int i = 0; i < kMaxBisections && top - low > kMinTurnsTolerance; ++i) {
    const double mid = 0.5 * (low + top);
    (enough(mid) ? top : low) = mid;
  }
  return {top, high};
}

// The scan's view of the winding: beta at each band (exact) and the helix's
// table for the series resonances.
struct Scan {
  const std::vector<double>& bands_hz;
  std::vector<double> beta;   // at each band, 1/m
  std::vector<double> theta;  // scratch: each band's electrical length, rad
  double pitch_m = 0.0;
  const helix_fit::Fit& h;
};

// The margin of `turns` as a share, from the table.
double margin(Scan& s, double turns) {
  const double length = turns * s.pitch_m;
  for (std::size_t i = 0; i < s.beta.size(); ++i) s.theta[i] = s.beta[i] * length;
  const auto series = [&](double phase) { return helix_fit::frequency(s.h, phase / length); };
  return nearest(s.bands_hz, s.theta, series).margin;
}

struct Point {
  double turns = 0.0;
  double margin = 0.0;  // a share
};

// Golden section for the largest margin in [a, b]; `best` is already known.
Point golden(Scan& s, double a, double b, Point best) {
  const double r = std::numbers::phi - 1.0;
  double x1 = b - r * (b - a);
  double x2 = a + r * (b - a);
  double m1 = margin(s, x1);
  double m2 = margin(s, x2);
  while (true) {
    if (m1 > best.margin) best = {x1, m1};
    if (m2 > best.margin) best = {x2, m2};
    if (!(b - a > kTurnsTolerance)) return best;
    if (m1 >= m2) {
      b = x2, x2 = x1, m2 = m1;
      x1 = b - r * (b - a);
      m1 = margin(s, x1);
    } else {
      a = x1, x1 = x2, m1 = m2;
      x2 = a + r * (b - a);
      m2 = margin(s, x2);
    }
  }
}

// The turns from span.low in steps of kScanStepTurns, span.high the last.
std::vector<Point> grid(Scan& s, const Span& span) {
  std::vector<Point> out;
  for (double i = 0.0;; i += 1.0) {
    const double turns = std::min(span.low + i * kScanStepTurns, span.high);
    out.push_back({turns, margin(s, turns)});
    if (turns >= span.high) return out;
  }
}

// The grid's local maxima that could rank among the best kBestCount, each
// refined between its neighbours: one whose margin m at N turns, raised by
// the most the margin can rise within a step, kScanStepTurns (1 + m) / N
// (twice that for slack), stays below the kBestCount-th largest is not.
std::vector<Point> refined_peaks(Scan& s, const std::vector<Point>& g) {
  std::vector<std::size_t> peaks;
  for (std::size_t i = 0; i < g.size(); ++i) {
    if ((i == 0 || g[i].margin > g[i - 1].margin) &&
        (i + 1 == g.size() || g[i].margin >= g[i + 1].margin)) {
      peaks.push_back(i);
    }
  }
  if (peaks.empty()) return {};  // only for margins that are not numbers
  std::vector<double> tops;
  tops.reserve(peaks.size());
  for (const std::size_t i : peaks) tops.push_back(g[i].margin);
  const std::size_t rank = std::min(kBestCount, tops.size()) - 1;
  std::nth_element(tops.begin(), tops.begin() + static_cast<std::ptrdiff_t>(rank), tops.end(),
                   std::greater<>());
  const double threshold = tops[rank];
  std::vector<Point> out;
  for (const std::size_t i : peaks) {
    const double rise = 2.0 * kScanStepTurns * (1.0 + g[i].margin) / g[i].turns;
    if (g[i].margin + rise < threshold) continue;
    const double a = g[i == 0 ? 0 : i - 1].turns;
    const double b = g[i + 1 == g.size() ? i : i + 1].turns;
    out.push_back(golden(s, a, b, g[i]));
  }
  return out;
}

// The kBestCount largest distinct maxima, largest first.
std::vector<Point> best_points(std::vector<Point> p) {
  std::sort(p.begin(), p.end(), [](const Point& x, const Point& y) { return x.margin > y.margin; });
  std::vector<Point> out;
  for (const Point& q : p) {
    const bool same = std::any_of(out.begin(), out.end(), [&](const Point& o) {
      return std::abs(o.turns - q.turns) < kSameTurns;
    });
    if (!same) out.push_back(q);
    if (out.size() == kBestCount) break;
  }
  return out;
}

}  // namespace

Result search(const Request& r) {
  Result out;
  out.reason = check(r);
  if (out.reason != Reason::none) return out;
  const auto [low, high] = std::minmax_element(r.bands_hz.begin(), r.bands_hz.end());
  std::vector<double> beta;
  beta.reserve(r.bands_hz.size());
  for (const double f : r.bands_hz) beta.push_back(choke::sheath_line(r.g, f).beta_per_m);
  const double beta_low = beta[static_cast<std::size_t>(low - r.bands_hz.begin())];
  const Span span = admissible(r, *low, beta_low);
  if (std::isnan(span.low)) {
    out.reason = Reason::reactance_below_minimum;
    return out;
  }
  out.min_turns = span.low;
  out.max_turns = span.high;
  const double theta_low = beta_low * span.low * r.g.pitch_m;
  const helix_fit::Fit h = helix_fit::fit(r.g, *low, reach_hz(*low, *high, theta_low));
  Scan s{r.bands_hz, beta, std::vector<double>(beta.size()), r.g.pitch_m, h};
  for (const Point& p : best_points(refined_peaks(s, grid(s, span)))) {
    Candidate c = evaluate_with({r.g, p.turns, 1.0}, r.bands_hz, h);
    if (c.margin_pct > r.min_margin_pct) out.best.push_back(std::move(c));
  }
  std::sort(out.best.begin(), out.best.end(),
            [](const Candidate& x, const Candidate& y) { return x.margin_pct > y.margin_pct; });
  if (out.best.empty()) out.reason = Reason::series_resonance_at_band;
  return out;
}

std::optional<Candidate> evaluate(const choke::Choke& c, const std::vector<double>& bands_hz) {
  if (!valid_bands(bands_hz) || !std::isfinite(choke::electrical_length(c, bands_hz.front()))) {
    return std::nullopt;
  }
  const auto [low, high] = std::minmax_element(bands_hz.begin(), bands_hz.end());
  const double theta_low = choke::electrical_length(c, *low);
  const helix_fit::Fit h =
      helix_fit::fit(c.g, std::min(choke::kLowestHz, 0.5 * *low), reach_hz(*low, *high, theta_low));
  return evaluate_with(c, bands_hz, h);
}

}  // namespace choke_search
