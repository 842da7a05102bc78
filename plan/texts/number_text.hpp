#pragma once

// The one number formatter of valvenet-plan's own texts: the shortest
// decimals of a float, and a fixed number of decimals.

#include <string>

namespace plan {

// The shortest decimal text that strtof reads back as the same float (at
// most 9 significant digits); nan, inf and -inf for the values that are
// not finite.
std::string float_text(float value);

// v with `decimals` decimals after the point, as printf's "%.*f" writes it.
// decimals : 0 <= decimals <= 17
std::string fixed_text(double v, int decimals);

}  // namespace plan
