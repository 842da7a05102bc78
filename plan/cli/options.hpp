#pragma once

// The command line of valvenet-plan, parsed with CLI11 and checked against
// the dialog's ranges; every message is the program's own (plan/texts.hpp); the options
// themselves are described once, in plan/option_table.hpp.

#include <string>
#include <vector>

#include "plan/cli/saved.hpp"
#include "plan/report/settings.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

enum class Format { table, csv, json };

// The settings of the run and how it is written out.
struct Options : Settings {
  Format format = Format::table;
  std::string plot_path;   // empty: no plot
  std::string smith_path;  // --smith: empty for none
};

// The amateur bands of --bands ham, MHz.
inline const std::vector<float> kHamBands{1.85f, 3.6f,  7.1f,   10.12f, 14.15f,
                                          18.1f, 21.2f, 24.93f, 28.5f,  50.1f};

// What parsing the command line came to.
struct Parsed {
  enum class Kind { run, help, error };
  Kind kind = Kind::error;
  Options options;                   // kind run
  std::string help;                  // kind help: the text for standard output
  std::vector<std::string> errors;   // kind error: one line each, naming the option
  Language language = Language::ru;  // of the help and the errors
};

// The commands that read a command line of this kind: the plan itself and
// valvenet-plan choke, which takes the stage's values and bands too.
enum class Command { plan, choke };

// args : the arguments after the program name (after "choke" for the choke
// command), as typed;  command : whose options they are (the help text is
// the plan's only)
Parsed parse_options(const std::vector<std::string>& args, Command command = Command::plan);

// Every key the JSON "inputs" object may hold, with the option it stands
// for: what --inputs reads, and what a page reads a saved file with.
std::vector<SavedKey> saved_keys();

// The text of --help.
std::string help_text(const PlanTexts& t = kRussianTexts);

// A text of the help, its paragraphs (parted by an empty line) each set
// within the help's width, each line ended.
// text : paragraphs of words
std::string paragraphs(std::string_view text);

// Usage lines, one per line of `lines` (each a command line), each set
// within the help's width; the first after "Usage: " when `first`, the rest
// under it.
// t : the texts of the language;  lines : command lines, one per line
std::string usage_lines(const PlanTexts& t, std::string_view lines, bool first);

}  // namespace plan
