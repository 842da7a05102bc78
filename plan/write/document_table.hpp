#pragma once

// The readable table of a document's blocks: the grids first (the
// designs side by side, in as many blocks of columns as the width takes),
// then every other block in order, each by its layout. Columns are
// counted in characters (code points), never bytes.

#include <cstddef>
#include <string>

#include "plan/report/document.hpp"

namespace plan {

// Each block of the root in turn: its grids, then its other blocks.
// out : appended to;  root : the report's document;  width : characters per line, >= 1
void write_document_table(std::string& out, const doc::Block& root, std::size_t width);

}  // namespace plan
