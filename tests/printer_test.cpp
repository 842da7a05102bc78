// The dated file report and its appending; the description of the results
// that both reports walk.

#include "printer/printer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "console/terminal.hpp"
#include "printer/numform.hpp"
#include "printer/results.hpp"
#include "test_files.hpp"

namespace {

// The warnings of a design whose results are all zero.
const std::vector<warnings::Warning> kNoResultWarnings = warnings::decide({}, 0);

stage::StageResults results_with_every_warning() {
  stage::StageResults r;
  r.p_output = 100.0f;
  r.eff_network_pct = 70.0f;
  r.filter_achieved_db = 30.0f;
  r.p_h2_out_mw = 60.0f;
  r.eff_total_pct = 40.0f;
  return r;
}

TEST(FileReport, HasTheDateLineFrequencyHeaderAndThirtySevenValues) {
  stage::StageInputs in;
  in.f_hz = 14.2f * 1e6f;
  const std::string report =
      printer::file_report({}, in, {0.25f, 0.5f, 0.125f}, kNoResultWarnings, "20261208");
  const std::string head = " Дата: 20261208" + std::string(17, ' ') +
                           "\r\n\r\n Результаты расчета для f, МГц =      14.200\r\n\r\n";
  EXPECT_EQ(report.substr(0, head.size()), head);
  EXPECT_NE(report.find(" 12. Коэффициент разложения импульса, a0\t=       0.250\r\n"
                        "     коэффициент разложения импульса, a1\t=       0.500\r\n"
                        "     коэффициент разложения импульса, a2\t=       0.125\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" 35. Полоса S11 контура по уровню 0.1, кГц\t=       0.000\r\n"),
            std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 65), " " + std::string(60, '=') + "\r\n\r\n");
}

TEST(FileReport, DiffersFromTheConsoleInOneWarningAndOneLabel) {
  const std::string report =
      printer::file_report(results_with_every_warning(), {}, {},
                           warnings::decide(results_with_every_warning(), 1), "20261208");
  EXPECT_NE(report.find(" Внимание, КПД П-контура меньше 80% !!!\r\n"
                        " Внимание, уровень фильтрации 2-й гармоники ниже 40 дБ!\r\n"
                        " Внимание, мощность 2-й гармоники больше 50 мВт!\r\n"
                        " Внимание, общий КПД меньше 50%!\r\n"
                        " Внимание, мала горячая емкость!\r\n\r\n Исходные данные:\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" Степ. хар-ки\t=      0.00\r\n"), std::string::npos);
}

TEST(FileReport, AppendsWithoutTouchingWhatIsThere) {
  testing_support::TempDir dir;
  const std::string path = (dir.path() / "pi_kontur.txt").string();
  testing_support::write_file(path, "earlier\r\n");
  ASSERT_TRUE(printer::output_file({}, {}, {}, kNoResultWarnings, "20261208", path));
  ASSERT_TRUE(printer::output_file({}, {}, {}, kNoResultWarnings, "20261209", path));
  const std::string file = testing_support::read_file(path);
  const std::string one = printer::file_report({}, {}, {}, kNoResultWarnings, "20261208");
  EXPECT_EQ(file.substr(0, 9 + one.size()), "earlier\r\n" + one);
  EXPECT_EQ(file.size(), 9 + 2 * one.size());
}

TEST(FileReport, ReportsFailureWhenTheFileCannotBeWritten) {
  testing_support::TempDir dir;
  EXPECT_FALSE(printer::append_to_file(dir.path().string(), "x"));
  EXPECT_FALSE(printer::append_to_file((dir.path() / "missing" / "f.txt").string(), "x"));
  EXPECT_FALSE(printer::append_to_file("/dev/full", "x"));
}

}  // namespace

namespace {

// Every result and pulse coefficient a value of its own, 101 to 137.
struct DistinctValues {
  stage::StageResults results;
  stage::PulseCoeffs coeffs;
  DistinctValues() {
    std::array<float, results::kResultCount> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = 101.0f + static_cast<float>(i);
    results = std::bit_cast<stage::StageResults>(r);
    coeffs = {135.0f, 136.0f, 137.0f};
  }
};

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The numbers that begin the lines of a report, in order.
std::vector<int> line_numbers(const std::string& report) {
  std::vector<int> numbers;
  std::size_t at = 0;
  while (at < report.size()) {
    std::size_t end = report.find("\r\n", at);
    if (end == std::string::npos) end = report.size();
    const std::string line = report.substr(at, end - at);
    std::size_t digits = 1;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (line.size() > 1 && line[0] == ' ' && digits > 1 && digits < line.size() &&
        line[digits] == '.') {
      numbers.push_back(std::stoi(line.substr(1, digits - 1)));
    }
    at = end + 2;
  }
  return numbers;
}

std::vector<int> one_to(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

TEST(ResultsDescription, FileReportShowsEveryResultAndCoefficientOnceNumberedWithoutGaps) {
  const DistinctValues v;
  const std::string report =
      printer::file_report(v.results, {}, v.coeffs, kNoResultWarnings, "20261208");
  for (int i = 101; i <= 137; ++i) {
    EXPECT_EQ(occurrences(report, numform::fixed(static_cast<float>(i), 11, 3) + "\r\n"), 1u) << i;
  }
  EXPECT_EQ(line_numbers(report), one_to(35));
  std::set<std::string_view> keys;
  for (const results::Line& line : results::lines(text::Encoding::utf8)) {
    EXPECT_TRUE(keys.insert(line.key).second) << line.key;
    EXPECT_NE(line.result == nullptr, line.coeff == nullptr) << line.key;
  }
}

TEST(ResultsDescription, ConsoleReportIsNumberedWithoutGapsInBothEncodings) {
  const DistinctValues v;
  for (const text::Encoding e : {text::Encoding::utf8, text::Encoding::cp866}) {
    const std::string report = terminal::console_report(v.results, {}, {}, text::console_texts(e));
    EXPECT_EQ(line_numbers(report), one_to(25));
    for (const results::Line* line : results::console_lines(e)) {
      EXPECT_EQ(occurrences(report, numform::fixed(results::value(*line, v.results, {}), 11, 3)),
                1u)
          << line->key;
    }
  }
}

}  // namespace
