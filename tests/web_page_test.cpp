// The page's engine side (web/): its form read from the program's help, its
// recompute against the program itself, and the stand-ins for what the
// libc++ of the page's build lacks, against this build's own library.

#include <gtest/gtest.h>

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
#include "web/session.hpp"

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
      {"c2-range", web::Kind::value, {}, "МИН:МАКС пФ", "MIN:MAX pF"},
      {"freq", web::Kind::values, {}, "МГц", "MHz"},
      {"bands", web::Kind::flag, {"ham"}, "", ""},
      {"raise-q", web::Kind::flag, {}, "", ""},
      {"feed", web::Kind::choice, {"shunt", "series"}, "", ""},
      {"network", web::Kind::choice, {"pi", "pi-l"}, "", ""},
  };
  const auto ru = web::form_of(plan::kRussianTexts);
  const auto en = web::form_of(plan::kEnglishTexts);
  for (const Expected& e : table) {
    const web::Field* r = find(ru, e.name);
    const web::Field* n = find(en, e.name);
    ASSERT_TRUE(r != nullptr && n != nullptr) << e.name;
    EXPECT_EQ(r->kind, e.kind) << e.name;
    EXPECT_EQ(n->kind, e.kind) << e.name;
    EXPECT_EQ(r->choices, e.choices) << e.name;
    EXPECT_EQ(r->unit, e.unit_ru) << e.name;
    EXPECT_EQ(n->unit, e.unit_en) << e.name;
  }
  // Every option of the help but the eight the page stands in for or leaves to its commands,
  // in both languages in the same order, each with a label.
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
    for (const auto& f : g.fields) {
      names_en.push_back(f.name);
      EXPECT_FALSE(f.label.empty()) << f.name;
    }
  }
  EXPECT_EQ(names_ru, names_en);
  // Off the form: --format, --plot, --smith, --inputs, --help, --lang, the
  // coil calculator's --turns and the choke search's --choke-x-min.
  EXPECT_EQ(names_en.size() + 8, options);
  EXPECT_EQ(web::language_field(plan::kEnglishTexts).choices,
            (std::vector<std::string>{"ru", "en"}));
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
  return json::parse(s.compute(json(args).dump(), plan::kTableWidth));
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

TEST(WebSession, EachMessageGoesToTheFieldItNames) {
  struct Case {
    std::vector<std::string> args;
    std::string field;
  };
  std::vector<std::string> no_p_out(kStage.begin() + 2, kStage.end());
  const std::vector<Case> table{
      {with(kStage, {"--freq", "3,6,7"}), "freq"},
      {with(no_p_out, {"--p-out", "12x", "--bands", "ham"}), "p-out"},
      {with(no_p_out, {"--p-out", "9999", "--bands", "ham"}), "p-out"},
      {with(kStage, {"--bands", "ham", "--wire", "2"}), "wire"},
      {with(kStage, {"--bands", "ham", "--r-mid", "300"}), "r-mid"},
      {with(kStage, {"--bands", "ham", "--c1-max", "250", "--c2-range", "20-1000"}), "c2-range"},
  };
  web::Session s;
  for (const Case& c : table) {
    const json r = compute(s, c.args);
    ASSERT_FALSE(r["ok"].get<bool>()) << c.field;
    EXPECT_EQ(r["errors"][0]["field"], c.field) << r["errors"][0]["text"];
  }
  const std::vector<web::Group> form = web::form_of(plan::kEnglishTexts);
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
