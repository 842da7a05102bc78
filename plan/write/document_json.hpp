#pragma once

// A document block as JSON text in the layout of Json::dump(2): a list of
// objects, one per column, each block of its own in each column's object.

#include "plan/report/document.hpp"
#include "plan/write/json_text.hpp"

namespace plan {

// out : at the value's indentation;  b : a block of the report's document
void write_columns_json(JsonText& out, const doc::Block& b);

// Column 0 of the block as an object (null when it is not present there).
// out : at the value's indentation;  b : a block of one column
void write_object_json(JsonText& out, const doc::Block& b);

}  // namespace plan
