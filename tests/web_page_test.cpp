// The page's engine side (web/): its form read from the program's help, its
// recompute against the program itself, and the stand-ins for what the
// libc++ of the page's build lacks, against this build's own library.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "plan/cli/app.hpp"
#include "web/compat.hpp"
#include "web/form.hpp"
#include "web/messages.hpp"
#include "web/session.hpp"
#include "web/texts_en.hpp"
#include "web/texts_ru.hpp"

namespace {

using nlohmann::json;

std::string library_text(float v) {
  std::array<char, 64> buf{};
  const std::to_chars_result r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), r.ptr);
}

TEST(WebCompat, ShortestTextIsTheLibrarysToChars) {
  std::vector<float> values{0.0f,           -0.0f,           1.0f,
                            0.1f,           100.0f,          1e10f,
                            123456790.0f,   1e-5f,           7.305454e-12f,
                            2.3893966e-07f, 45.012486f,      5449.4f,
                            65536.0f,       8388608.0f,      16777216.0f,
                            3.4028235e38f,  1.17549435e-38f, 1e-45f,
                            INFINITY,       -INFINITY,       NAN};
  // Every 99991st bit pattern: all exponents, both signs.
  for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 99991) {
    values.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));
  }
  int wrong = 0;
  for (const float v : values) {
    if (web_compat::shortest_text(v) != library_text(v) && ++wrong <= 5) {
      ADD_FAILURE() << library_text(v) << " written as " << web_compat::shortest_text(v);
    }
  }
  EXPECT_EQ(wrong, 0);
}

// Against values to 17 digits from a 30-digit calculation of K and E at
// the same double k. (glibc's build's std::comp_ellint_* are further off
// near k = 1: by 7e-13 of K at k = 0.999999, 4e-13 of E at 0.99.)
TEST(WebCompat, EllipticIntegralsAreRight) {
  struct Case {
    double k, big_k, big_e;
  };
  const std::vector<Case> table{
      {0.0, 1.5707963267948966, 1.5707963267948966},
      {1e-08, 1.5707963267948967, 1.5707963267948966},
      {0.1, 1.574745561517356, 1.5668619420216683},
      {0.5, 1.685750354812596, 1.4674622093394272},
      {0.7071067811865476, 1.854074677301372, 1.3506438810476755},
      {0.9, 2.2805491384227703, 1.1716970527816141},
      {0.99, 3.3566005233611919, 1.028475809028804},
      {0.999999, 7.947479773547967, 1.0000074474777244},
  };
  constexpr double kClose = 1e-15;  // relative: a few units in the last place
  for (const Case& c : table) {
    const web_compat::Integrals i = web_compat::complete_integrals(c.k);
    EXPECT_NEAR(i.k, c.big_k, kClose * c.big_k) << c.k;
    EXPECT_NEAR(i.e, c.big_e, kClose * c.big_e) << c.k;
  }
}

const web::Field* find(const std::vector<web::Group>& form, const std::string& name) {
  for (const web::Group& g : form) {
    for (const web::Field& f : g.fields) {
      if (f.name == name) return &f;
    }
  }
  return nullptr;
}

std::vector<web::Group> russian_form() {
  return web::form_of(plan::kRussianTexts, web::kRussianPage);
}
std::vector<web::Group> english_form() {
  return web::form_of(plan::kEnglishTexts, web::kEnglishPage);
}

std::vector<std::string> values_of(const std::vector<web::Choice>& choices) {
  std::vector<std::string> out;
  out.reserve(choices.size());
  for (const web::Choice& c : choices) out.push_back(c.value);
  return out;
}

TEST(WebForm, EveryOptionOfTheHelpIsAFieldOfItsKind) {
  struct Expected {
    std::string name;
    web::Kind kind;
    std::vector<std::string> choices;
    std::string unit_ru, unit_en;
  };
  const std::vector<Expected> table{
      {"p-out", web::Kind::value, {}, "Вт", "W"},
      {"exponent", web::Kind::value, {}, "", ""},
      {"q0", web::Kind::value, {"coil"}, "", ""},
      {"c2-range", web::Kind::value, {}, "пФ", "pF"},
      {"freq", web::Kind::values, {}, "МГц", "MHz"},
      {"bands", web::Kind::bands, {}, "", ""},
      {"raise-q", web::Kind::flag, {}, "", ""},
      {"feed", web::Kind::choice, {"shunt", "series"}, "", ""},
      {"network", web::Kind::choice, {"pi", "pi-l"}, "", ""},
  };
  const auto ru = russian_form();
  const auto en = english_form();
  for (const Expected& e : table) {
    const web::Field* r = find(ru, e.name);
    const web::Field* n = find(en, e.name);
    ASSERT_TRUE(r != nullptr && n != nullptr) << e.name;
    EXPECT_EQ(r->kind, e.kind) << e.name;
    EXPECT_EQ(n->kind, e.kind) << e.name;
    EXPECT_EQ(values_of(r->choices), e.choices) << e.name;
    EXPECT_EQ(r->unit, e.unit_ru) << e.name;
    EXPECT_EQ(n->unit, e.unit_en) << e.name;
  }
  // Every option of the help but the eight the page stands in for or leaves to its commands,
  // in both languages in the same order.
  const std::string help = plan::help_text(plan::kEnglishTexts);
  std::size_t options = 0;
  for (std::size_t at = help.find("\n  --"); at != std::string::npos;
       at = help.find("\n  --", at + 1)) {
    ++options;
  }
  std::vector<std::string> names_ru;
  std::vector<std::string> names_en;
  for (const auto& g : ru) {
    for (const auto& f : g.fields) names_ru.push_back(f.name);
  }
  for (const auto& g : en) {
    for (const auto& f : g.fields) names_en.push_back(f.name);
  }
  EXPECT_EQ(names_ru, names_en);
  // The band picker first, the free list of frequencies after it.
  const auto bands = std::find(names_en.begin(), names_en.end(), "bands");
  ASSERT_NE(bands, names_en.end());
  EXPECT_EQ(*std::next(bands), "freq");
  // Off the form: --format, --plot, --smith, --inputs, --help, --lang, the
  // coil calculator's --turns and the choke search's --choke-x-min.
  EXPECT_EQ(names_en.size() + 8, options);
  EXPECT_EQ(values_of(web::language_field(plan::kEnglishTexts, web::kEnglishPage).choices),
            (std::vector<std::string>{"ru", "en"}));
  // The band picker: the ham bands by name, "all HF" ticking all but 6 m.
  std::vector<int> metres;
  std::vector<int> hf;
  for (const web::BandChoice& b : find(ru, "bands")->bands) {
    metres.push_back(b.metres);
    if (b.hf) hf.push_back(b.metres);
  }
  EXPECT_EQ(metres, (std::vector<int>{160, 80, 40, 30, 20, 17, 15, 12, 10, 6}));
  EXPECT_EQ(hf, (std::vector<int>{160, 80, 40, 30, 20, 17, 15, 12, 10}));
}

// What the command line says and a form must not: option names, the
// dialog's prompt numbers, the word for an option.
bool speaks_the_command_line(std::string_view text) {
  for (const std::string_view word : {"--", " ключ", "запрос", "prompt", "option ", "options"}) {
    if (text.find(word) != std::string_view::npos) return true;
  }
  return false;
}

TEST(WebForm, EveryFieldSpeaksPlainWordsInBothLanguages) {
  for (const auto& [language, form] : {std::pair{"ru", russian_form()}, {"en", english_form()}}) {
    for (const web::Group& g : form) {
      EXPECT_FALSE(g.heading.empty() || speaks_the_command_line(g.heading)) << g.heading;
      for (const web::Field& f : g.fields) {
        EXPECT_FALSE(f.label.empty()) << language << " " << f.name << " has no label";
        for (const std::string& text : {f.label, f.unit, f.range, f.typical, f.help}) {
          EXPECT_FALSE(speaks_the_command_line(text)) << language << " " << f.name << ": " << text;
        }
        // A choice shows its words translated, a number's words too (Q0 from the coil).
        for (const web::Choice& c : f.choices) {
          EXPECT_TRUE(f.kind == web::Kind::flag || c.label != c.value)
              << language << " " << f.name << ": " << c.value << " untranslated";
        }
      }
    }
  }
}

const std::vector<std::string> kStage{
    "--p-out",     "400",     "--e-supply", "2500", "--r-load",    "50",      "--exponent",
    "1.5",         "--angle", "80",         "--q0", "200",         "--u-min", "250",
    "--filter-db", "45",      "--c-tube",   "12",   "--c-var-min", "8"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

std::string program_output(const std::vector<std::string>& args, const std::string& format) {
  std::ostringstream out;
  std::ostringstream err;
  plan::run(with(args, {"--format", format}), out, err);
  return out.str();
}

std::string program_json(const std::vector<std::string>& args) {
  return program_output(args, "json");
}

json compute(web::Session& s, const std::vector<std::string>& args) {
  return json::parse(s.compute(json(args).dump()));
}

TEST(WebSession, ComputesWhatTheProgramPrints) {
  web::Session s;
  for (const auto& args :
       {with(kStage, {"--bands", "ham"}),
        with(kStage, {"--freq", "3.6", "14.2", "--network", "pi-l", "--lang", "en"}),
        with(kStage, {"--freq", "7.1", "--coil-diameter", "50", "--wire", "2", "--pitch", "4"})}) {
    const json r = compute(s, args);
    ASSERT_TRUE(r["ok"].get<bool>());
    EXPECT_EQ(s.file("json"), program_json(args));
    EXPECT_EQ(s.file("table"), program_output(args, "table"));
    EXPECT_EQ(s.file("csv"), program_output(args, "csv"));
    EXPECT_EQ(s.plot(0).substr(0, 5), "<?xml");
  }
  EXPECT_EQ(s.plot(1), "");  // the last recompute has one frequency
}

TEST(WebSession, EachMessageStandsUnderItsFieldInThePagesWords) {
  struct Case {
    std::vector<std::string> args;
    std::string field;
    std::string text;  // the message, or its start
  };
  const std::vector<std::string> no_p_out(kStage.begin() + 2, kStage.end());
  const std::vector<std::string> en{"--lang", "en"};
  std::vector<std::string> q0_coil = kStage;
  q0_coil.at(11) = "coil";
  const std::vector<Case> table{
      {with(kStage, {"--freq", "3,6,7"}), "freq",
       "«Другие частоты»: «3,6,7» — не число; ожидается от 0,1 до 60 МГц (частоты разделяются "
       "пробелом, точкой с запятой или запятой с пробелом: 1,85; 3,6)"},
      {with(no_p_out, {"--p-out", "12x", "--bands", "ham"}), "p-out",
       "«Выходная мощность»: «12x» — не число"},
      {with(no_p_out, {"--p-out", "9999", "--bands", "ham"}), "p-out", "«Выходная мощность»: 9999"},
      {with(no_p_out, {"--bands", "ham"}), "p-out", "«Выходная мощность»: не заполнено"},
      {with(kStage, {"--bands", "ham", "--coil-diameter", "50", "--wire", "2"}), "pitch",
       "не заполнено: «Шаг намотки». Эти поля заполняются все вместе или остаются пустыми: "
       "«Диаметр катушки», «Диаметр провода катушки», «Шаг намотки»"},
      {with(with(kStage, {"--bands", "ham", "--c1-max", "250"}), en), "c2-range",
       "not filled in: “Range of C2”."},
      {with(kStage, {"--bands", "ham", "--c1-max", "250", "--c2-range", "20-1000"}), "c2-range",
       "«Пределы ёмкости КПЕ С2»: «20-1000»"},
      {with(kStage, {"--bands", "ham", "--r-mid", "300"}), "r-mid", "«Промежуточное"},
      {with(kStage, {"--bands", "ham", "--network", "pi-l", "--r-mid", "20"}), "r-mid",
       "«Промежуточное сопротивление Rm»: 20 Ом не больше сопротивления нагрузки "
       "«Сопротивление нагрузки» = 50 Ом"},
      {kStage, "freq", "не выбрано ни одной частоты"},
      {with(with(q0_coil, {"--bands", "ham"}), en), "q0",
       "Q0 from the coil comes from its sizes: fill in the coil's fields"},
  };
  web::Session s;
  for (const Case& c : table) {
    const json r = compute(s, c.args);
    ASSERT_FALSE(r["ok"].get<bool>()) << c.field;
    const std::string text = r["errors"][0]["text"];
    EXPECT_EQ(r["errors"][0]["field"], c.field) << text;
    EXPECT_EQ(text.substr(0, c.text.size()), c.text);
  }
  const std::vector<web::Group> form = english_form();
  EXPECT_EQ(web::field_named("--c-var-minimum and --c-var-min", form), "c-var-min");
  EXPECT_EQ(web::field_named("nothing", form), "");
}

TEST(WebSession, AFileSavedByTheProgramOpensAsTheSameDesign) {
  const std::vector<std::string> args =
      with(kStage, {"--freq", "3.6", "7.1", "--raise-q", "--network", "pi-l", "--r-mid", "300",
                    "--c1-max", "250", "--c2-range", "20:1000"});
  const std::string saved = program_json(args);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "valvenet-web-test.json";
  std::ofstream(path) << saved;
  const json opened = json::parse(web::open_inputs_json(path.string(), "en"));
  std::filesystem::remove(path);
  ASSERT_TRUE(opened["errors"].empty()) << opened["errors"];
  std::vector<std::string> again;
  for (const auto& [name, values] : opened["values"].items()) {
    again.push_back("--" + name);
    for (const auto& v : values) again.push_back(v.get<std::string>());
  }
  if (opened["raise_q"].get<bool>()) again.push_back("--raise-q");
  web::Session s;
  ASSERT_TRUE(compute(s, again)["ok"].get<bool>());
  EXPECT_EQ(s.file("json"), saved);
}

}  // namespace
