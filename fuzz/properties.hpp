#pragma once

// The fuzz targets' check of a property: a broken one stops the run as a
// crash, with the property named.

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace fuzzing
