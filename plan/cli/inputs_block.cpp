#include "plan/cli/inputs_block.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "plan/cli/option_table.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

using doc::Entry;
using doc::Kind;
using doc::single;
using doc::Value;

constexpr int kInputDecimals = 2;  // the starting values in the table

// The settings of the run the report was made by.
Settings settings_of(const PlanReport& report) {
  Settings s;
  s.inputs = report.inputs;
  for (const Design& d : report.designs) s.f_mhz.push_back(d.f_mhz);
  s.raise_q = report.raise_q;
  s.q0_coil = report.q0_coil;
  s.network = report.network;
  s.r_mid = report.r_mid;
  s.parts = report.parts_options;
  s.language = report.language;
  s.swr = report.swr;
  return s;
}

// Each kept option of the command by its key: a number, a list of numbers or a word.
void kept_entries(doc::Block& b, const Settings& settings, std::span<const OptionId> only) {
  for (const OptionSpec* o : kept_options()) {
    if (!only.empty() && std::find(only.begin(), only.end(), o->id) == only.end()) continue;
    const std::optional<Kept> kept = o->kept(settings);
    if (!kept) continue;
    Value v;
    Kind kind = Kind::numbers;
    if (o->kind == OptionKind::word || !kept->word.empty()) {
      kind = Kind::text;
      v.text = kept->word;
    } else if (o->kind == OptionKind::number) {
      kind = Kind::number;
      v.number = static_cast<double>(kept->numbers.front());
    } else {
      for (const float x : kept->numbers) v.numbers.push_back(static_cast<double>(x));
    }
    Entry e = doc::entry(o->key, "", "", "", 0, kind);
    e.values.push_back(std::move(v));
    b.entries.push_back(std::move(e));
  }
}

Entry shown(std::string label, double number, std::string word = {}) {
  Entry e = doc::entry("", "", "", std::move(label), kInputDecimals,
                       word.empty() ? Kind::number : Kind::text);
  Value v;
  v.number = number;
  v.text = std::move(word);
  e.values.push_back(std::move(v));
  return e;
}

// The table's two columns of starting values (the report's labels).
doc::Block columns(const Settings& settings) {
  const PlanTexts& t = plan_texts(settings.language);
  const TypedInputs& in = settings.inputs;
  doc::Block pairs = single("", doc::Layout::pairs);
  pairs.json = false;
  pairs.heading = t.inputs_heading;
  doc::Block left = single("", doc::Layout::none);
  const std::array<float, 6> l{in.p_out,  in.e_supply,  in.u_min,
                               in.c_tube, in.c_var_min, in.tube_exponent};
  for (std::size_t i = 0; i < l.size(); ++i) {
    left.entries.push_back(shown(bare_label(t.inputs_left[i]), static_cast<double>(l[i])));
  }
  doc::Block right = single("", doc::Layout::none);
  const std::array<float, 4> r{in.r_load, in.filter_db, in.q_unloaded, in.cutoff_deg};
  for (std::size_t i = 0; i < r.size(); ++i) {
    // With Q0 from the coil each band has its own Q0, in its row of the grid.
    const bool coil_q0 = settings.q0_coil && &r[i] == &r[2];
    right.entries.push_back(shown(bare_label(t.inputs_right[i + 1]), static_cast<double>(r[i]),
                                  coil_q0 ? std::string(t.q0_from_coil) : std::string()));
  }
  pairs.blocks.push_back(std::move(left));
  pairs.blocks.push_back(std::move(right));
  return pairs;
}

}  // namespace

doc::Block inputs_block(const PlanReport& report) {
  return inputs_block(settings_of(report), {});
}

doc::Block inputs_block(const Settings& settings, std::span<const OptionId> only) {
  const PlanTexts& t = plan_texts(settings.language);
  doc::Block b = single("inputs", doc::Layout::none);
  kept_entries(b, settings, only);
  b.blocks.push_back(columns(settings));
  doc::Block raise = single("", doc::Layout::lines);
  raise.json = false;
  raise.heading =
      std::string(t.raise_q_line) + std::string(settings.raise_q ? t.raise_q_yes : t.raise_q_no);
  b.blocks.push_back(std::move(raise));
  return b;
}

}  // namespace plan
