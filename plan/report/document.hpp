#pragma once

// One run's report as one document: the blocks the program shows, each a
// list of entries with their keys, labels, units, decimals and values. The
// report builds it once (plan/report/report_document.hpp); the table, CSV
// and JSON writers (plan/write/) and the page walk it, each knowing only a
// layout: a writer never names a block, and a block never knows a format.
//
// The shape:
// - a block is a JSON object (its key in the parent block; an empty key is
//   the parent's own object), a group of rows in the table and, when its
//   entries have columns, cells of the CSV;
// - a block has one value per column: the designs of the run side by side
//   (a grid), or one column (a block of one design or of the whole run);
// - entries of a block may gather in groups, each a JSON object of their own
//   (the designs' "results"); a group that has no value in a column is
//   null there;
// - a block may hold records (a list of objects, JSON only: the loads of
//   an SWR circle) and blocks of its own.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plan::doc {

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// What an entry's values are.
enum class Kind : std::uint8_t {
  number,   // a 32-bit float; none: JSON null, an empty CSV cell, a dash in the table
  count,    // a whole number of things
  text,     // a word (JSON string; the table shows its `shown` text when given)
  flag,     // yes or no (JSON true or false)
  texts,    // a list of sentences (JSON array of strings; the table's lines; not in the CSV)
  extreme,  // a number and the place where it occurs (JSON key and key_load)
  object,   // a few numbers that belong together (JSON an object of its members; none: null)
  numbers,  // a list of numbers (JSON array)
};

// A member of an object value or of a record: a number (NaN: null), a flag
// (0 or 1) or a word.
struct Member {
  std::string_view key;
  Kind kind = Kind::number;
  double number = std::numeric_limits<double>::quiet_NaN();
  std::string_view text;
};
using Record = std::vector<Member>;

// The value of an entry in one column.
struct Value {
  double number = kNone;  // number, count, flag (0 or 1), extreme
  bool absent = false;    // the entry's group is null in this column
  int at = -1;            // extreme: the index of the place, -1: none
  std::string text;       // text: the word (empty and nullable: null)
  std::string shown;      // text: the table's words; extreme: the place as the table tells it
  std::vector<std::string> texts;  // texts
  Record members;                  // object: its numbers (none known: null)
  std::vector<double> numbers;     // numbers

  bool known() const { return !std::isnan(number); }
};

// How the table lays a block out.
enum class Layout : std::uint8_t {
  grid,    // a row per entry, the columns side by side in as many blocks as the width needs
  list,    // each column on its own: its title, then a row per entry (label, value, place)
  lines,   // each column's sentences (its texts entries, each line after the entry's label)
  ranges,  // a row per object entry (lowest, its place; highest, its place), words: from, to, unit
  matrix,  // a row per block of its own (its heading), a column per entry (values at places)
  pairs,   // its first two blocks of its own side by side, a row per entry of each
  none,    // not in the table
};

struct Entry {
  std::string_view key;    // JSON member in its group; empty: not in the JSON
  std::string_view group;  // JSON object of the block it belongs to; empty: the block's own
  std::string column;      // CSV column; empty: not in the CSV
  std::string label;       // the table's row, with its unit; empty: not in the table
  int decimals = 0;        // the table's decimals
  Kind kind = Kind::number;
  bool nullable = false;      // text: an empty text is JSON null
  bool wide = false;          // number, numbers: a 64-bit float in the CSV and the JSON
  bool in_table = true;       // texts: its sentences are in the table
  std::vector<Value> values;  // one per column
};

// An entry without its values yet.
inline Entry entry(std::string_view key, std::string_view group, std::string column,
                   std::string label, int decimals, Kind kind, bool nullable = false) {
  Entry e;
  e.key = key;
  e.group = group;
  e.column = std::move(column);
  e.label = std::move(label);
  e.decimals = decimals;
  e.kind = kind;
  e.nullable = nullable;
  return e;
}

struct Block {
  std::string_view key;  // its member in the parent block; empty: the parent's own object
  bool json = true;      // whether the JSON has it
  Layout layout = Layout::grid;
  std::string heading;              // the table's line above it; empty: none
  std::vector<std::string> titles;  // the table's title of each column (list, lines)
  std::string empty_text;           // lines: the line when no column has any
  std::vector<std::string> words;   // the words a layout puts between values (ranges, matrix)
  std::string indent = "   ";       // lines: before a sentence of a column without a title
  bool blank_before = false;        // lines: a blank line before it
  bool blank_after = true;          // lines: a blank line after it; list: after each column
  std::size_t label_width = 0;      // list: the label column at least this wide
  std::size_t value_width = 11;     // list: the value column
  std::string gap = "   ";          // list: before a value's place or note
  std::vector<Entry> entries;
  std::vector<bool> present;                 // per column; false: JSON null, left out of the table
  std::string_view records_key;              // the member of its records; empty: none
  std::size_t records_position = 0;          // in its JSON object: after this many entries
  std::vector<std::vector<Record>> records;  // per column
  std::vector<Block> blocks;                 // its own blocks, in order
  std::size_t position = 0;  // in the parent's JSON object: after this many of its entries
  bool rows = false;         // its columns are the CSV's rows and, in JSON, a list of objects
  bool lead = false;         // the answers a reader wants first: a page shows it first, the
                             // readable table (which has every value below) leaves it out
  std::vector<float> f_mhz;  // a grid of bands: each column's frequency, MHz

  std::size_t columns() const { return present.size(); }
};

// A block of one column.
inline Block single(std::string_view key, Layout layout) {
  Block b;
  b.key = key;
  b.layout = layout;
  b.present = {true};
  return b;
}

// An entry's value in column k as the CSV and the JSON read it: a float.
// v : a value of a number, count or extreme entry
inline float as_float(const Value& v) {
  return static_cast<float>(v.number);
}

}  // namespace plan::doc
