#pragma once

// The loads of an SWR circle on the impedance Smith chart of one network at
// one frequency, as an SVG document: the chart normalised to the design's
// load R0, each load marked matched or not by the re-tuned tank, the
// design's load, and the region of loads a rectangle of capacitor settings
// can match. Every word on the page comes from the caller's texts.

#include <array>
#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "matching/retune.hpp"
#include "plan/draw/smith_region.hpp"

namespace plan {

// One load of the circle.
struct SmithLoad {
  std::complex<double> z_ohm;  // the load, ohm
  bool matched = false;        // the re-tuned tank presents R_oe with it
};

// What the chart shows.
struct SmithChart {
  double r0_ohm = 0.0;                   // the chart's reference, ohm, > 0
  double swr = 0.0;                      // the circle's SWR, > 1
  std::vector<SmithLoad> loads;          // in the order of the circle
  std::complex<double> design_load_ohm;  // the load the design was made for, ohm
  // The loads some setting of the rectangle matches, as the loops of their
  // outline in Gamma (plan/smith_region); none when no rectangle is given.
  bool has_region = false;
  std::vector<GammaLoop> region_loops;
  std::string title;     // the heading: frequency and network
  std::string subtitle;  // the line under it
};

// The words of the chart, in one language; the caller takes them from its
// language files.
struct SmithTexts {
  std::string_view matched;      // legend: a load the tank matches
  std::string_view not_matched;  // legend: a load it does not
  std::string_view design_load;  // legend: the design's load
  std::string_view swr;          // the abbreviation of the standing-wave ratio
  std::string_view region;       // legend: the loads the capacitors' settings reach
  std::string_view resistance;   // the note on the resistance circles (r = R/R0)
  std::string_view reactance;    // the note on the reactance arcs (x = X/R0)
  std::string_view r0;           // the symbol of the reference resistance
  std::string_view ohm;          // the unit after its value
};

// The whole SVG document.
// chart : the loads and the region, ohm (see SmithChart);  texts : its words
std::string smith_svg(const SmithChart& chart, const SmithTexts& texts);

// The chart of a stage: its circle's loads re-tuned, and the region of the
// settings when given.
// stage : a completed design's tank (retune::from_pi_record / from_pi_l_design)
// swr : retune::kSwrAbove < swr <= retune::kSwrMax;  settings : C1 total and C2, F, or none
// title, subtitle : the heading's lines, already in the chart's language
SmithChart smith_chart(const retune::Stage& stage, double swr,
                       const std::optional<retune::SettingsRange>& settings, std::string title,
                       std::string subtitle);

// The reflection coefficient of a load on the chart: (z - r0) / (z + r0);
// a load of infinite magnitude gives 1.
// z_ohm : the load, ohm;  r0_ohm : the reference, ohm, > 0
std::complex<double> reflection(std::complex<double> z_ohm, double r0_ohm);

}  // namespace plan
