#include "plan/write/html_writer.hpp"

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/write/cells.hpp"

// The page's tables: every block of the document as HTML, its layout
// deciding the element, the values in the table writer's forms.

namespace plan {

namespace {

// Columns of a grid in one printed table: what an A4 page holds.
constexpr std::size_t kPrintColumns = 5;

std::string escaped(std::string_view s) {
  return markup_escaped(s);
}

std::string td(const doc::Entry& e, const doc::Value& v) {
  const bool number = e.kind != doc::Kind::text;
  return std::string(number ? "<td class=\"num\">" : "<td>") + escaped(cell_text(e, v, 0)) +
         "</td>";
}

// The columns' headers of a grid: its titles, or its frequencies.
struct Columns {
  std::vector<std::string> titles;
  std::vector<float> f_mhz;
};

// Columns [first, last) of a grid as a table.
void grid_table(std::string& out, const doc::Block& b, const Columns& c, std::size_t first,
                std::size_t last, std::string_view id, std::string_view extra) {
  out += "<div class=\"table-box" + std::string(extra) + "\"><table class=\"grid\"";
  if (!id.empty()) out += " id=\"" + std::string(id) + '"';
  out += "><thead><tr><th scope=\"col\"></th>";
  for (std::size_t k = first; k < last; ++k) {
    out += "<th scope=\"col\"";
    if (k < c.f_mhz.size()) out += " data-f-mhz=\"" + float_text(c.f_mhz[k]) + '"';
    out += '>' + escaped(k < c.titles.size() ? c.titles[k] : std::string()) + "</th>";
  }
  out += "</tr></thead><tbody>";
  for (const doc::Entry& e : b.entries) {
    if (e.label.empty() || e.kind == doc::Kind::texts) continue;
    out += "<tr data-key=\"" +
           escaped(e.group.empty() ? std::string(e.key)
                                   : std::string(e.group) + '.' + std::string(e.key)) +
           "\"><th scope=\"row\">" + escaped(e.label) + "</th>";
    for (std::size_t k = first; k < last; ++k) out += td(e, e.values[k]);
    out += "</tr>";
  }
  out += "</tbody></table></div>\n";
}

// On the screen the whole grid, scrolled in its box; on paper in tables of
// kPrintColumns columns, so that none is cut.
void grid(std::string& out, const doc::Block& b, const Columns& c, std::string_view id) {
  if (!b.heading.empty()) out += "<h4>" + escaped(b.heading) + "</h4>\n";
  const std::size_t n = b.columns();
  grid_table(out, b, c, 0, n, id, n > kPrintColumns ? " screen-only" : "");
  if (n <= kPrintColumns) return;
  for (std::size_t first = 0; first < n; first += kPrintColumns) {
    grid_table(out, b, c, first, std::min(n, first + kPrintColumns), "", " print-only");
  }
}

void list(std::string& out, const doc::Block& b) {
  if (!b.heading.empty()) out += "<h4>" + escaped(b.heading) + "</h4>\n";
  for (std::size_t k = 0; k < b.columns(); ++k) {
    if (!b.present[k]) continue;
    if (k < b.titles.size()) out += "<h4>" + escaped(b.titles[k]) + "</h4>\n";
    out += "<div class=\"table-box\"><table class=\"list\"><tbody>";
    std::vector<std::string> notes;
    for (const doc::Entry& e : b.entries) {
      if (e.kind == doc::Kind::texts) {
        if (e.in_table)
          notes.insert(notes.end(), e.values[k].texts.begin(), e.values[k].texts.end());
        continue;
      }
      if (e.label.empty()) continue;
      out += "<tr><th scope=\"row\">" + escaped(e.label) + "</th>" + td(e, e.values[k]) + "<td>" +
             escaped(e.values[k].shown) + "</td></tr>";
    }
    out += "</tbody></table></div>\n";
    for (const std::string& n : notes) out += "<p class=\"note\">" + escaped(n) + "</p>\n";
  }
}

// Each sentence once, with the columns it concerns.
void lines(std::string& out, const doc::Block& b) {
  if (!b.heading.empty()) out += "<h4>" + escaped(b.heading) + "</h4>\n";
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::string>> where;
  for (std::size_t k = 0; k < b.columns(); ++k) {
    for (const doc::Entry& e : b.entries) {
      if (e.kind != doc::Kind::texts || !e.in_table) continue;
      for (const std::string& t : e.values[k].texts) {
        const std::string text = e.label + t;
        if (where.count(text) == 0) order.push_back(text);
        if (k < b.titles.size())
          where[text].push_back(b.titles[k]);
        else
          where[text];
      }
    }
  }
  if (order.empty() && !b.empty_text.empty()) out += "<p>" + escaped(b.empty_text) + "</p>\n";
  if (order.empty()) return;
  out += "<ul class=\"lines\">";
  for (const std::string& text : order) {
    out += "<li>" + escaped(text);
    std::string at;
    for (const std::string& w : where[text]) at += (at.empty() ? "" : ", ") + trimmed(w);
    if (!at.empty()) out += " <span class=\"where\">(" + escaped(at) + ")</span>";
    out += "</li>";
  }
  out += "</ul>\n";
}

// "123.456 (7.100 MHz)": a value at its place, of an object value.
std::string at_place(const doc::Value& v, int decimals, std::string_view unit, std::size_t first) {
  const auto value = static_cast<float>(v.members.at(first).number);
  const auto place = static_cast<float>(v.members.at(first + 1).number);
  doc::Entry e = doc::entry("", "", "", "", decimals, doc::Kind::number);
  doc::Value x;
  x.number = static_cast<double>(value);
  return cell_text(e, x, 0) + " (" + trimmed(mhz_field(place)) + ' ' + std::string(unit) + ')';
}

void ranges(std::string& out, const doc::Block& b) {
  if (!b.present[0]) return;
  const std::string& unit = b.words.at(2);
  out += "<h4>" + escaped(b.heading) +
         "</h4>\n<div class=\"table-box\"><table class=\"list\"><thead><tr><td></td><th "
         "scope=\"col\">" +
         escaped(b.words.at(0)) + "</th><th scope=\"col\">" + escaped(b.words.at(1)) +
         "</th></tr></thead><tbody>";
  for (const doc::Entry& e : b.entries) {
    out += "<tr><th scope=\"row\">" + escaped(e.label) + "</th><td class=\"num\">" +
           escaped(at_place(e.values[0], e.decimals, unit, 0)) + "</td><td class=\"num\">" +
           escaped(at_place(e.values[0], e.decimals, unit, 2)) + "</td></tr>";
  }
  out += "</tbody></table></div>\n";
}

void matrix(std::string& out, const doc::Block& b) {
  if (!b.present[0] || b.blocks.empty()) return;
  const std::string unit = b.words.empty() ? std::string() : b.words[0];
  out += "<h4>" + escaped(b.heading) +
         "</h4>\n<div class=\"table-box\"><table class=\"list\"><thead><tr><td></td>";
  for (const doc::Entry& e : b.blocks.front().entries) {
    out += "<th scope=\"col\">" + escaped(e.label) + "</th>";
  }
  out += "</tr></thead><tbody>";
  for (const doc::Block& row : b.blocks) {
    out += "<tr><th scope=\"row\">" + escaped(row.heading) + "</th>";
    for (const doc::Entry& e : row.entries) {
      out += "<td class=\"num\">" + escaped(at_place(e.values[0], e.decimals, unit, 0)) + "</td>";
    }
    out += "</tr>";
  }
  out += "</tbody></table></div>\n";
  for (const doc::Entry& e : b.entries) {
    for (const std::string& t : e.values[0].texts)
      out += "<p class=\"note\">" + escaped(t) + "</p>\n";
  }
}

void pairs(std::string& out, const doc::Block& b) {
  out += "<div class=\"table-box\"><table class=\"list\"><tbody>";
  for (const doc::Block& side : b.blocks) {
    for (const doc::Entry& e : side.entries) {
      out += "<tr><th scope=\"row\">" + escaped(e.label) + "</th>" + td(e, e.values[0]) + "</tr>";
    }
  }
  out += "</tbody></table></div>\n";
}

void block(std::string& out, const doc::Block& b, const Columns& c, std::string_view id) {
  const Columns own =
      b.titles.empty() || b.layout != doc::Layout::grid ? c : Columns{b.titles, b.f_mhz};
  switch (b.layout) {
    case doc::Layout::grid:
      grid(out, b, own, id);
      break;
    case doc::Layout::list:
      list(out, b);
      break;
    case doc::Layout::lines:
      lines(out, b);
      break;
    case doc::Layout::ranges:
      ranges(out, b);
      break;
    case doc::Layout::matrix:
      matrix(out, b);
      return;
    case doc::Layout::pairs:
      pairs(out, b);
      return;
    case doc::Layout::none:
      break;
  }
  for (const doc::Block& child : b.blocks) block(out, child, own, "");
}

}  // namespace

std::string document_html(const doc::Block& root, const HtmlTexts& texts) {
  std::string out;
  for (const doc::Block& b : root.blocks) {
    if (!b.lead) continue;
    out +=
        "<section class=\"answers\" aria-labelledby=\"answers-heading\"><h3 "
        "id=\"answers-heading\">" +
        escaped(b.heading) + "</h3>\n";
    doc::Block untitled = b;
    untitled.heading.clear();
    block(out, untitled, Columns{b.titles, b.f_mhz}, "summary");
    out += "</section>\n";
  }
  std::size_t n = 0;
  for (const doc::Block& b : root.blocks) {
    if (b.lead) continue;
    const std::string_view name = texts.section(b, n);
    out += "<details class=\"section\" id=\"section-" + std::to_string(n) + "\"><summary>" +
           escaped(name) + "</summary>\n";
    block(out, b, Columns{}, "");
    out += "</details>\n";
    ++n;
  }
  return out;
}

}  // namespace plan
