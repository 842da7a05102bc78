#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/design_blocks.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/write/json_text.hpp"
#include "plan/write/outputs.hpp"

// The CSV: a row per column of the designs' block, a cell per entry that has
// a CSV column, the entries of a group together where its first entry
// stands, then the cells of each block of its own in turn.

namespace plan {

namespace {

// The shortest text that reads back as the same double, as the JSON has it.
std::string double_text(double v) {
  std::string text;
  JsonText(text, 0).number(v);
  return text;
}

// The entries with columns, in the CSV's order.
std::vector<const doc::Entry*> csv_entries(const doc::Block& b) {
  std::vector<const doc::Entry*> out;
  std::vector<std::string_view> done;
  for (const doc::Entry& e : b.entries) {
    if (e.group.empty()) {
      if (!e.column.empty()) out.push_back(&e);
      continue;
    }
    bool seen = false;
    for (const std::string_view g : done) seen = seen || g == e.group;
    if (seen) continue;
    done.push_back(e.group);
    for (const doc::Entry& m : b.entries) {
      if (m.group == e.group && !m.column.empty()) out.push_back(&m);
    }
  }
  return out;
}

void header(std::string& out, const doc::Block& b) {
  for (const doc::Entry* e : csv_entries(b)) {
    out += out.empty() ? "" : ",";
    out += e->column;
    if (e->kind == doc::Kind::extreme) out += ',' + e->column + "_load";
  }
  for (const doc::Block& c : b.blocks) {
    if (c.columns() == b.columns()) header(out, c);
  }
}

std::string cell(const doc::Entry& e, const doc::Value& v) {
  switch (e.kind) {
    case doc::Kind::text:
      return v.text;
    case doc::Kind::count:
      return v.known() ? std::to_string(static_cast<long long>(v.number)) : std::string();
    case doc::Kind::number:
    case doc::Kind::extreme:
      if (!v.known() || v.absent) return {};
      return e.wide ? double_text(v.number) : float_text(doc::as_float(v));
    case doc::Kind::flag:
      return v.known() ? (v.number != 0.0 ? "1" : "0") : std::string();
    case doc::Kind::texts:
    case doc::Kind::object:
    case doc::Kind::numbers:
      return {};
  }
  return {};
}

// The cells of column k, each after its comma (the row's first without).
void row(std::string& out, const doc::Block& b, std::size_t k, bool first) {
  const bool present = b.present[k];
  for (const doc::Entry* e : csv_entries(b)) {
    if (!first) out += ',';
    first = false;
    if (present) out += cell(*e, e->values[k]);
    if (e->kind != doc::Kind::extreme) continue;
    out += ',';
    if (present && e->values[k].at >= 0) out += std::to_string(e->values[k].at);
  }
  for (const doc::Block& c : b.blocks) {
    if (c.columns() == b.columns()) row(out, c, k, false);
  }
}

}  // namespace

namespace {

// The document's first block whose columns are rows.
const doc::Block* rows_of(const doc::Block& b) {
  if (b.rows) return &b;
  for (const doc::Block& c : b.blocks) {
    if (const doc::Block* r = rows_of(c)) return r;
  }
  return nullptr;
}

}  // namespace

std::string csv_report(const PlanReport& report) {
  return document_csv(report_document(report));
}

std::string document_csv(const doc::Block& root) {
  const doc::Block* grid = rows_of(root);
  std::string out;
  if (grid == nullptr) return out;
  header(out, *grid);
  out += '\n';
  for (std::size_t k = 0; k < grid->columns(); ++k) {
    row(out, *grid, k, true);
    out += '\n';
  }
  return out;
}

}  // namespace plan
