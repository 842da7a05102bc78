// valvenet-plan choke: its command line, read by the main command line's
// parser with the command's own options, and its run.

#include "plan/cli/choke_command.hpp"

#include "plan/cli/inputs_block.hpp"
#include "plan/cli/option_values.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/choke_search_report.hpp"
#include "plan/write/outputs.hpp"

namespace plan {

namespace {

std::string choke_help(const PlanTexts& t) {
  const FeedTexts& f = t.feed;
  std::string out =
      paragraphs(f.choke_help_title) + '\n' + usage_lines(t, f.choke_help_usage, true) + '\n';
  for (const OptionId id : choke_command_options()) {
    const OptionSpec& o = option(id);
    std::string what(id == OptionId::format ? f.choke_help_format
                     : id == OptionId::lang ? t.help_lang_no_plot
                                            : t.*o.help);
    if (o.help_tells_range) what += "; " + describe(t, shown_range(o), unit_of(t, o));
    help_entry(out, o.name, placeholder_text(t, o), what);
  }
  return out + '\n' + paragraphs(f.choke_help_footer);
}

// The command's document: its starting values, bands and winding as typed
// (the main command's keys), the search's terms and the candidates.
doc::Block choke_document(const Options& o) {
  doc::Block root;
  root.layout = doc::Layout::none;
  root.present = {true};
  root.blocks.push_back(inputs_block(o, choke_command_options()));
  for (doc::Block& b : choke_search_blocks(choke_search_report(o))) {
    root.blocks.push_back(std::move(b));
  }
  return root;
}

std::string formatted(const doc::Block& root, Format format) {
  switch (format) {
    case Format::csv:
      return document_csv(root);
    case Format::json:
      return document_json(root);
    case Format::table:
      break;
  }
  return document_table(root, table_width());
}

}  // namespace

int run_choke(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Parsed p = parse_options(args, Command::choke);
  const PlanTexts& t = plan_texts(p.language);
  if (p.kind == Parsed::Kind::error) {
    for (const std::string& e : p.errors) err << t.program << e << '\n';
    err << t.program << t.feed.choke_see_help << '\n';
    return 2;
  }
  out << (p.kind == Parsed::Kind::help ? choke_help(t)
                                       : formatted(choke_document(p.options), p.options.format));
  out.flush();
  if (out) return 0;
  err << t.program << t.cannot_write_output << '\n';
  return 1;
}

}  // namespace plan
