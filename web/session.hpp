#pragma once

// What the page asks of the engine, as JSON texts in and out: the form, a
// recompute from the arguments of valvenet-plan, the plot of one frequency
// and the reading of a saved file. web/bridge.cpp hands these to the script.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/write/outputs.hpp"

namespace web {

// The design the page opens with when its address carries none: the
// README's example, on the ham bands.
inline const std::vector<std::string> kExampleArgs{
    "--p-out",  "400", "--e-supply",  "2500", "--r-load", "50",  "--exponent",  "1.5",
    "--angle",  "80",  "--q0",        "200",  "--u-min",  "250", "--filter-db", "45",
    "--c-tube", "12",  "--c-var-min", "8",    "--bands",  "ham"};

// lang: "ru" or "en"; any other is Russian, the program's default.
plan::Language language_of(std::string_view lang);

// {"lang", "page": {the page's texts}, "language": {the switch}, "groups":
// [{"heading", "fields": [{"name", "option", "unit", "label", "hint",
// "kind", "choices"}]}], "example": [arguments]}.
std::string form_json(std::string_view lang);

class Session {
 public:
  // args_json : a JSON array of strings, the arguments of valvenet-plan
  // width     : characters per line of the table shown
  // {"ok": true, "lang", "frequencies": [MHz as text], "html", "status",
  // "swr": bool} or {"ok": false, "lang", "errors": [{"field", "text"}]};
  // the files, the readable table and the charts of the design are asked
  // for on their own (file, table, plot, smith), and made only then.
  std::string compute(const std::string& args_json);

  // The readable table of the last good recompute, width characters a line
  // (clamped to the table's narrowest and widest); "" when there is none.
  std::string table(std::size_t width) const;

  // What valvenet-plan prints for the last good recompute in a format:
  // format : "json", "csv" or "table" (any other: ""); "" when there is none.
  std::string file(std::string_view format) const;

  // The response plot of the design at index of the last good recompute;
  // "" when there is none.
  std::string plot(std::size_t index) const;

  // The Smith chart of the design at index of the last good recompute; ""
  // when there is none or the recompute had no SWR.
  std::string smith(std::size_t index) const;

  // The loads of the Smith chart at index, in the order of its markers
  // (load-0, load-1, ...): [{"r", "x" ohm, "matched", "why", "c1", "c2" pF
  // (null unmatched)}]; "[]" when the chart has none.
  std::string loads(std::size_t index) const;

 private:
  std::optional<plan::PlanReport> last_;
};

// The values a file saved by valvenet-plan --format json (or the page) holds,
// read as --inputs reads them: {"errors": [texts], "values": {field name:
// [values as typed]}, "raise_q": bool}.
std::string open_inputs_json(const std::string& path, std::string_view lang);

}  // namespace web
