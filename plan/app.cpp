#include "plan/app.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "plan/options.hpp"
#include "plan/outputs.hpp"
#include "plan/plot.hpp"
#include "plan/stage_design.hpp"
#include "plan/summary.hpp"

namespace plan {

namespace {

constexpr const char* kProgram = "valvenet-plan: ";

// Writes the bytes to the file at path, replacing it; the reason when it fails.
std::string write_file(const std::string& path, const std::string& bytes) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return errno != 0 ? std::strerror(errno) : "cannot be opened";
  file << bytes;
  file.close();
  if (!file) return errno != 0 ? std::strerror(errno) : "cannot be written";
  return {};
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Parsed parsed = parse_options(args);
  if (parsed.kind == Parsed::Kind::help) {
    out << parsed.help;
    out.flush();
    return out ? 0 : 1;
  }
  if (parsed.kind == Parsed::Kind::error) {
    for (const std::string& e : parsed.errors) err << kProgram << e << '\n';
    err << kProgram << "run with --help for the options and their ranges\n";
    return 2;
  }
  const Options& o = parsed.options;
  PlanReport report;
  report.inputs = o.inputs;
  report.raise_q = o.raise_q;
  report.designs = design_all(o.inputs, o.f_mhz, o.raise_q);
  report.summary = summarise(report.designs);

  switch (o.format) {
    case Format::table:
      out << table_report(report);
      break;
    case Format::csv:
      out << csv_report(report);
      break;
    case Format::json:
      out << json_report(report);
      break;
  }
  out.flush();
  int status = 0;
  if (!out) {
    err << kProgram << "cannot write standard output\n";
    status = 1;
  }
  if (!o.plot_path.empty()) {
    const std::string reason = write_file(o.plot_path, plot_svg(report.designs.front()));
    if (!reason.empty()) {
      err << kProgram << "cannot write " << o.plot_path << ": " << reason << '\n';
      status = 1;
    }
  }
  return status;
}

}  // namespace plan
