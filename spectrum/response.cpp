#include "spectrum/response.hpp"

#include <cmath>
#include <functional>

#include "matching/s11s22f.hpp"

namespace response {

float v_out(const PiTank& n, float f_hz) {
  const spectrum::Generator g = spectrum::passband_generator(n.u_in_rms, n.r_oe);
  return cplx::modulus(spectrum::solve(n.net, f_hz, g.e_g, g.r_g).v_out);
}

float s11(const PiTank& n, float f_hz) {
  return s11s22f::fs11(f_hz, n.net.q_unloaded, n.r_oe, n.net.r_load, n.net.c1, n.net.c2,
                       n.net.l_coil)
      .s11;
}

namespace {

float level_db(float v, float peak) {
  return 20.0f * std::log10(v / peak);
}

// The frequency between a and b where inside(f) changes, by bisection;
// inside(a) != inside(b).
float edge(float a, float b, const std::function<bool(float)>& inside) {
  const bool at_a = inside(a);
  for (int i = 0; i < 40; ++i) {
    const float mid = 0.5f * (a + b);
    if (mid <= a || mid >= b) break;
    (inside(mid) == at_a ? a : b) = mid;
  }
  return 0.5f * (a + b);
}

// The stretches of the sweep where inside holds, their ends refined.
std::vector<Band> bands(const std::vector<Point>& points,
                        const std::function<bool(const Point&)>& in_point,
                        const std::function<bool(float)>& inside) {
  std::vector<Band> out;
  bool open = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool now = in_point(points[i]);
    if (now && !open) {
      const float low = i == 0 ? points[i].f_hz : edge(points[i - 1].f_hz, points[i].f_hz, inside);
      out.push_back({low, points.back().f_hz});
      open = true;
    } else if (!now && open) {
      out.back().high = edge(points[i - 1].f_hz, points[i].f_hz, inside);
      open = false;
    }
  }
  return out;
}

// The response of any network given by its |Vout| and |S11| at a frequency.
Response response_of(float f, const std::function<float(float)>& v_out_at,
                     const std::function<float(float)>& s11_at, std::size_t intervals) {
  Response r;
  r.f_hz = f;
  const float start = 0.5f * f;
  const float span = 3.0f * f;
  std::vector<float> v(intervals + 1);
  r.points.resize(intervals + 1);
  const std::array<float, 3> harmonics{f, f + f, 3.0f * f};
  std::array<float, 3> v_harmonic{};
  for (std::size_t k = 0; k < 3; ++k) v_harmonic[k] = v_out_at(harmonics[k]);
  float peak = v_harmonic[0];
  for (std::size_t i = 0; i <= intervals; ++i) {
    const float fi = start + span * static_cast<float>(i) / static_cast<float>(intervals);
    r.points[i].f_hz = fi;
    v[i] = v_out_at(fi);
    r.points[i].s11 = s11_at(fi);
    if (v[i] > peak) peak = v[i];
  }
  r.peak_v = peak;
  for (std::size_t i = 0; i <= intervals; ++i) r.points[i].level_db = level_db(v[i], peak);
  for (std::size_t k = 0; k < 3; ++k) {
    r.harmonic_db[k] = level_db(v_harmonic[k], peak);
    r.harmonic_s11[k] = s11_at(harmonics[k]);
  }
  const float one_db_below = peak * std::pow(10.0f, -1.0f / 20.0f);
  r.within_1db = bands(
      r.points, [](const Point& p) { return p.level_db >= -1.0f; },
      [&](float fx) { return v_out_at(fx) >= one_db_below; });
  r.s11_below_0_1 = bands(
      r.points, [](const Point& p) { return p.s11 < 0.1f; },
      [&](float fx) { return s11_at(fx) < 0.1f; });
  return r;
}

}  // namespace

Response sweep(const PiTank& n, std::size_t intervals) {
  return response_of(
      n.f_hz, [&](float f) { return v_out(n, f); }, [&](float f) { return s11(n, f); }, intervals);
}

Response sweep(const PiLTank& n, std::size_t intervals) {
  const spectrum::Generator g = spectrum::passband_generator(n.u_in_rms, n.r_oe);
  const auto v_out_at = [&](float f) {
    return static_cast<float>(std::abs(pi_l::load_voltage(
        n.net, static_cast<double>(f), static_cast<double>(g.e_g), static_cast<double>(g.r_g))));
  };
  const auto s11_at = [&](float f) {
    return static_cast<float>(
        pi_l::s11(n.net, static_cast<double>(f), static_cast<double>(n.r_oe)));
  };
  return response_of(n.f_hz, v_out_at, s11_at, intervals);
}

}  // namespace response
