#include "plan/write/document_table.hpp"

#include <algorithm>
#include <vector>

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/write/cells.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

// The indent of a block's rows under its title.
constexpr std::string_view kIndent = "   ";

std::string cell(const doc::Entry& e, const doc::Value& v, std::size_t width = kCell) {
  return cell_text(e, v, width);
}

std::size_t label_width(const doc::Block& b) {
  std::size_t width = 0;
  for (const doc::Entry& e : b.entries) width = std::max(width, display_width(e.label));
  return width;
}

// Columns [first, last) of a grid, a row per labelled entry.
void grid_rows(std::string& out, const doc::Block& b, std::size_t width, std::size_t first,
               std::size_t last) {
  for (const doc::Entry& e : b.entries) {
    if (e.label.empty() || e.kind == doc::Kind::texts) continue;
    out += ' ' + pad_right(e.label, width) + "  ";
    for (std::size_t k = first; k < last; ++k) out += cell(e, e.values[k]);
    out += '\n';
  }
}

void grid(std::string& out, const doc::Block& b, std::size_t width) {
  if (!b.heading.empty()) out += ' ' + b.heading + "\n\n";
  const std::size_t labels = label_width(b);
  const std::size_t label_column = labels + 3;
  const std::size_t per_block =
      width > label_column ? std::max<std::size_t>(1, (width - label_column) / kCell) : 1;
  const std::size_t n = b.columns();
  for (std::size_t first = 0; first < n; first += per_block) {
    if (first != 0) out += '\n';
    grid_rows(out, b, labels, first, std::min(n, first + per_block));
  }
  if (n == 0) grid_rows(out, b, labels, 0, 0);
  out += '\n';
}

// Each present column on its own: its title, its rows (label, value, the
// place of an extreme or a note), its sentences.
void list(std::string& out, const doc::Block& b) {
  if (!b.heading.empty()) out += ' ' + b.heading + '\n';
  const std::size_t width = std::max(label_width(b), b.label_width);
  for (std::size_t k = 0; k < b.columns(); ++k) {
    if (!b.present[k]) continue;
    if (b.blank_before) out += '\n';
    if (k < b.titles.size()) out += ' ' + b.titles[k] + '\n';
    for (const doc::Entry& e : b.entries) {
      if (e.kind == doc::Kind::texts) {
        if (!e.in_table) continue;
        for (const std::string& t : e.values[k].texts) out += std::string(kIndent) + t + '\n';
        continue;
      }
      if (e.label.empty()) continue;
      out += std::string(kIndent) + pad_right(e.label, width) + cell(e, e.values[k], b.value_width);
      if (!e.values[k].shown.empty()) out += b.gap + e.values[k].shown;
      out += '\n';
    }
    if (b.blank_after) out += '\n';
  }
}

// Each column's sentences, after its title (or indented), then a blank line.
void lines(std::string& out, const doc::Block& b) {
  if (b.blank_before) out += '\n';
  if (!b.heading.empty()) out += ' ' + b.heading + '\n';
  bool any = false;
  for (std::size_t k = 0; k < b.columns(); ++k) {
    const std::string title = k < b.titles.size() ? b.titles[k] + ": " : std::string();
    std::size_t i = 0;
    for (const doc::Entry& e : b.entries) {
      if (e.kind != doc::Kind::texts || !e.in_table) continue;
      for (const std::string& t : e.values[k].texts) {
        const std::string lead =
            title.empty() ? b.indent
                          : ' ' + (i == 0 ? title : std::string(display_width(title), ' '));
        out.append(lead).append(e.label).append(t) += '\n';
        ++i;
        any = true;
      }
    }
  }
  if (!any && !b.empty_text.empty()) out += ' ' + b.empty_text + '\n';
  if (b.blank_after) out += '\n';
}

// A value at its place: "  123.456 (7.100 MHz)", the value in `field` characters.
std::string at_place(const doc::Value& v, int field, int decimals, std::string_view unit,
                     std::size_t first = 0) {
  const auto value = static_cast<float>(v.members.at(first).number);
  const auto place = static_cast<float>(v.members.at(first + 1).number);
  return numform::fixed(value, field, decimals) + " (" + trimmed(mhz_field(place)) + ' ' +
         std::string(unit) + ")";
}

// A row per entry: its lowest value and its place, its highest and its
// place, the highest's column the same in every row.
void ranges(std::string& out, const doc::Block& b) {
  if (!b.present[0]) return;
  constexpr std::size_t kLabel = 32;  // the label column
  constexpr int kField = 11;          // the f11.3 form of the values
  const std::string& from = b.words.at(0);
  const std::string& to = b.words.at(1);
  const std::string& unit = b.words.at(2);
  std::size_t lowest = 0;
  for (const doc::Entry& e : b.entries) {
    lowest = std::max(lowest, display_width(at_place(e.values[0], kField, e.decimals, unit)));
  }
  out += ' ' + b.heading + '\n';
  for (const doc::Entry& e : b.entries) {
    const doc::Value& v = e.values[0];
    out.append(" ").append(pad_right(e.label, kLabel)).append(" ").append(from).append(" ");
    out.append(pad_right(at_place(v, kField, e.decimals, unit), lowest)).append("  ").append(to);
    out.append(" ").append(at_place(v, kField, e.decimals, unit, 2)) += '\n';
  }
}

// A row per block of its own, a column per entry (a value at its place),
// the entries' labels above; then its sentences.
void matrix(std::string& out, const doc::Block& b) {
  if (!b.present[0] || b.blocks.empty()) return;
  constexpr std::size_t kHead = 10;    // the header's first column
  constexpr std::size_t kRowHead = 6;  // a row's first column
  constexpr std::size_t kColumn = 24;
  constexpr int kField = 9;
  const std::string unit = b.words.empty() ? std::string() : b.words[0];
  out += ' ' + b.heading + '\n';
  const std::vector<doc::Entry>& heads = b.blocks.front().entries;
  out += ' ' + pad_right("", kHead);
  for (std::size_t i = 0; i < heads.size(); ++i) {
    out += i + 1 < heads.size() ? pad_right(heads[i].label, kColumn) : heads[i].label;
  }
  out += '\n';
  for (const doc::Block& row : b.blocks) {
    out += ' ' + pad_right(row.heading, kRowHead);
    for (std::size_t i = 0; i < row.entries.size(); ++i) {
      const doc::Entry& e = row.entries[i];
      const std::string cell = at_place(e.values[0], kField, e.decimals, unit);
      out += i + 1 < row.entries.size() ? pad_right(cell, kColumn) : cell;
    }
    out += '\n';
  }
  for (const doc::Entry& e : b.entries) {
    for (const std::string& t : e.values[0].texts) out += ' ' + t + '\n';
  }
}

// Two blocks of its own side by side: a row per entry, "label = value".
void pairs(std::string& out, const doc::Block& b) {
  constexpr std::size_t kLeft = 15;  // the left column's labels
  constexpr std::size_t kRight = 10;
  constexpr int kField = 9;
  constexpr std::string_view kBetween = "       ";
  const auto value = [](const doc::Entry& e) {
    const doc::Value& v = e.values[0];
    return e.kind == doc::Kind::text ? pad_left(v.text, kField)
                                     : numform::fixed(doc::as_float(v), kField, e.decimals);
  };
  if (!b.heading.empty()) out += ' ' + b.heading + '\n';
  const std::vector<doc::Entry>& left = b.blocks.at(0).entries;
  const std::vector<doc::Entry>& right = b.blocks.at(1).entries;
  for (std::size_t i = 0; i < left.size(); ++i) {
    out += ' ' + pad_right(left[i].label, kLeft) + " = " + value(left[i]);
    if (i < right.size()) {
      out += std::string(kBetween) + pad_right(right[i].label, kRight) + " = " + value(right[i]);
    }
    out += '\n';
  }
}

void grids(std::string& out, const doc::Block& b, std::size_t width) {
  if (b.layout == doc::Layout::grid) grid(out, b, width);
  for (const doc::Block& c : b.blocks) grids(out, c, width);
}

void others(std::string& out, const doc::Block& b) {
  if (b.layout == doc::Layout::pairs) {
    pairs(out, b);
    return;  // its own blocks are its columns
  }
  if (b.layout == doc::Layout::list) list(out, b);
  if (b.layout == doc::Layout::lines) lines(out, b);
  if (b.layout == doc::Layout::ranges) ranges(out, b);
  if (b.layout == doc::Layout::matrix) {
    matrix(out, b);
    return;  // its own blocks are its rows
  }
  for (const doc::Block& c : b.blocks) others(out, c);
}

}  // namespace

void write_document_table(std::string& out, const doc::Block& root, std::size_t width) {
  for (const doc::Block& b : root.blocks) {
    if (b.lead) continue;  // its values are all in the blocks below
    grids(out, b, width);
    others(out, b);
  }
}

}  // namespace plan
