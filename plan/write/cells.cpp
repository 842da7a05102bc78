#include "plan/write/cells.hpp"

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

// The field the reports format a number in before it is trimmed.
constexpr int kField = 11;

std::string unpadded(const doc::Entry& e, const doc::Value& v) {
  if (e.kind == doc::Kind::text) return v.shown.empty() ? v.text : v.shown;
  if (v.absent || !v.known()) return std::string(kDash);
  if (e.wide) return fixed_text(v.number, e.decimals);
  return trimmed(numform::fixed(doc::as_float(v), kField, e.decimals));
}

}  // namespace

std::string cell_text(const doc::Entry& e, const doc::Value& v, std::size_t width) {
  const bool number = e.kind != doc::Kind::text && !e.wide && !v.absent && v.known();
  if (width == 0) return unpadded(e, v);
  if (number) return numform::fixed(doc::as_float(v), static_cast<int>(width), e.decimals);
  return pad_left(unpadded(e, v), width);
}

}  // namespace plan
