// valvenet-plan coil: its command line, read with the main command line's
// option entries, limits and messages, and its run.

#include "plan/cli/coil_command.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>

#include "plan/cli/option_values.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/coil_calculator.hpp"
#include "plan/write/outputs.hpp"

namespace plan {

namespace {

using O = OptionId;

// The options of the sub-command, in the order of its --help.
constexpr std::array<O, 8> kCoilOptions{O::coil_diameter, O::wire,   O::pitch, O::turns,
                                        O::freq,          O::format, O::lang,  O::help};
// The winding's sizes and the turns: each required, one number.
constexpr std::array<O, 4> kCoilNumbers{O::coil_diameter, O::wire, O::pitch, O::turns};

enum class CoilFormat { table, csv, json };

struct CoilParsed {
  enum class Kind { run, help, error } kind = Kind::error;
  CoilInputs inputs;
  CoilFormat format = CoilFormat::table;
  Language language = Language::ru;
  std::vector<std::string> errors;
};

struct CoilCollected {
  std::array<std::vector<std::string>, kOptionCount> values;
  std::array<CLI::Option*, kOptionCount> options{};
  Given given(O id) const {
    const auto i = static_cast<std::size_t>(id);
    return {options[i]->count(), values[i], std::string(option(id).name)};
  }
};

void declare(CLI::App& app, CoilCollected& c) {
  app.set_help_flag();
  app.allow_extras();
  for (const O id : kCoilOptions) {
    const OptionSpec& o = option(id);
    const auto i = static_cast<std::size_t>(id);
    if (o.kind == OptionKind::flag) {
      c.options[i] = app.add_flag(std::string(o.name) + ",-h", c.values[i]);
    } else {
      c.options[i] = app.add_option(std::string(o.name), c.values[i])
                         ->expected(0, o.most)
                         ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
  }
}

// The place among its choices of a word option's value, when it was given.
std::optional<std::size_t> choice(const PlanTexts& t, const CoilCollected& c, O id,
                                  std::vector<std::string>& errors) {
  return choice_of(t, option(id), c.given(id), errors);
}

// A required option, or the message that it is missing.
bool required(const PlanTexts& t, const Given& g, const OptionSpec& o,
              std::vector<std::string>& errors) {
  if (g.count == 0) errors.push_back(fill(t.missing, {o.name, expected_text(t, o)}));
  return g.count > 0;
}

void read_values(const PlanTexts& t, const CoilCollected& c, CoilParsed& p) {
  std::array<std::optional<float>, kCoilNumbers.size()> v{};
  for (std::size_t k = 0; k < kCoilNumbers.size(); ++k) {
    const OptionSpec& o = option(kCoilNumbers[k]);
    const Given g = c.given(o.id);
    if (!required(t, g, o, p.errors)) continue;
    if (const auto text = single(t, g, expected_text(t, o), p.errors)) {
      v[k] = checked(t, g.label, *text, o, p.errors);
    }
  }
  const OptionSpec& freq = option(O::freq);
  const Given g = c.given(O::freq);
  if (required(t, g, freq, p.errors)) {
    if (g.values.empty() || std::find(g.values.begin(), g.values.end(), "") != g.values.end()) {
      p.errors.push_back(fill(t.no_value, {g.label, expected_text(t, freq)}));
    }
    for (const std::string& text : g.values) {
      if (text.empty()) continue;
      if (const auto f = checked(t, g.label, text, freq, p.errors)) p.inputs.f_mhz.push_back(*f);
    }
  }
  if (v[3]) p.inputs.turns = *v[3];
  if (!v[0] || !v[1] || !v[2]) return;
  if (const auto sizes = coil_sizes(t, *v[0], *v[1], *v[2], p.errors)) p.inputs.coil = *sizes;
}

CoilParsed parse_coil(const std::vector<std::string>& args) {
  CLI::App app;
  CoilCollected c;
  declare(app, c);
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  CoilParsed p;
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError&) {
    p.errors.emplace_back(kRussianTexts.bad_arguments);
    return p;
  }
  constexpr std::array<Language, 2> kLanguages{Language::ru, Language::en};
  if (const auto l = choice(kRussianTexts, c, O::lang, p.errors)) p.language = kLanguages[*l];
  const PlanTexts& t = plan_texts(p.language);
  if (c.given(O::help).count > 0) {
    p.kind = CoilParsed::Kind::help;
    return p;
  }
  for (const std::string& arg : app.remaining()) {
    const bool dash = arg.size() > 1 && arg.front() == '-';
    p.errors.push_back(dash ? fill(t.unknown_option, {arg.substr(0, arg.find('='))})
                            : fill(t.stray, {arg}));
  }
  read_values(t, c, p);
  constexpr std::array<CoilFormat, 3> kFormats{CoilFormat::table, CoilFormat::csv,
                                               CoilFormat::json};
  if (const auto f = choice(t, c, O::format, p.errors)) p.format = kFormats[*f];
  p.kind = p.errors.empty() ? CoilParsed::Kind::run : CoilParsed::Kind::error;
  return p;
}

std::string coil_help(const PlanTexts& t) {
  std::string out = paragraphs(t.coil.coil_help_title) + '\n' +
                    usage_lines(t, t.coil.coil_help_usage, true) + '\n';
  for (const O id : kCoilOptions) {
    const OptionSpec& o = option(id);
    std::string what(id == O::format ? t.coil.coil_help_format
                     : id == O::lang ? t.help_lang_no_plot
                                     : t.*o.help);
    if (o.help_tells_range) what += "; " + describe(t, shown_range(o), unit_of(t, o));
    help_entry(out, o.name, placeholder_text(t, o), what);
  }
  return out + '\n' + paragraphs(t.coil.coil_help_footer);
}

// The calculator's document: the winding, the turns and the frequencies as
// typed (the main command's keys), then the coils.
doc::Block coil_document(const CoilReport& r) {
  doc::Block root;
  root.layout = doc::Layout::none;
  root.present = {true};
  doc::Block inputs;
  inputs.key = "inputs";
  inputs.layout = doc::Layout::none;
  inputs.present = {true};
  const auto number = [&](OptionId id, float v) {
    doc::Entry e = doc::entry(option(id).key, "", "", "", 0, doc::Kind::number);
    e.wide = true;
    doc::Value value;
    value.number = typed_number(v);
    e.values.push_back(value);
    inputs.entries.push_back(std::move(e));
  };
  const CoilOptions& c = r.inputs.coil;
  number(OptionId::coil_diameter, c.diameter_mm);
  number(OptionId::wire, c.wire_mm);
  number(OptionId::pitch, c.pitch_mm);
  number(OptionId::turns, r.inputs.turns);
  doc::Entry f = doc::entry(option(OptionId::freq).key, "", "", "", 0, doc::Kind::numbers);
  f.wide = true;
  f.values.emplace_back();
  for (const float v : r.inputs.f_mhz) f.values.back().numbers.push_back(typed_number(v));
  inputs.entries.push_back(std::move(f));
  root.blocks.push_back(std::move(inputs));
  root.blocks.push_back(coils_block(r));
  return root;
}

}  // namespace

int run_coil(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const CoilParsed p = parse_coil(args);
  const PlanTexts& t = plan_texts(p.language);
  if (p.kind == CoilParsed::Kind::error) {
    for (const std::string& e : p.errors) err << t.program << e << '\n';
    err << t.program << t.coil.coil_see_help << '\n';
    return 2;
  }
  if (p.kind == CoilParsed::Kind::help) {
    out << coil_help(t);
  } else {
    const doc::Block root = coil_document(coil_report(p.inputs, p.language));
    switch (p.format) {
      case CoilFormat::table:
        out << document_table(root, kTableWidth);
        break;
      case CoilFormat::csv:
        out << document_csv(root);
        break;
      case CoilFormat::json:
        out << document_json(root);
        break;
    }
  }
  out.flush();
  if (out) return 0;
  err << t.program << t.cannot_write_output << '\n';
  return 1;
}

}  // namespace plan
