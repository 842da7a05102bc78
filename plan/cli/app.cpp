#include "plan/cli/app.hpp"

#include <cerrno>
#include <fstream>

#include "plan/cli/choke_command.hpp"
#include "plan/cli/coil_command.hpp"
#include "plan/cli/inputs_block.hpp"
#include "plan/cli/options.hpp"
#include "plan/cli/saved.hpp"
#include "plan/draw/plot.hpp"
#include "plan/draw/smith_page.hpp"
#include "plan/report/coil_calculator.hpp"
#include "plan/report/coil_parts.hpp"
#include "plan/report/coil_q.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/report/summary.hpp"
#include "plan/texts/texts.hpp"
#include "plan/write/outputs.hpp"

namespace plan {

namespace {

// Writes the bytes to the file at path, replacing it; the reason when it fails.
std::string write_file(const std::string& path, const std::string& bytes, const PlanTexts& t) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return file_error(errno, t, false);
  file << bytes;
  file.close();
  if (!file) return file_error(errno, t, false);
  return {};
}

// The plot and the Smith chart the options ask for; false when one cannot be written.
bool write_drawings(const Options& o, const PlanReport& report, const PlanTexts& t,
                    std::ostream& err) {
  bool written = true;
  const auto picture = [&](const std::string& path, const std::string& svg) {
    const std::string why = write_file(path, svg, t);
    if (why.empty()) return;
    err << t.program << fill(t.cannot_write_file, {path, why}) << '\n';
    written = false;
  };
  if (!o.plot_path.empty()) {
    const std::vector<double> none;
    const std::vector<double>& series = report.choke ? report.choke->at_bands.series_mhz : none;
    picture(o.plot_path, plot_svg(report.designs.front(), t, series));
  }
  if (!o.smith_path.empty()) picture(o.smith_path, smith_page(report, 0, t));
  return written;
}

}  // namespace

PlanReport make_report(const Options& o) {
  PlanReport report;
  report.inputs = o.inputs;
  report.raise_q = o.raise_q;
  report.language = o.language;
  report.q0_coil = o.q0_coil && o.parts.coil;
  report.designs =
      report.q0_coil ? design_all_with_coil_q(o.inputs, o.f_mhz, o.raise_q, geometry(*o.parts.coil))
                     : design_all(o.inputs, o.f_mhz, o.raise_q);
  report.network = o.network;
  report.r_mid = o.r_mid;
  if (o.network == TankKind::pi_l) add_pi_l(report.designs, o.r_mid, o.raise_q);
  report.summary = summarise(report.designs);
  report.parts_options = o.parts;
  for (const Design& d : report.designs) report.parts.push_back(parts_of(d, o.inputs, o.parts));
  add_coil_loss(report.designs, report.parts, o.parts,
                [](const Design& d) { return d.record.results.q_loaded; });
  report.parts_summary = summarise_parts(report.designs, report.parts, o.parts);
  report.choke = choke_summary(o.parts, o.f_mhz);
  add_feed(report.designs, report.parts, o.inputs, o.parts, report.choke, pi_feed_drive);
  if (o.network == TankKind::pi_l) {
    for (const Design& d : report.designs) {
      report.pi_l_parts.push_back(d.pi_l ? pi_l_parts_of(d.pi_l->design, o.inputs, o.parts)
                                         : std::nullopt);
    }
    add_coil_loss(report.designs, report.pi_l_parts, o.parts, nullptr);
    report.pi_l_parts_summary = summarise_parts(report.designs, report.pi_l_parts, o.parts);
    add_feed(report.designs, report.pi_l_parts, o.inputs, o.parts, report.choke, pi_l_feed_drive);
  }
  add_load_ranges(report, o);
  report.inputs_block = inputs_block(report);
  return report;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args.front() == "coil") {
    return run_coil(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  }
  if (!args.empty() && args.front() == "choke") {
    return run_choke(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  }
  const Parsed parsed = parse_options(args);
  const PlanTexts& t = plan_texts(parsed.language);
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
  const PlanReport report = make_report(o);

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
  if (!write_drawings(o, report, t, err)) status = 1;
  return status;
}

}  // namespace plan
