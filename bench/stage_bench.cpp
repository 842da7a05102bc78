// Timings of one whole stage calculation and of its costly pieces: the pulse
// and its harmonics, one network solution, the pass-band sweep and the S11
// sweep. The network of the pieces is the final one of the slowest design.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "main/design.hpp"
#include "main/stage_record.hpp"
#include "matching/polosa_s11.hpp"
#include "matching/retune.hpp"
#include "network/calculations.hpp"
#include "network/cplx.hpp"
#include "pulse/ishsignal.hpp"
#include "pulse/nml1.hpp"
#include "spectrum/spectrum.hpp"
#ifdef VALVENET_BENCH_PLAN
#include "plan/cli/app.hpp"
#endif

namespace {

// The slowest design: a coil of Q0 750 lets the loaded-Q search run to its
// limit, and at 60 MHz the sweeps have the most points.
// f_hz : working frequency, Hz, 1e5 <= f_hz <= 6e7
stage::StageInputs high_q_inputs(float f_hz) {
  stage::StageInputs in;
  in.p_out = 100.0f;
  in.e_supply = 1000.0f;
  in.u_min = 100.0f;
  in.c_tube = 1e-12f;
  in.c_var_min = 0.2e-12f;
  in.f_hz = f_hz;
  in.r_load = 50.0f;
  in.filter_db = 70.0f;
  in.q_unloaded = 750.0f;
  in.cutoff_deg = 90.0f;
  in.tube_exponent = 1.0f;
  return in;
}

// A typical short-wave design.
stage::StageInputs typical_14mhz_inputs() {
  stage::StageInputs in;
  in.p_out = 200.0f;
  in.e_supply = 2000.0f;
  in.u_min = 200.0f;
  in.c_tube = 12e-12f;
  in.c_var_min = 10e-12f;
  in.f_hz = 14.2e6f;
  in.r_load = 50.0f;
  in.filter_db = 45.0f;
  in.q_unloaded = 200.0f;
  in.cutoff_deg = 90.0f;
  in.tube_exponent = 1.5f;
  return in;
}

void time_design(benchmark::State& state, stage::StageInputs inputs) {
  design::FixedAnswer console(false);
  for (auto _ : state) {
    stage::StageRecord record;
    record.start = inputs;
    const design::Outcome outcome = design::run_design(record, console);
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(record);
    if (outcome != design::Outcome::completed) {
      state.SkipWithError("the design was refused");
      break;
    }
  }
}

// The final network of a design and its working point.
struct FinalNetwork {
  spectrum::Network net;
  float f_hz = 0.0f;
  float r_oe = 0.0f;
  float u_in_rms = 0.0f;
  design::SweepPlan sweep;
};

FinalNetwork final_network(const stage::StageInputs& inputs) {
  stage::StageRecord record;
  record.start = inputs;
  design::FixedAnswer console(false);
  design::run_design(record, console);
  FinalNetwork n;
  n.net = design::final_network(record);
  n.f_hz = inputs.f_hz;
  n.r_oe = record.results.r_oe;
  n.u_in_rms = record.results.u_in_rms;
  n.sweep = design::sweep_plan(inputs.f_hz);
  return n;
}

const FinalNetwork& slowest_network() {
  static const FinalNetwork n = final_network(high_q_inputs(60e6f));
  return n;
}

void BM_PulseAndHarmonics(benchmark::State& state) {
  std::array<float, 2048> samples{};
  for (auto _ : state) {
    ishsignal::signal(0.0f, 6.283185f, 2047, samples, 90.0f, 1.5f);
    std::array<cplx::Complex, 3> terms = nml1::dft1(2048, samples);
    benchmark::DoNotOptimize(terms);
  }
}
BENCHMARK(BM_PulseAndHarmonics)->Unit(benchmark::kMicrosecond);

void BM_NetworkSolution(benchmark::State& state) {
  const FinalNetwork& n = slowest_network();
  float freq = n.f_hz;
  for (auto _ : state) {
    benchmark::DoNotOptimize(freq);
    spectrum::Solution s = spectrum::solve(n.net, freq, 2.0f * n.u_in_rms, 10.0f * n.r_oe);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_NetworkSolution)->Unit(benchmark::kNanosecond);

void BM_PassBandSweep(benchmark::State& state) {
  const FinalNetwork& n = slowest_network();
  for (auto _ : state) {
    const float band =
        spectrum::afr2(n.net.c1, n.net.c2, n.net.l_coil, n.u_in_rms, n.r_oe, n.net.r_load,
                       n.net.q_unloaded, n.sweep.start_hz, n.sweep.step_hz, n.sweep.count);
    benchmark::DoNotOptimize(band);
  }
  state.counters["points"] = static_cast<double>(n.sweep.count);
}
BENCHMARK(BM_PassBandSweep)->Unit(benchmark::kMicrosecond);

void BM_S11Sweep(benchmark::State& state) {
  const FinalNetwork& n = slowest_network();
  const design::SweepPlan& s = n.sweep;
  for (auto _ : state) {
    const float band =
        polosa_s11::s11polosa(n.net.q_unloaded, n.net.c1, n.net.c2, n.net.l_coil, s.f_low_hz,
                              s.step_hz, s.s11_points, n.r_oe, n.net.r_load);
    benchmark::DoNotOptimize(band);
  }
  state.counters["points"] = static_cast<double>(s.s11_points);
}
BENCHMARK(BM_S11Sweep)->Unit(benchmark::kMicrosecond);

// The 72 loads of an SWR-3 circle re-tuned at one frequency, the needed
// inductance searched for the loads that are not matched; against the
// design of the same stage, one band of a plan with and without --swr.
void BM_RetuneCircle(benchmark::State& state) {
  stage::StageRecord record;
  record.start = typical_14mhz_inputs();
  design::FixedAnswer console(false);
  design::run_design(record, console);
  const retune::Stage s = retune::from_pi_record(record);
  constexpr double kSwr = 3.0;
  for (auto _ : state) {
    std::vector<retune::Point> points = retune::retune_circle(s, kSwr);
    benchmark::DoNotOptimize(points);
  }
}
BENCHMARK(BM_RetuneCircle)->Unit(benchmark::kMicrosecond);

#ifdef VALVENET_BENCH_PLAN
// The program's standard output: the bytes counted and dropped, as a
// terminal or a file takes them, without the growing copy of a string stream.
class CountingBuffer : public std::streambuf {
 public:
  std::streamsize count = 0;

 protected:
  std::streamsize xsputn(const char* /*s*/, std::streamsize n) override {
    count += n;
    return n;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) ++count;
    return c;
  }
};

// A ten-band plan with the coil and the variables, as valvenet-plan runs it
// in a format; with_swr adds --swr 3 (the circle of 72 loads per band). The
// JSON with the circle holds every load's values, some eighteen times the
// bytes of the JSON without it, so its writing dominates there.
void time_plan(benchmark::State& state, bool with_swr, const char* format) {
  std::vector<std::string> args{
      "--p-out",     "400",     "--e-supply",      "2500", "--r-load", "50",
      "--exponent",  "1.5",     "--angle",         "80",   "--q0",     "200",
      "--u-min",     "250",     "--filter-db",     "45",   "--c-tube", "12",
      "--c-var-min", "8",       "--bands",         "ham",  "--wire",   "2",
      "--pitch",     "4",       "--coil-diameter", "50",   "--c1-max", "250",
      "--c2-range",  "20:1000", "--format",        format};
  if (with_swr) args.insert(args.end(), {"--swr", "3"});
  for (auto _ : state) {
    CountingBuffer written;
    std::ostream out(&written);
    std::ostringstream err;
    benchmark::DoNotOptimize(plan::run(args, out, err));
    benchmark::DoNotOptimize(written.count);
  }
}
#endif

void register_design_benchmarks() {
#ifdef VALVENET_BENCH_PLAN
  for (const char* format : {"table", "json"}) {
    for (const bool swr : {false, true}) {
      const std::string name = std::string("BM_Plan/TenBands/") + format + (swr ? "/Swr3" : "");
      benchmark::RegisterBenchmark(name.c_str(), time_plan, swr, format)
          ->Unit(benchmark::kMillisecond);
    }
  }
#endif
  struct Frequency {
    const char* name;
    float f_hz;
  };
  for (const Frequency f :
       {Frequency{"BM_Design/Q0_750/0.1MHz", 0.1e6f}, Frequency{"BM_Design/Q0_750/1.9MHz", 1.9e6f},
        Frequency{"BM_Design/Q0_750/14.2MHz", 14.2e6f}, Frequency{"BM_Design/Q0_750/30MHz", 30e6f},
        Frequency{"BM_Design/Q0_750/60MHz", 60e6f}}) {
    benchmark::RegisterBenchmark(f.name, time_design, high_q_inputs(f.f_hz))
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("BM_Design/Q0_200/14.2MHz", time_design, typical_14mhz_inputs())
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  register_design_benchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
