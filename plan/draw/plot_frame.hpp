#pragma once

// The response plot's page (plan/draw/plot.cpp): its geometry and axes, and
// the marks drawn across both panels, shared by the plot's pieces.

#include <span>
#include <string>

#include "plan/texts/texts.hpp"
#include "spectrum/response.hpp"

namespace plan::plot {

// Page geometry, in SVG user units (pixels).
inline constexpr double kWidth = 1000.0;
inline constexpr double kHeight = 860.0;
inline constexpr double kLeft = 90.0;
inline constexpr double kRight = 960.0;
inline constexpr double kTopA = 130.0;  // response panel
inline constexpr double kBottomA = 480.0;
inline constexpr double kTopB = 540.0;  // |S11| panel
inline constexpr double kBottomB = 720.0;

// Maps the frequency (MHz) to x and each panel's value to y.
struct Axes {
  double f_low = 0.0;
  double f_high = 1.0;
  double db_low = -80.0;
  double db_high = 5.0;

  double x(double f_mhz) const {
    return kLeft + (f_mhz - f_low) / (f_high - f_low) * (kRight - kLeft);
  }
  double y_db(double db) const {
    return kTopA + (db_high - db) / (db_high - db_low) * (kBottomA - kTopA);
  }
  double y_s11(double s) const { return kTopB + (1.0 - s) * (kBottomB - kTopB); }
};

// Hz as MHz.
inline double mhz(float hz) {
  return static_cast<double>(hz) * 1e-6;
}

// The marks at f, 2f and 3f with the level (or suppression) and |S11| at each.
// out : the document;  t : texts;  a : the axes;  resp : the sweep;  f_hz : the design's f, Hz
void harmonic_marks(std::string& out, const PlanTexts& t, const Axes& a,
                    const response::Response& resp, float f_hz);

// A mark across both panels at each series resonance of the anode choke
// inside the axes' span, where the choke shorts the anode.
// out : the document;  t : texts;  a : the axes;  series_mhz : the resonances, MHz
void choke_marks(std::string& out, const PlanTexts& t, const Axes& a,
                 std::span<const double> series_mhz);

}  // namespace plan::plot
