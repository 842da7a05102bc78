#include "plan/write/document_json.hpp"

#include <cstddef>
#include <string_view>
#include <vector>

namespace plan {

namespace {

void record(JsonText& out, const doc::Record& r) {
  out.begin_object();
  for (const doc::Member& m : r) {
    out.key(m.key);
    if (m.kind == doc::Kind::flag) {
      out.boolean(m.number != 0.0);
    } else if (m.kind == doc::Kind::text) {
      out.string(m.text);
    } else if (m.kind == doc::Kind::count) {
      out.integer(static_cast<long long>(m.number));
    } else {
      out.number(static_cast<float>(m.number));
    }
  }
  out.end_object();
}

void value(JsonText& out, const doc::Entry& e, const doc::Value& v) {
  switch (e.kind) {
    case doc::Kind::number:
    case doc::Kind::extreme:
      if (e.wide) {
        out.number(v.number);
      } else {
        out.number(doc::as_float(v));
      }
      break;
    case doc::Kind::count:
      out.integer(static_cast<long long>(v.number));
      break;
    case doc::Kind::flag:
      out.boolean(v.number != 0.0);
      break;
    case doc::Kind::text:
      if (e.nullable && v.text.empty()) {
        out.null();
      } else {
        out.string(v.text);
      }
      break;
    case doc::Kind::texts:
      out.begin_array();
      for (const std::string& t : v.texts) out.string(t);
      out.end_array();
      break;
    case doc::Kind::object:
      if (v.members.empty()) {
        out.null();
      } else {
        record(out, v.members);
      }
      break;
    case doc::Kind::numbers:
      out.begin_array();
      for (const double n : v.numbers) {
        if (e.wide) {
          out.number(n);
        } else {
          out.number(static_cast<float>(n));
        }
      }
      out.end_array();
      break;
  }
}

// An entry as its member (and an extreme's place as key_load).
void member(JsonText& out, const doc::Entry& e, std::size_t k) {
  const doc::Value& v = e.values[k];
  out.key(e.key);
  value(out, e, v);
  if (e.kind != doc::Kind::extreme) return;
  out.key(std::string(e.key) + "_load");
  if (v.at >= 0) {
    out.integer(v.at);
  } else {
    out.null();
  }
}

// The entries of a group, in order; null when none has a value in column k.
void group(JsonText& out, const doc::Block& b, std::string_view name, std::size_t k) {
  out.key(name);
  bool any = false;
  for (const doc::Entry& e : b.entries) any = any || (e.group == name && !e.values[k].absent);
  if (!any) {
    out.null();
    return;
  }
  out.begin_object();
  for (const doc::Entry& e : b.entries) {
    if (e.group == name && !e.key.empty()) member(out, e, k);
  }
  out.end_object();
}

void records(JsonText& out, const doc::Block& b, std::size_t k) {
  out.key(b.records_key);
  out.begin_array();
  for (const doc::Record& r : b.records[k]) record(out, r);
  out.end_array();
}

void object(JsonText& out, const doc::Block& b, std::size_t k);

// The members of column k: the entries in order, each group where its first
// entry stands, the records and the blocks at their places.
void members(JsonText& out, const doc::Block& b, std::size_t k) {
  std::vector<std::string_view> written;
  const auto blocks_at = [&](std::size_t i) {
    for (const doc::Block& c : b.blocks) {
      if (!c.json || !(c.position == i || (i == b.entries.size() && c.position > i))) continue;
      if (c.key.empty()) {
        members(out, c, k);
      } else if (c.rows) {
        out.key(c.key);
        write_columns_json(out, c);
      } else {
        out.key(c.key);
        object(out, c, k);
      }
    }
  };
  for (std::size_t i = 0; i < b.entries.size(); ++i) {
    blocks_at(i);
    if (!b.records_key.empty() && b.records_position == i) records(out, b, k);
    const doc::Entry& e = b.entries[i];
    if (e.key.empty()) continue;
    if (e.group.empty()) {
      member(out, e, k);
      continue;
    }
    bool seen = false;
    for (const std::string_view g : written) seen = seen || g == e.group;
    if (seen) continue;
    written.push_back(e.group);
    group(out, b, e.group, k);
  }
  if (!b.records_key.empty() && b.records_position >= b.entries.size()) records(out, b, k);
  blocks_at(b.entries.size());
}

void object(JsonText& out, const doc::Block& b, std::size_t k) {
  if (!b.present[k]) {
    out.null();
    return;
  }
  out.begin_object();
  members(out, b, k);
  out.end_object();
}

}  // namespace

void write_object_json(JsonText& out, const doc::Block& b) {
  object(out, b, 0);
}

void write_columns_json(JsonText& out, const doc::Block& b) {
  out.begin_array();
  for (std::size_t k = 0; k < b.columns(); ++k) object(out, b, k);
  out.end_array();
}

}  // namespace plan
