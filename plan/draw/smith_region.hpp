#pragma once

// The outline of a region of the Smith chart given by a test of its points:
// the loads the capacitors' settings can match. The chart's disc is sampled
// on a square grid, each cell's corners in or out; where a cell's edge
// changes from in to out the crossing is narrowed by bisection on the test
// itself, and the crossings are joined cell by cell (marching squares) into
// closed loops. A point of the chart lies in the region exactly when it lies
// inside an odd number of loops, up to a cell's width from the outline.

#include <complex>
#include <functional>
#include <vector>

namespace plan {

// Cells per side of the square [-1, 1]^2 in Gamma: 0.0125 in |Gamma|, about
// 4 px of the chart, so that the outline's corners stay within a pixel or two
// of a curved border.
inline constexpr int kRegionGrid = 160;

// Bisections of each crossing: 2^-20 of a cell, far below a pixel.
inline constexpr int kCrossingBisections = 20;

using GammaLoop = std::vector<std::complex<double>>;

// True for a reflection coefficient inside the region; called only for
// |Gamma| < 1.
using InRegion = std::function<bool(std::complex<double> gamma)>;

// The closed loops, in Gamma, each turning with the region on its left; the
// rim bounds the region where it reaches the edge of the chart.
// inside : the region's test;  grid : cells per side, >= 2
std::vector<GammaLoop> region_outline(const InRegion& inside, int grid = kRegionGrid);

// Even-odd rule over the loops: true when gamma lies in the region they bound.
// loops : region_outline's loops;  gamma : any point, Gamma
bool encloses(const std::vector<GammaLoop>& loops, std::complex<double> gamma);

}  // namespace plan
