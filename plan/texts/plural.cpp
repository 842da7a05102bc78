#include "plan/texts/plural.hpp"

namespace plan {

namespace {

// The last two digits decide the Russian form: the teens take «many».
constexpr std::uint64_t kHundred = 100;
constexpr std::uint64_t kTen = 10;

PluralForm russian_form(std::uint64_t n) {
  const std::uint64_t last_two = n % kHundred;
  const std::uint64_t last = n % kTen;
  if (last_two >= 11 && last_two <= 14) return PluralForm::many;
  if (last == 1) return PluralForm::one;
  if (last >= 2 && last <= 4) return PluralForm::few;
  return PluralForm::many;
}

}  // namespace

PluralForm plural_form(Language language, std::uint64_t n) {
  if (language == Language::ru) return russian_form(n);
  return n == 1 ? PluralForm::one : PluralForm::many;
}

std::string counted(Language language, std::uint64_t n, const CountedWord& word) {
  std::string out = std::to_string(n);
  out += ' ';
  out += word.at(static_cast<std::size_t>(plural_form(language, n)));
  return out;
}

}  // namespace plan
