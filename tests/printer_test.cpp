// The dated file report and its appending.

#include "printer/printer.hpp"

#include <gtest/gtest.h>

#include <string>

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
  const std::string report = printer::file_report({}, in, {0.25f, 0.5f, 0.125f}, kNoResultWarnings, "20261208");
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
