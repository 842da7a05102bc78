#include "web/session.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "plan/cli/app.hpp"
#include "plan/cli/options.hpp"
#include "plan/cli/saved.hpp"
#include "plan/draw/plot.hpp"
#include "plan/draw/smith_page.hpp"
#include "plan/report/design_blocks.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/write/html_writer.hpp"
#include "web/form.hpp"
#include "web/messages.hpp"
#include "web/texts_en.hpp"
#include "web/texts_ru.hpp"

namespace web {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kEnglish = "en";

const PageTexts& page_texts(plan::Language language) {
  return language == plan::Language::en ? kEnglishPage : kRussianPage;
}

// The form in a language, built once: every recompute names its fields by it.
const std::vector<Group>& form_in(plan::Language language) {
  static const std::vector<Group> russian =
      form_of(plan::plan_texts(plan::Language::ru), kRussianPage);
  static const std::vector<Group> english =
      form_of(plan::plan_texts(plan::Language::en), kEnglishPage);
  return language == plan::Language::en ? english : russian;
}

std::string_view language_code(plan::Language language) {
  return language == plan::Language::en ? "en" : "ru";
}

std::string_view kind_name(Kind kind) {
  switch (kind) {
    case Kind::values:
      return "values";
    case Kind::choice:
      return "choice";
    case Kind::flag:
      return "flag";
    case Kind::bands:
      return "bands";
    case Kind::value:
      break;
  }
  return "value";
}

Json field_json(const Field& f) {
  Json choices = Json::array();
  for (const Choice& c : f.choices) choices.push_back({{"value", c.value}, {"label", c.label}});
  Json bands = Json::array();
  for (const BandChoice& b : f.bands) {
    bands.push_back({{"metres", b.metres}, {"f_mhz", b.f_mhz}, {"hf", b.hf}});
  }
  Json out = {
      {"name", f.name},     {"option", f.option},   {"unit", f.unit}, {"label", f.label},
      {"range", f.range},   {"typical", f.typical}, {"help", f.help}, {"kind", kind_name(f.kind)},
      {"choices", choices}, {"needs", f.needs},     {"bands", bands}};
  if (!f.shown_with.field.empty()) {
    out["shown_with"] = {{"field", f.shown_with.field}, {"value", f.shown_with.value}};
  }
  return out;
}

Json page_json(const PageTexts& p) {
  return {{"title", p.title},
          {"intro", p.intro},
          {"form", p.form},
          {"language", p.language},
          {"results", p.results},
          {"table", p.table},
          {"plot", p.plot},
          {"plot_at", p.plot_at},
          {"json", p.json},
          {"compute_ms", p.compute_ms},
          {"errors", p.errors},
          {"not_current", p.not_current},
          {"loading", p.loading},
          {"save_json", p.save_json},
          {"save_csv", p.save_csv},
          {"save_table", p.save_table},
          {"save_svg", p.save_svg},
          {"open_json", p.open_json},
          {"opened", p.opened},
          {"command_line", p.command_line},
          {"copy_command", p.copy_command},
          {"copy_link", p.copy_link},
          {"filled_from_example", p.filled_from_example},
          {"smith", p.smith},
          {"smith_at", p.smith_at},
          {"help", p.help},
          {"metre", p.metre},
          {"all_hf", p.all_hf},
          {"all_bands", p.all_bands},
          {"q0_number", p.q0_number},
          {"smith_load", p.smith_load},
          {"smith_matched", p.smith_matched},
          {"smith_unmatched", p.smith_unmatched}};
}

// The arguments from their JSON array; none when it is not one of strings.
std::vector<std::string> arguments_of(const std::string& args_json) {
  const Json args = Json::parse(args_json, nullptr, false);
  std::vector<std::string> out;
  if (!args.is_array()) return out;
  for (const Json& a : args) {
    if (a.is_string()) out.push_back(a.get<std::string>());
  }
  return out;
}

Json errors_json(const std::vector<std::string>& errors, plan::Language language) {
  const plan::PlanTexts& t = plan::plan_texts(language);
  const PageTexts& page = page_texts(language);
  const std::vector<Group>& form = form_in(language);
  Json out = Json::array();
  for (const std::string& e : errors) {
    const PageMessage m = page_message(e, t, page, form);
    out.push_back({{"field", m.field}, {"text", m.text}});
  }
  return out;
}

}  // namespace

plan::Language language_of(std::string_view lang) {
  return lang == kEnglish ? plan::Language::en : plan::Language::ru;
}

std::string form_json(std::string_view lang) {
  const plan::Language language = language_of(lang);
  const plan::PlanTexts& t = plan::plan_texts(language);
  const PageTexts& page = page_texts(language);
  Json groups = Json::array();
  for (const Group& g : form_in(language)) {
    Json fields = Json::array();
    for (const Field& f : g.fields) fields.push_back(field_json(f));
    groups.push_back({{"heading", g.heading}, {"fields", fields}});
  }
  const Json out = {{"lang", language_code(language)},
                    {"page", page_json(page)},
                    {"language", field_json(language_field(t, page))},
                    {"groups", groups},
                    {"example", kExampleArgs}};
  return out.dump();
}

namespace {

// The short status a screen reader announces after a recompute.
std::string status_of(const plan::PlanReport& r, const PageTexts& page) {
  std::size_t warnings = 0;
  for (const plan::Design& d : r.designs) {
    if (d.completed()) warnings += d.record.warnings.size();
  }
  return plan::fill(page.status, {std::to_string(r.designs.size()),
                                  std::to_string(r.summary.refused), std::to_string(warnings)});
}

}  // namespace

std::string Session::compute(const std::string& args_json) {
  const plan::Parsed parsed = plan::parse_options(arguments_of(args_json));
  const plan::PlanTexts& t = plan::plan_texts(parsed.language);
  Json out = {{"ok", parsed.kind == plan::Parsed::Kind::run},
              {"lang", language_code(parsed.language)}};
  const PageTexts& page = page_texts(parsed.language);
  if (parsed.kind != plan::Parsed::Kind::run) {
    out["errors"] = errors_json(parsed.errors, parsed.language);
    return out.dump();
  }
  last_ = plan::make_report(parsed.options);
  Json frequencies = Json::array();
  for (const float f : parsed.options.f_mhz) frequencies.push_back(plan::float_text(f));
  out["frequencies"] = frequencies;
  out["swr"] = last_->swr.has_value();
  const plan::HtmlTexts html{[&](const plan::doc::Block& b, std::size_t) -> std::string_view {
    if (b.key == "inputs") return page.form;
    if (b.key == "designs") return page.all_results;
    if (b.key == "summary") return page.totals;
    return b.heading;
  }};
  out["html"] = page_words(plan::document_html(plan::report_document(*last_), html), t, page,
                           form_in(parsed.language));
  out["status"] = status_of(*last_, page);
  return out.dump();
}

std::string Session::file(std::string_view format) const {
  if (!last_) return {};
  if (format == "json") return plan::json_report(*last_);
  if (format == "csv") return plan::csv_report(*last_);
  if (format == "table") return plan::table_report(*last_, plan::kTableWidth);
  return {};
}

std::string Session::table(std::size_t width) const {
  if (!last_) return {};
  return plan::table_report(*last_, std::clamp(width, plan::kNarrowestTable, plan::kWidestTable));
}

std::string Session::loads(std::size_t index) const {
  Json out = Json::array();
  if (!last_ || !last_->swr || index >= last_->designs.size()) return out.dump();
  // The chart's network: the report's last, the Pi-L when it has one.
  const plan::TankOutputs tank = plan::tank_outputs(*last_).back();
  const std::optional<plan::NetworkLoadRange>& range =
      last_->load_ranges.at(index).*tank.circles->circle;
  if (!range) return out.dump();
  const PageTexts& page = page_texts(last_->language);
  for (const plan::LoadPoint& p : range->range.points) {
    const bool matched = p.matched();
    out.push_back({{"r", p.r_ohm},
                   {"x", p.x_ohm},
                   {"matched", matched},
                   {"why", page.load_reasons.at(static_cast<std::size_t>(p.reason))},
                   {"c1", matched ? Json(p.c1_total_pf) : Json()},
                   {"c2", matched ? Json(p.c2_pf) : Json()}});
  }
  return out.dump();
}

std::string Session::plot(std::size_t index) const {
  if (!last_ || index >= last_->designs.size()) return {};
  return plan::plot_svg(last_->designs[index], plan::plan_texts(last_->language));
}

std::string Session::smith(std::size_t index) const {
  if (!last_ || !last_->swr || index >= last_->designs.size()) return {};
  return plan::smith_page(*last_, index, plan::plan_texts(last_->language));
}

std::string open_inputs_json(const std::string& path, std::string_view lang) {
  const plan::PlanTexts& t = plan::plan_texts(language_of(lang));
  const plan::Saved saved = plan::read_saved(path, plan::saved_keys(), t);
  Json errors = Json::array();
  for (const Json& e : errors_json(saved.errors, language_of(lang))) {
    errors.push_back(e["text"]);
  }
  Json values = Json::object();
  for (const auto& [option, value] : saved.by_option) {
    values[option.substr(option.find_first_not_of('-'))] = value.values;
  }
  const Json out = {{"errors", errors}, {"values", values}, {"raise_q", saved.raise_q}};
  return out.dump();
}

}  // namespace web
