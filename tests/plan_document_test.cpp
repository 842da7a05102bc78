// The report document against its three formats: every entry of every
// block once in the CSV header, at its place in the JSON and with its label
// in the table, with the same shape in both languages; and every block of
// the table aligned by characters on the screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "plan/cli/options.hpp"
#include "plan/report/design_blocks.hpp"
#include "plan/report/json.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/write/outputs.hpp"
#include "plan_fixtures.hpp"

namespace {

using Args = std::vector<std::string>;

Args stage(const Args& more) {
  Args a{"--p-out",    "400", "--e-supply",  "2500", "--r-load",    "50",
         "--exponent", "1.5", "--angle",     "80",   "--q0",        "200",
         "--u-min",    "250", "--filter-db", "45",   "--c-var-min", "8"};
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

const Args kParts{"--coil-diameter", "50",  "--wire",     "2",      "--pitch", "4",
                  "--c1-max",        "250", "--c2-range", "20:1000"};
// The anode choke, calibrated in one run and not in the other.
const Args kChoke{"--choke-diameter", "25",  "--choke-wire",  "0.4",
                  "--choke-pitch",    "0.5", "--choke-turns", "150"};

// The runs: both networks, the parts, load circles, refused bands.
std::vector<Args> runs() {
  std::vector<Args> out;
  for (const char* network : {"pi", "pi-l"}) {
    Args parts = kParts;
    parts.insert(parts.end(), {"--network", network, "--swr", "2"});
    for (const Args& more : {Args{"--c-tube", "12", "--bands", "ham"},
                             Args{"--c-tube", "150", "--freq", "3.6", "7.1", "14.15"}}) {
      Args a = parts;
      a.insert(a.end(), more.begin(), more.end());
      out.push_back(stage(a));
      a.insert(a.end(), kChoke.begin(), kChoke.end());
      if (more[1] == "12") a.insert(a.end(), {"--choke-series-mhz", "17.5"});
      out.push_back(stage(a));
    }
  }
  return out;
}

plan::PlanReport report_of(const Args& args) {
  const plan::Parsed p = plan::parse_options(args);
  EXPECT_EQ(p.kind, plan::Parsed::Kind::run);
  return plan::make_report(p.options);
}

// Every entry's CSV column, JSON path (its blocks' keys, its group and key,
// in column 0) and table label.
struct Shape {
  std::vector<std::string> columns;
  std::set<std::string> paths;
  std::vector<std::string> labels;
};

void walk(const plan::doc::Block& b, const std::string& path, Shape& s) {
  const std::string here =
      (b.key.empty() ? path : path + '/' + std::string(b.key)) + (b.rows ? "/0" : "");
  for (const plan::doc::Entry& e : b.entries) {
    if (!e.column.empty()) s.columns.push_back(e.column);
    if (b.json && !e.key.empty()) {
      s.paths.insert(here + (e.group.empty() ? "" : '/' + std::string(e.group)) + '/' +
                     std::string(e.key));
    }
    if (!e.label.empty() && e.kind != plan::doc::Kind::texts) s.labels.push_back(e.label);
  }
  for (const plan::doc::Block& c : b.blocks) walk(c, here, s);
}

// The JSON member at a path like /designs/0/pi_l/results/c2_pf.
bool has(const plan::Json& doc, const std::string& path) {
  const plan::Json* at = &doc;
  std::size_t from = 1;
  while (from <= path.size()) {
    const std::size_t end = std::min(path.find('/', from), path.size());
    const std::string part = path.substr(from, end - from);
    if (at->is_array()) {
      at = &(*at)[std::stoul(part)];
    } else if (at->is_object() && at->contains(part)) {
      at = &(*at)[part];
    } else {
      return at->is_null();  // a block or group that is null in this column
    }
    from = end + 1;
  }
  return true;
}

TEST(PlanDocument, EveryEntryOnceInEachFormatAndTheSameShapeInBothLanguages) {
  for (const Args& run : runs()) {
    std::map<std::string, Shape> shapes;
    for (const char* lang : {"ru", "en"}) {
      Args args = run;
      args.insert(args.end(), {"--lang", lang});
      const plan::PlanReport r = report_of(args);
      Shape s;
      walk(plan::report_document(r), "", s);
      const std::string csv = plan::csv_report(r);
      const std::string header = ',' + csv.substr(0, csv.find('\n')) + ',';
      for (const std::string& c : s.columns) {
        EXPECT_EQ(header.find(',' + c + ','), header.rfind(',' + c + ',')) << c;
        EXPECT_NE(header.find(',' + c + ','), std::string::npos) << c;
      }
      const plan::Json doc = plan::Json::parse(plan::json_report(r));
      for (const std::string& p : s.paths) EXPECT_TRUE(has(doc, p)) << p;
      const std::string table = plan::table_report(r);
      for (const std::string& l : s.labels) EXPECT_NE(table.find(l), std::string::npos) << l;
      shapes[lang] = s;
    }
    EXPECT_EQ(shapes["ru"].columns, shapes["en"].columns);
    EXPECT_EQ(shapes["ru"].paths, shapes["en"].paths);
    EXPECT_EQ(shapes["ru"].labels.size(), shapes["en"].labels.size());
  }
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
    out.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return out;
}

// Where a row's value ends, in characters: the first word after the first
// run of two blanks past the indent, when it is a number or a dash; 0 for a
// line that is no row.
std::size_t value_end(const std::string& line) {
  const std::size_t gap = line.find("  ", 3);
  if (line.rfind("   ", 0) != 0 || gap == std::string::npos) return 0;
  const std::size_t start = line.find_first_not_of(' ', gap);
  if (start == std::string::npos) return 0;
  const std::size_t end = std::min(line.find(' ', start), line.size());
  const std::string word = line.substr(start, end - start);
  const bool number = word == "—" || word.find_first_not_of("0123456789.-") == std::string::npos;
  return number ? plan::display_width(line.substr(0, end)) : 0;
}

// Each run of lines between blank lines is a block: the rows of a list end
// their values in the same column, the rows of a range have their "to" in
// the same column (a grid's cells are of one width by construction).
void expect_aligned(const std::string& table, const std::string& to) {
  std::vector<std::string> block;
  const auto check = [&] {
    std::set<std::size_t> ends, tos;
    for (const std::string& l : block) {
      if (const std::size_t e = value_end(l)) ends.insert(e);
      const std::size_t at = l.find(to);
      if (at != std::string::npos) tos.insert(plan::display_width(l.substr(0, at)));
    }
    EXPECT_LE(ends.size(), 1u) << block.front();
    EXPECT_LE(tos.size(), 1u) << block.front();
    block.clear();
  };
  for (const std::string& l : lines_of(table)) {
    if (l.empty()) {
      if (!block.empty()) check();
      continue;
    }
    // A sentence (a warning, a heading, a note) is no row.
    if (l.find("  ", 3) == std::string::npos || l.find(": ") != std::string::npos) continue;
    block.push_back(l);
  }
  if (!block.empty()) check();
}

TEST(PlanDocument, EveryBlockOfTheTableIsAlignedByCharacters) {
  for (const Args& run : runs()) {
    for (const char* lang : {"ru", "en"}) {
      SCOPED_TRACE(lang);
      Args args = run;
      args.insert(args.end(), {"--lang", lang});
      const plan::PlanReport r = report_of(args);
      expect_aligned(plan::table_report(r), lang == std::string("ru") ? "  до " : "  to ");
    }
  }
  for (const char* lang : {"ru", "en"}) {
    const auto coil =
        testing_support::run_plan({"coil", "--coil-diameter", "75", "--wire", "2.5", "--pitch", "5",
                                   "--turns", "13", "--freq", "7.1", "35", "--lang", lang});
    ASSERT_EQ(coil.status, 0) << coil.err;
    expect_aligned(coil.out, "\t");
  }
}

}  // namespace
