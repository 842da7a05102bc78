#include "web/session.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "plan/cli/app.hpp"
#include "plan/cli/options.hpp"
#include "plan/cli/saved.hpp"
#include "plan/draw/plot.hpp"
#include "plan/draw/smith_page.hpp"
#include "plan/report/design_blocks.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/write/html_writer.hpp"
#include "web/form.hpp"
#include "web/texts_en.hpp"
#include "web/texts_ru.hpp"

namespace web {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kEnglish = "en";

const PageTexts& page_texts(plan::Language language) {
  return language == plan::Language::en ? kEnglishPage : kRussianPage;
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
    case Kind::value:
      break;
  }
  return "value";
}

Json field_json(const Field& f) {
  return {{"name", f.name}, {"option", f.option},        {"unit", f.unit},      {"label", f.label},
          {"hint", f.hint}, {"kind", kind_name(f.kind)}, {"choices", f.choices}};
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
          {"filled_from_example", p.filled_from_example}};
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

Json errors_json(const std::vector<std::string>& errors, const std::vector<Group>& form) {
  Json out = Json::array();
  for (const std::string& e : errors) out.push_back({{"field", field_named(e, form)}, {"text", e}});
  return out;
}

}  // namespace

plan::Language language_of(std::string_view lang) {
  return lang == kEnglish ? plan::Language::en : plan::Language::ru;
}

std::string form_json(std::string_view lang) {
  const plan::Language language = language_of(lang);
  const plan::PlanTexts& t = plan::plan_texts(language);
  Json groups = Json::array();
  for (const Group& g : form_of(t)) {
    Json fields = Json::array();
    for (const Field& f : g.fields) fields.push_back(field_json(f));
    groups.push_back({{"heading", g.heading}, {"fields", fields}});
  }
  const Json out = {{"lang", language_code(language)},
                    {"page", page_json(page_texts(language))},
                    {"language", field_json(language_field(t))},
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

std::string Session::compute(const std::string& args_json, std::size_t width) {
  const plan::Parsed parsed = plan::parse_options(arguments_of(args_json));
  const plan::PlanTexts& t = plan::plan_texts(parsed.language);
  Json out = {{"ok", parsed.kind == plan::Parsed::Kind::run},
              {"lang", language_code(parsed.language)}};
  if (parsed.kind != plan::Parsed::Kind::run) {
    out["errors"] = errors_json(parsed.errors, form_of(t));
    return out.dump();
  }
  last_ = plan::make_report(parsed.options);
  Json frequencies = Json::array();
  for (const float f : parsed.options.f_mhz) frequencies.push_back(plan::float_text(f));
  out["frequencies"] = frequencies;
  const std::size_t shown = std::clamp(width, plan::kNarrowestTable, plan::kWidestTable);
  out["table"] = plan::table_report(*last_, shown);
  const PageTexts& page = page_texts(parsed.language);
  const plan::HtmlTexts html{[&](const plan::doc::Block& b, std::size_t) -> std::string_view {
    if (b.key == "inputs") return page.form;
    if (b.key == "designs") return page.all_results;
    if (b.key == "summary") return page.totals;
    return b.heading;
  }};
  out["html"] = plan::document_html(plan::report_document(*last_), html);
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

std::string Session::plot(std::size_t index) const {
  if (!last_ || index >= last_->designs.size()) return {};
  return plan::plot_svg(last_->designs[index], plan::plan_texts(last_->language));
}

std::string Session::smith(std::size_t index) const {
  if (!last_ || !last_->swr || index >= last_->designs.size()) return {};
  return plan::smith_page(*last_, index, plan::plan_texts(last_->language));
}

std::string open_inputs_json(const std::string& path, std::string_view lang) {
  const plan::Saved saved =
      plan::read_saved(path, plan::saved_keys(), plan::plan_texts(language_of(lang)));
  Json values = Json::object();
  for (const auto& [option, value] : saved.by_option) {
    values[option.substr(option.find_first_not_of('-'))] = value.values;
  }
  const Json out = {{"errors", saved.errors}, {"values", values}, {"raise_q", saved.raise_q}};
  return out.dump();
}

}  // namespace web
