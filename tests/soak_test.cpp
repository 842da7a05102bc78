// A long session: thousands of value changes and saves in a row must give
// the same report for the same inputs every time, and a file that holds
// exactly the reports written.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "main/program.hpp"
#include "scripted_console.hpp"
#include "test_files.hpp"
#include "text/texts.hpp"

namespace {

constexpr int kRounds = 5000;  // each round: one value change and one save

TEST(Soak, TenThousandChangesAndSavesStayRepeatable) {
  const text::ConsoleTexts& t = text::console_texts(text::Encoding::utf8);
  std::string input =
      testing_support::script({"100", "1000", "50", "1", "90", "200", "100", "50", "10", "5", "7"});
  for (int i = 0; i < kRounds; ++i) input += (i % 2 == 0 ? "3\n150\n7\n" : "3\n100\n7\n");
  input += "9\n";

  testing_support::TempDir dir;
  const auto report = dir.path() / "pi_kontur.txt";
  testing_support::ScriptedConsole con(input);
  ASSERT_EQ(program::run(con, text::Encoding::utf8, report.string()), 0);

  // Every report shown for the same power is the same bytes.
  const std::string& out = con.output();
  const std::string start = " " + std::string(t.calculating) + "\r\n";
  const std::string end(t.menu_prompt);
  std::map<int, std::string> shown;
  int reports = 0;
  for (std::size_t at = out.find(start); at != std::string::npos; at = out.find(start, at + 1)) {
    const std::size_t stop = out.find(end, at);
    ASSERT_NE(stop, std::string::npos);
    const std::string text = out.substr(at, stop - at);
    const int power = reports == 0 ? 100 : (reports % 2 == 1 ? 150 : 100);
    const auto [it, inserted] = shown.emplace(power, text);
    if (!inserted) {
      ASSERT_EQ(it->second, text) << "report " << reports;
    }
    ++reports;
  }
  EXPECT_EQ(reports, kRounds + 1);

  // The file holds exactly the reports saved, alternating between the two powers.
  const std::string file = testing_support::read_file(report);
  const std::string separator = " " + std::string(60, '=') + "\r\n\r\n";
  std::map<int, std::string> saved;
  std::size_t from = 0;
  int count = 0;
  for (std::size_t at = file.find(separator); at != std::string::npos;
       at = file.find(separator, from)) {
    const std::string one = file.substr(from, at + separator.size() - from);
    const auto [it, inserted] = saved.emplace(count % 2, one);
    if (!inserted) {
      ASSERT_EQ(it->second, one) << "saved report " << count;
    }
    from = at + separator.size();
    ++count;
  }
  EXPECT_EQ(count, kRounds);
  EXPECT_EQ(from, file.size());
  EXPECT_NE(saved[0], saved[1]);
}

}  // namespace
