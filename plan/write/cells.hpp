#pragma once

// A value of the report document as the table writes it: one form for the
// readable table and the page's tables.

#include <cstddef>
#include <string>

#include "plan/report/document.hpp"

namespace plan {

// What a table shows where a value is missing.
inline constexpr std::string_view kDash = "—";

// The value right-aligned in `width` characters (0: without its blanks); a
// 64-bit number rounded as printf rounds it, a 32-bit one as the reports do.
// e : the entry;  v : its value in a column;  width : characters, 0 or >= 1
std::string cell_text(const doc::Entry& e, const doc::Value& v, std::size_t width);

}  // namespace plan
