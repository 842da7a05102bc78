// Console texts in UTF-8 and their code page 866 form.

#include <gtest/gtest.h>

#include <string>

#include "printer/results.hpp"
#include "text/texts.hpp"

namespace {

const text::ConsoleTexts& utf8 = text::console_texts(text::Encoding::utf8);
const text::ConsoleTexts& cp866 = text::console_texts(text::Encoding::cp866);

TEST(ConsoleEncoding, CyrillicTakesTwoBytesInUtf8AndOneInCodePage866) {
  EXPECT_EQ(results::console_label(results::lines(text::Encoding::utf8)[0]).size(), 49u);
  EXPECT_EQ(results::console_label(results::lines(text::Encoding::cp866)[0]).size(), 31u);
  EXPECT_EQ(utf8.inputs_heading.size(), 30u);
  EXPECT_EQ(cp866.inputs_heading.size(), 16u);
  EXPECT_EQ(utf8.yes_words[2], "\xd0\x9d");
  EXPECT_EQ(cp866.yes_words[2], "\x8d");
  EXPECT_EQ(cp866.yes_words[3], "\xad");
}

TEST(ConsoleEncoding, CodePage866FormIsTheConversionOfTheUtf8Text) {
  const auto same = [](text::Text a, text::Text b) { EXPECT_EQ(text::utf8_to_cp866(a), b); };
  for (std::size_t i = 0; i < results::kLineCount; ++i) {
    same(results::lines(text::Encoding::utf8)[i].label,
         results::lines(text::Encoding::cp866)[i].label);
  }
  for (std::size_t i = 0; i < utf8.dialog_prompts.size(); ++i) {
    same(utf8.dialog_prompts[i], cp866.dialog_prompts[i]);
  }
  for (std::size_t i = 0; i < utf8.warnings.size(); ++i) same(utf8.warnings[i], cp866.warnings[i]);
  same(utf8.menu_prompt, cp866.menu_prompt);
  same(utf8.bad_symbol, cp866.bad_symbol);
}

TEST(ConsoleEncoding, MapsTheWholeRussianAlphabet) {
  EXPECT_EQ(text::utf8_to_cp866("АЯапряЁё"), "\x80\x9f\xa0\xaf\xe0\xef\xf0\xf1");
  EXPECT_EQ(text::utf8_to_cp866("Umin, \t= 3.61"), "Umin, \t= 3.61");
  EXPECT_EQ(text::utf8_to_cp866("µ\xff"), "??");
}

TEST(ConsoleEncoding, LookAlikeLettersStayAsWritten) {
  // The banner's "c" before П is Latin; "Сл + Cм" mixes Cyrillic and Latin C.
  EXPECT_NE(utf8.banner[1].find("c \xd0\x9f"), text::Text::npos);
  EXPECT_EQ(utf8.inputs_left[3].substr(0, 3), " \xd0\xa1");
  EXPECT_NE(utf8.inputs_left[3].find(" C\xd0\xbc"), text::Text::npos);
}

}  // namespace
