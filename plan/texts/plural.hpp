#pragma once

// Numbers of things: the form a noun takes after a count, by the rule of
// the text's language («1 нагрузка», «2 нагрузки», «5 нагрузок»).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace plan {

// The language of everything valvenet-plan shows; CSV headers and JSON keys
// are the same in both.
enum class Language { ru, en };

// A noun's forms after a count: {one, few, many}. Russian: «нагрузка»,
// «нагрузки», «нагрузок»; English: "load", "loads", "loads".
using CountedWord = std::array<std::string_view, 3>;

enum class PluralForm { one, few, many };

// Russian: one after 1, 21, 31, ... but not 11, 111; few after 2-4, 22-24,
// ... but not 12-14, 112-114; many after the rest (0, 5-20, 25-30, ...).
// English: one after 1, many after the rest.
// n : the count of things, 0 <= n
PluralForm plural_form(Language language, std::uint64_t n);

// The count and the noun's form for it: "72 нагрузки".
// n : the count, 0 <= n;  word : the noun's forms in `language`
std::string counted(Language language, std::uint64_t n, const CountedWord& word);

}  // namespace plan
