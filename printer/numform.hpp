#pragma once

// The fixed-point number form of the reports (f11.3 and the like).

#include <string>

namespace numform {

// A number right-aligned in a field of `width` characters with exactly
// `decimals` decimals (the f11.3, f12.3, f9.2 forms): rounded from the exact
// binary value with ties to even; a 0 before the point below 1; a minus
// sign on every negative value, also one that rounds to zero; NaN, Infinity
// and -Infinity as words; asterisks filling the field when it is too narrow.
// width    : field width, characters, 1 <= width <= 40
// decimals : digits after the point, 0 <= decimals <= 9
std::string fixed(float value, int width, int decimals);

}  // namespace numform
