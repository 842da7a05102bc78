// The JSON written straight as text must be the bytes Json::dump(2) writes
// for the same values: the documents of every run hold both side by side.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "plan/write/json_text.hpp"

namespace {

// Writes v with JsonText; the tree's own dump is the reference.
void write(plan::JsonText& out, const plan::Json& v) {
  if (v.is_object()) {
    out.begin_object();
    for (const auto& [key, member] : v.items()) {
      out.key(key);
      write(out, member);
    }
    out.end_object();
  } else if (v.is_array()) {
    out.begin_array();
    for (const plan::Json& e : v) write(out, e);
    out.end_array();
  } else if (v.is_number_float()) {
    out.number(v.get<float>());
  } else if (v.is_boolean()) {
    out.boolean(v.get<bool>());
  } else if (v.is_string()) {
    out.string(v.get<std::string>());
  } else {
    out.null();
  }
}

TEST(PlanJsonText, WritesTheBytesOfTheTreesDump) {
  const plan::Json values = plan::Json::parse(R"({
    "empty_object": {}, "empty_array": [], "nested": [[], {}, [[1.5]], {"a": {"b": []}}],
    "numbers": [0.0, -0.0, 1.0, 400.0, 0.1, 1e-7, 123456789.0, 3.4e38, 1e-45, -2.5e-3],
    "flags": [true, false, null], "reason": "no_c2_solution", "last": null})");
  plan::Json floats = plan::Json::array();
  // Bit patterns over every exponent, and the values that are not finite.
  for (std::uint32_t bits = 1; bits < 0x7f800000u; bits += 0x00a3d70bu) {
    floats.push_back(std::bit_cast<float>(bits));
    floats.push_back(-std::bit_cast<float>(bits));
  }
  floats.push_back(std::numeric_limits<float>::infinity());
  floats.push_back(std::numeric_limits<float>::quiet_NaN());

  for (const plan::Json& doc : {values, floats}) {
    for (const int indent : {0, 8}) {
      std::string text;
      plan::JsonText out(text, indent);
      write(out, doc);
      const std::string lines = doc.dump(2);
      std::string expected;
      for (const char c : lines) {
        expected += c;
        if (c == '\n') expected.append(static_cast<std::size_t>(indent), ' ');
      }
      EXPECT_EQ(text, expected);
    }
  }

  // The splice: a placeholder at any depth, a member of the same name that
  // is not a number left alone.
  plan::Json doc = plan::Json::parse(R"({"a": [{"points": 1}, {"points": "x"}],
                                         "b": {"c": {"points": 0}}})");
  const std::string spliced = plan::dump_with(
      doc, "points",
      [&](plan::JsonText& out, std::size_t n) { write(out, n == 0 ? values : floats); });
  doc["a"][0]["points"] = floats;
  doc["b"]["c"]["points"] = values;
  EXPECT_EQ(spliced, doc.dump(2));
}

}  // namespace
