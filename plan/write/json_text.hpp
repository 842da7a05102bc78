#pragma once

// JSON written straight as text in the layout of Json::dump(2), for the
// values too many to build as a tree first (the load circle's points: some
// 17,000 numbers in a ten-band plan), and the splice that puts such text
// into a dumped document.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/report/json.hpp"

namespace plan {

// Appends one value (an object, an array or a scalar) to a string as
// Json::dump(2) writes it with its first line at `indent` spaces.
class JsonText {
 public:
  // out : the text appended to;  indent : spaces of the value's line, >= 0
  JsonText(std::string& out, int indent);

  void begin_object();
  void begin_array();
  void end_object();
  void end_array();
  // A member's key inside an object; the next call writes its value.
  // key : printable ASCII without '"' or '\'
  void key(std::string_view key);
  // A float as Json writes it (shortest digits that read back); null when
  // the value is not finite.
  void number(float v);
  // A double as Json writes one (shortest digits); null when not finite.
  void number(double v);
  void integer(long long v);
  void boolean(bool v);
  void null();
  // A string, escaped as dump() escapes it (UTF-8 kept as it is).
  // s : UTF-8
  void string(std::string_view s);

 private:
  void before_value();
  void close(char bracket);

  std::string& out_;
  std::vector<char> empty_;  // per open bracket: no element written yet
  int indent_;
  bool after_key_ = false;
};

// Writes a value in place of the integer n at the member `key`.
// out : the writer at the member's indentation;  n : the integer found there
using JsonFill = std::function<void(JsonText& out, std::size_t n)>;

// doc.dump(2) with every member `key` whose value is an unsigned integer n
// replaced by what fill writes for n. Only the program's own keys can
// match, since a quote inside a string is always written escaped.
// key : printable ASCII without '"' or '\'
std::string dump_with(const Json& doc, std::string_view key, const JsonFill& fill);

// Writes a value in place of the integer n at a member of keys[which].
using JsonFills = std::function<void(JsonText& out, std::size_t which, std::size_t n)>;

// dump_with for several keys at once.
// keys : each printable ASCII without '"' or '\'
std::string dump_with(const Json& doc, const std::vector<std::string_view>& keys,
                      const JsonFills& fill);

}  // namespace plan
