#include "plan/draw/smith_region.hpp"

#include <array>
#include <cstddef>
#include <unordered_map>

namespace plan {

namespace {

using Complex = std::complex<double>;

// The sampled grid: (grid + 1)^2 points over [-1, 1]^2, the region's test
// at each (outside the disc: out).
class Samples {
 public:
  Samples(const InRegion& inside, int grid) : inside_(inside), grid_(grid) {
    const auto side = static_cast<std::size_t>(grid) + 1;
    in_.resize(side * side);
    for (int j = 0; j <= grid; ++j) {
      for (int i = 0; i <= grid; ++i) in_[index(i, j)] = test(at(i, j));
    }
  }

  Complex at(double i, double j) const { return {-1.0 + 2.0 * i / grid_, -1.0 + 2.0 * j / grid_}; }
  bool in(int i, int j) const { return in_[index(i, j)]; }
  bool test(Complex g) const { return std::abs(g) < 1.0 && inside_(g); }

  // The crossing on the edge from point p (in) to point q (out), bisected;
  // its inner end, so that a crossing of the rim stays on the chart.
  Complex crossing(Complex p, Complex q) const {
    double lo = 0.0;  // in
    double hi = 1.0;  // out
    for (int k = 0; k < kCrossingBisections; ++k) {
      const double mid = 0.5 * (lo + hi);
      (test(p + mid * (q - p)) ? lo : hi) = mid;
    }
    return p + lo * (q - p);
  }

 private:
  std::size_t index(int i, int j) const {
    return static_cast<std::size_t>(j) * (static_cast<std::size_t>(grid_) + 1) +
           static_cast<std::size_t>(i);
  }

  const InRegion& inside_;
  int grid_;
  std::vector<bool> in_;
};

struct Corner {
  int i, j;
};

// The outline's pieces, from crossing to crossing, the region on the left;
// a crossing is named by its grid edge.
class Tracer {
 public:
  Tracer(const Samples& s, int grid) : s_(s), grid_(grid) {}

  // The segments of cell (i, j): its corners counter-clockwise from the
  // lower left, each change from in to out (an exit) joined to an entry.
  void cell(int i, int j) {
    const std::array<Corner, 4> c{{{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}}};
    std::array<int, 4> kind{};  // per edge k (c[k] to c[k+1]): 1 exit, -1 entry, 0 none
    int exits = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const bool a = s_.in(c[k].i, c[k].j);
      const bool b = s_.in(c[(k + 1) % 4].i, c[(k + 1) % 4].j);
      kind[k] = a == b ? 0 : (a ? 1 : -1);
      exits += kind[k] == 1 ? 1 : 0;
    }
    if (exits == 0) return;
    // Two exits: a saddle. With the centre in, an exit runs to the next
    // entry (the in corners joined); with it out, to the one before.
    const bool forward = exits == 1 || s_.test(s_.at(i + 0.5, j + 0.5));
    for (std::size_t k = 0; k < 4; ++k) {
      if (kind[k] != 1) continue;
      for (std::size_t step = 1; step < 4; ++step) {
        const std::size_t e = forward ? (k + step) % 4 : (k + 4 - step) % 4;
        if (kind[e] != -1) continue;
        next_[edge(c, k)] = edge(c, e);
        point(c, k);
        break;
      }
    }
  }

  std::vector<GammaLoop> loops() {
    std::vector<GammaLoop> out;
    while (!next_.empty()) {
      const long first = next_.begin()->first;
      GammaLoop loop;
      for (long e = first;;) {
        loop.push_back(points_.at(e));
        const auto it = next_.find(e);
        if (it == next_.end()) break;
        e = it->second;
        next_.erase(it);
        if (e == first) break;
      }
      if (loop.size() >= 3) out.push_back(std::move(loop));
    }
    return out;
  }

 private:
  // The id of edge k of the cell: a horizontal edge 2 n, a vertical 2 n + 1,
  // n the index of its lower or left point.
  long edge(const std::array<Corner, 4>& c, std::size_t k) const {
    const Corner a = c[k];
    const Corner b = c[(k + 1) % 4];
    const Corner low{std::min(a.i, b.i), std::min(a.j, b.j)};
    const long n = static_cast<long>(low.j) * (grid_ + 1) + low.i;
    return 2 * n + (a.j == b.j ? 0 : 1);
  }

  void point(const std::array<Corner, 4>& c, std::size_t k) {
    const long id = edge(c, k);
    if (points_.count(id) != 0) return;
    const Corner a = c[k];  // in
    const Corner b = c[(k + 1) % 4];
    points_[id] = s_.crossing(s_.at(a.i, a.j), s_.at(b.i, b.j));
  }

  const Samples& s_;
  int grid_;
  std::unordered_map<long, long> next_;       // exit crossing -> the entry it runs to
  std::unordered_map<long, Complex> points_;  // each exit crossing's point
};

}  // namespace

std::vector<GammaLoop> region_outline(const InRegion& inside, int grid) {
  const Samples s(inside, grid);
  Tracer t(s, grid);
  for (int j = 0; j < grid; ++j) {
    for (int i = 0; i < grid; ++i) t.cell(i, j);
  }
  return t.loops();
}

bool encloses(const std::vector<GammaLoop>& loops, Complex gamma) {
  bool in = false;
  for (const GammaLoop& loop : loops) {
    for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
      const Complex a = loop[i];
      const Complex b = loop[j];
      if ((a.imag() > gamma.imag()) != (b.imag() > gamma.imag()) &&
          gamma.real() < a.real() + (gamma.imag() - a.imag()) * (b.real() - a.real()) /
                                        (b.imag() - a.imag())) {
        in = !in;
      }
    }
  }
  return in;
}

}  // namespace plan
