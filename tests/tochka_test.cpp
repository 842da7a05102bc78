// Number entry: the real numbers of the dialog and the menu's whole numbers.

#include "console/tochka.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "scripted_console.hpp"

namespace {

using tochka::ItemKind;
using tochka::parse_integer;
using tochka::parse_real;

TEST(RealEntry, AcceptsADecimalCommaOrPointAfterBlanks) {
  EXPECT_EQ(parse_real("2,5"), 2.5f);
  EXPECT_EQ(parse_real("2.5"), 2.5f);
  EXPECT_EQ(parse_real("  \t2,5"), 2.5f);
  EXPECT_EQ(parse_real("5."), 5.0f);
  EXPECT_EQ(parse_real(".5"), 0.5f);
  EXPECT_EQ(parse_real(",5"), 0.5f);
}

TEST(RealEntry, OnlyTheFirstCommaBecomesAPoint) {
  EXPECT_EQ(parse_real("1,5,3"), 1.5f);
  EXPECT_EQ(parse_real("1.5,3"), std::nullopt);  // 1.5.3
}

TEST(RealEntry, ReadsSignsAndEveryExponentForm) {
  EXPECT_EQ(parse_real("-7"), -7.0f);
  EXPECT_EQ(parse_real("+3"), 3.0f);
  EXPECT_EQ(parse_real("3e2"), 300.0f);
  EXPECT_EQ(parse_real("3E+2"), 300.0f);
  EXPECT_EQ(parse_real("5,0E1"), 50.0f);
  EXPECT_EQ(parse_real("9,0d1"), 90.0f);
  EXPECT_EQ(parse_real("2q-1"), 0.2f);
  EXPECT_EQ(parse_real("1.5+3"), 1500.0f);
  EXPECT_EQ(parse_real("2-1"), 0.2f);
}

TEST(RealEntry, RoundsTheDecimalTextOnceToTheNearestFloat) {
  EXPECT_EQ(parse_real("0.1"), 0.1f);
  EXPECT_EQ(parse_real("180.001"), 180.001f);
  EXPECT_EQ(parse_real("0.10000001"), std::nextafter(0.1f, 1.0f));
  // Nearest float to 1 + 2^-24 + 2^-60 is 1 + 2^-23; through a double it would be 1.
  EXPECT_EQ(parse_real("1.00000006"), 1.00000006f);
}

TEST(RealEntry, OnlyTheFirstTenBytesCount) {
  EXPECT_EQ(parse_real("12345678901"), 1234567890.0f);
  EXPECT_EQ(parse_real("25 watts and more"), 25.0f);
  EXPECT_EQ(parse_real("  100 watts"), 100.0f);
  EXPECT_EQ(parse_real("         7"), 7.0f);
  EXPECT_EQ(parse_real("          7"), std::nullopt);
}

TEST(RealEntry, NumberEndsAtBlankTabCommaSemicolonOrSlash) {
  EXPECT_EQ(parse_real("90\ttail"), 90.0f);
  EXPECT_EQ(parse_real("5/"), 5.0f);
  EXPECT_EQ(parse_real("7;x"), 7.0f);
  EXPECT_EQ(parse_real("7 x"), 7.0f);
}

TEST(RealEntry, WordsForInfinityAndNotANumber) {
  EXPECT_EQ(parse_real("INF"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(parse_real("-infinity"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(*parse_real("nan")));
  EXPECT_TRUE(std::isnan(*parse_real("+NaN")));
  EXPECT_EQ(parse_real("1e39"), std::numeric_limits<float>::infinity());
}

TEST(RealEntry, AnythingElseIsNoNumber) {
  for (const char* line :
       {"",  "   ", "\t", "abc", "25abc", "3*7",   "0x10", "'5'", "NAN(1)",  "/",       ";",
        "+", "-",   ".",  "1e",  "1e+",   "1.5.3", "1..5", "e5",  "infinit", "\xd0\x9d"}) {
    EXPECT_EQ(parse_real(line), std::nullopt) << '"' << line << '"';
  }
  EXPECT_EQ(parse_real(std::string("5\0"
                                   "1",
                                   3)),
            std::nullopt);
  EXPECT_EQ(parse_real("1 e5x"), 1.0f);
}

TEST(WholeEntry, ReadsTheFirstItemOfTheLine) {
  EXPECT_EQ(parse_integer("7").value, 7);
  EXPECT_EQ(parse_integer("  7   word").value, 7);
  EXPECT_EQ(parse_integer("+3").value, 3);
  EXPECT_EQ(parse_integer("-1").value, -1);
  EXPECT_EQ(parse_integer("5,6").value, 5);
  EXPECT_EQ(parse_integer("\t9/").value, 9);
  EXPECT_EQ(parse_integer("2147483647").value, 2147483647);
  EXPECT_EQ(parse_integer("-2147483648").value, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(parse_integer("0007").value, 7);
}

TEST(WholeEntry, BadItemsAndBlankLinesAreToldApart) {
  EXPECT_EQ(parse_integer("").kind, ItemKind::none);
  EXPECT_EQ(parse_integer(" \t ").kind, ItemKind::none);
  for (const char* line : {"7.0", "abc", "99999999999", "2147483648", "-2147483649", "+", ",", "/",
                           ";", ", 5", "3*7", "1e2"}) {
    EXPECT_EQ(parse_integer(line).kind, ItemKind::bad) << '"' << line << '"';
  }
}

TEST(WholeEntry, ComplainsAndReadsAgainUntilANumberComes) {
  testing_support::ScriptedConsole con(testing_support::script({"", "abc", "   ", "7.0", "4 x"}));
  EXPECT_EQ(tochka::chislointeger(con, "BAD"), 4);
  EXPECT_EQ(con.output(), " BAD\r\n BAD\r\n");
}

TEST(Entry, EndOfInputStopsEveryRead) {
  testing_support::ScriptedConsole empty("");
  EXPECT_THROW(tochka::chislo(empty), console::InputEnded);
  testing_support::ScriptedConsole blanks("\n  \nabc\n");
  EXPECT_THROW(tochka::chislointeger(blanks, "BAD"), console::InputEnded);
}

TEST(Entry, DropsOnlyTheCarriageReturnThatEndsTheLine) {
  testing_support::ScriptedConsole con("2,5\r\n7\r\r\n8\r");
  EXPECT_EQ(tochka::chislo(con), 2.5f);
  EXPECT_EQ(tochka::chislo(con), std::nullopt);  // "7\r": the other CR is a byte
  EXPECT_EQ(tochka::chislo(con), 8.0f);          // a last line without LF still counts
}

}  // namespace
