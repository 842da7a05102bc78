#include "plan/app.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "plan/options.hpp"
#include "plan/outputs.hpp"
#include "plan/plot.hpp"
#include "plan/stage_design.hpp"
#include "plan/summary.hpp"
#include "plan/texts.hpp"

namespace plan {

namespace {

// Why a file could not be written, in the program's language.
std::string reason(int error) {
  const PlanTexts& t = plan_texts();
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return std::string(t.no_such_folder);
    case EACCES:
    case EPERM:
      return std::string(t.no_permission);
    case ENOSPC:
      return std::string(t.disk_full);
    case EISDIR:
      return std::string(t.is_a_folder);
    case EROFS:
      return std::string(t.read_only);
    default:
      return fill(t.other_reason, {error != 0 ? std::strerror(error) : "?"});
  }
}

// Writes the bytes to the file at path, replacing it; the reason when it fails.
std::string write_file(const std::string& path, const std::string& bytes) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return reason(errno);
  file << bytes;
  file.close();
  if (!file) return reason(errno);
  return {};
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const PlanTexts& t = plan_texts();
  const Parsed parsed = parse_options(args);
  if (parsed.kind == Parsed::Kind::help) {
    out << parsed.help;
    out.flush();
    return out ? 0 : 1;
  }
  if (parsed.kind == Parsed::Kind::error) {
    for (const std::string& e : parsed.errors) err << t.program << e << '\n';
    err << t.program << t.see_help << '\n';
    return 2;
  }
  const Options& o = parsed.options;
  PlanReport report;
  report.inputs = o.inputs;
  report.raise_q = o.raise_q;
  report.designs = design_all(o.inputs, o.f_mhz, o.raise_q);
  report.network = o.network;
  report.r_mid = o.r_mid;
  if (o.network == Network::pi_l) add_pi_l(report.designs, o.r_mid, o.raise_q);
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
    err << t.program << t.cannot_write_output << '\n';
    status = 1;
  }
  if (!o.plot_path.empty()) {
    const std::string why = write_file(o.plot_path, plot_svg(report.designs.front()));
    if (!why.empty()) {
      err << t.program << fill(t.cannot_write_file, {o.plot_path, why}) << '\n';
      status = 1;
    }
  }
  return status;
}

}  // namespace plan
