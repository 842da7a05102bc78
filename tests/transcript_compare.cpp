// transcript_compare [--mask-dates] EXPECTED ACTUAL
//
// Compares a file a program wrote with its reference for tests/wine-transcripts.
// Exit status 0: byte for byte the same; 3: every difference is a number that
// agrees to four significant digits (the largest relative difference is
// printed); 1: they differ (the first difference is printed); 2: bad use.
// With --mask-dates the date digits of ACTUAL are masked as in the references.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "test_files.hpp"
#include "tolerant_compare.hpp"

namespace {

constexpr int kExact = 0;
constexpr int kDiffers = 1;
constexpr int kBadUse = 2;
constexpr int kAgrees = 3;

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const bool mask = argc > 1 && std::string_view(argv[1]) == "--mask-dates";
  if (mask) ++first;
  if (argc - first != 2) {
    std::fputs("usage: transcript_compare [--mask-dates] EXPECTED ACTUAL\n", stderr);
    return kBadUse;
  }
  const std::filesystem::path expected_path(argv[first]);
  const std::filesystem::path actual_path(argv[first + 1]);
  if (!std::filesystem::is_regular_file(expected_path) ||
      !std::filesystem::is_regular_file(actual_path)) {
    std::printf("missing: %s\n", std::filesystem::is_regular_file(expected_path)
                                     ? actual_path.c_str()
                                     : expected_path.c_str());
    return kDiffers;
  }
  std::string actual = testing_support::read_file(actual_path);
  if (mask) actual = testing_support::mask_dates(actual);
  const tolerant::Comparison c =
      tolerant::compare(testing_support::read_file(expected_path), actual);
  if (c.exact) return kExact;
  if (c.agrees) {
    std::printf("%.3g\n", c.largest_relative);
    return kAgrees;
  }
  std::printf("%s\n", c.first_difference.c_str());
  return kDiffers;
}
