#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plan/texts/number_text.hpp"
#include "plan/write/outputs.hpp"
#include "plan/report/tank_outputs.hpp"

// The CSV: the frequency, then for each network its status, its values,
// its parts and its tuning reason, each column named after its key.

namespace plan {

namespace {

// A network's values in the CSV's order: its lines grouped as its JSON
// groups them (the plain Pi's results, then its pulse coefficients).
std::vector<const ValueLine*> csv_lines(const TankOutputs& tank) {
  std::vector<std::string_view> groups;
  for (const ValueLine& line : tank.lines) {
    bool seen = false;
    for (const std::string_view g : groups) seen = seen || g == line.group;
    if (!seen) groups.push_back(line.group);
  }
  std::vector<const ValueLine*> out;
  for (const std::string_view g : groups) {
    for (const ValueLine& line : tank.lines) {
      if (line.group == g) out.push_back(&line);
    }
  }
  return out;
}

// The columns of one network.
struct TankColumns {
  const TankOutputs* tank;
  std::vector<const ValueLine*> lines;
  std::vector<const PartLine*> parts;
  bool tuning;  // with the tuning reason after the parts
};

std::vector<TankColumns> columns_of(const PlanReport& report,
                                    const std::vector<TankOutputs>& tanks) {
  std::vector<TankColumns> out;
  for (const TankOutputs& tank : tanks) {
    std::vector<const PartLine*> parts = part_lines(report, tank);
    const bool tuning = !parts.empty() && shows(PartGroup::tuning, report.parts_options);
    out.push_back({&tank, csv_lines(tank), std::move(parts), tuning});
  }
  return out;
}

std::string header(const TankColumns& c) {
  const TankOutputs& tank = *c.tank;
  const std::string prefix(tank.key_prefix);
  std::string out;
  if (!tank.network_column.empty()) out += ',' + std::string(output_key::network);
  out += ',' + prefix + std::string(output_key::status);
  if (tank.design.q0_status != nullptr) out += ',' + prefix + std::string(output_key::q0_status);
  for (const ValueLine* line : c.lines) out += ',' + prefix + std::string(line->key);
  if (tank.csv_hot_cap) out += ',' + std::string(output_key::hot_cap_warning);
  for (const PartLine* line : c.parts) out += ',' + prefix + std::string(line->csv);
  if (c.tuning) out += ',' + prefix + std::string(output_key::tuning_reason);
  return out;
}

// The cells of design k of one network, each after its comma.
std::string cells(const TankColumns& c, const Design& d, std::size_t k) {
  const TankOutputs& tank = *c.tank;
  std::string out;
  if (!tank.network_column.empty()) out += ',' + std::string(tank.network_column);
  out += ',' + std::string(tank.design.status_key(d));
  if (tank.design.q0_status != nullptr) out += ',' + std::string(tank.design.q0_status(d));
  for (const ValueLine* line : c.lines) {
    const std::optional<float> v = line->value(d);
    out += ',' + (v ? float_text(*v) : std::string());
  }
  if (tank.csv_hot_cap) {
    out += ',';
    if (tank.design.completed(d)) out += std::to_string(tank.design.hot_cap_warning(d));
  }
  const Parts* p = parts_at(tank, k);
  for (const PartLine* line : c.parts) {
    const std::optional<double> v = p != nullptr ? line->value(*p) : std::nullopt;
    out += ',' + (v ? float_text(static_cast<float>(*v)) : std::string());
  }
  if (c.tuning) out += ',' + (p != nullptr ? std::string(reason_key(overall_reason(*p))) : "");
  return out;
}

}  // namespace

std::string csv_report(const PlanReport& report) {
  const std::vector<TankOutputs> tanks = tank_outputs(report);
  const std::vector<TankColumns> columns = columns_of(report, tanks);
  std::string out(output_key::f_mhz);
  for (const TankColumns& c : columns) out += header(c);
  out += '\n';
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const Design& d = report.designs[k];
    out += float_text(d.f_mhz);
    for (const TankColumns& c : columns) out += cells(c, d, k);
    out += '\n';
  }
  return load_range_csv(report, std::move(out));
}

}  // namespace plan
