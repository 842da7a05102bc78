// valvenet-plan from values to parts: the ratings, the coil and the
// variables' settings wired to the designs, the option groups and their
// messages, designs read back with --inputs, and English throughout.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "parts/coil.hpp"
#include "plan/cli/app.hpp"
#include "plan/texts/texts.hpp"
#include "plan/write/outputs.hpp"
#include "plan_fixtures.hpp"
#include "test_files.hpp"

namespace {

using Args = std::vector<std::string>;

using Ran = testing_support::PlanRun;

Ran run(const Args& args) {
  return testing_support::run_plan(args);
}

// A 400 W stage at 2500 V, Umin 250 V, into 50 ohm.
Args stage(const Args& more) {
  return testing_support::example_args(more);
}

const Args kBands{"--freq", "3.6", "7.1", "14.15", "28.5"};
const Args kCoil{"--coil-diameter", "50", "--wire", "2", "--pitch", "4"};
const Args kCaps{"--c1-max", "250", "--c2-range", "20:1000"};

Args join(std::initializer_list<Args> parts) {
  Args out;
  for (const Args& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

plan::Json json_of(const Args& args) {
  const Ran r = run(join({args, {"--format", "json"}}));
  EXPECT_EQ(r.status, 0) << r.err;
  return plan::Json::parse(r.out);
}

double num(const plan::Json& j) {
  return static_cast<double>(j.get<float>());
}

bool has_cyrillic(const std::string& s) {
  // UTF-8 of U+0400..U+04FF begins with 0xD0..0xD3.
  for (const char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xD0 && b <= 0xD3) return true;
  }
  return false;
}

// The anode swing is E - Umin = 2250 V peak, and the load's peak voltage
// sqrt(2 P R) = 200 V: the ratings follow by hand.
TEST(PlanParts, RatingsArePeaksOfTheSwingAndTheLoadTimesTheMargin) {
  struct Case {
    Args options;
    double c1_peak, c2_peak, blocking_peak, margin;
  };
  for (const Case& c : std::vector<Case>{
           {{}, 2250.0, 200.0, 4750.0, 2.0},
           {{"--feed", "shunt", "--margin", "1"}, 2250.0, 200.0, 4750.0, 1.0},
           {{"--feed", "series", "--margin", "2,5"}, 4750.0, 200.0, std::nan(""), 2.5},
       }) {
    const plan::Json doc = json_of(join({stage(kBands), c.options}));
    double largest_c1 = 0.0;
    for (const plan::Json& d : doc["designs"]) {
      const plan::Json& r = d["ratings"];
      EXPECT_NEAR(num(r["c1_peak_v"]), c.c1_peak, 0.02);
      EXPECT_NEAR(num(r["c1_rating_v"]), c.c1_peak * c.margin, 0.05);
      EXPECT_NEAR(num(r["c2_peak_v"]), c.c2_peak, 0.01);
      EXPECT_NEAR(num(r["c2_rating_v"]), c.c2_peak * c.margin, 0.02);
      EXPECT_EQ(r["blocking_rating_v"].is_null(), std::isnan(c.blocking_peak));
      if (!std::isnan(c.blocking_peak)) {
        EXPECT_NEAR(num(r["blocking_rating_v"]), c.blocking_peak * c.margin, 0.05);
      }
      EXPECT_EQ(num(r["margin"]), c.margin);
      largest_c1 = std::max(largest_c1, num(r["c1_rating_v"]));
    }
    EXPECT_EQ(num(doc["summary"]["largest_ratings"]["c1_rating_v"]["value"]), largest_c1);
  }
}

// Each band's turns give its L on this winding; the whole coil is the
// largest, each band tapped at its own turns; lengths by hand.
TEST(PlanParts, EachBandIsATapOfOneCoil) {
  const plan::Json doc = json_of(join({stage(kBands), kCoil}));
  const coil::Geometry g{50e-3, 4e-3, 2e-3};
  const plan::Json& whole = doc["summary"]["coil"];
  ASSERT_EQ(whole["taps"].size(), 4u);
  double most = 0.0;
  for (std::size_t k = 0; k < 4; ++k) {
    const plan::Json& d = doc["designs"][k];
    const double turns = num(d["coil"]["turns"]);
    const double l_h = num(d["results"]["l_uh"]) * 1e-6;
    EXPECT_NEAR(coil::inductance(turns, g), l_h, 1e-6 * l_h);
    // Wheeler's formula for a short coil (inches, uH) within a few per cent.
    const double r_in = 25.0 / 25.4;
    const double len_in = turns * 4.0 / 25.4;
    EXPECT_NEAR(r_in * r_in * turns * turns / (9.0 * r_in + 10.0 * len_in), l_h * 1e6,
                0.06 * l_h * 1e6);
    EXPECT_NEAR(num(d["coil"]["length_mm"]), turns * 4.0, 1e-4 * turns);
    EXPECT_NEAR(num(d["coil"]["conductor_m"]), turns * std::hypot(std::numbers::pi * 0.05, 0.004),
                1e-6 * turns);
    EXPECT_EQ(whole["taps"][k]["turns"], d["coil"]["turns"]);
    EXPECT_EQ(whole["taps"][k]["f_mhz"], d["f_mhz"]);
    most = std::max(most, turns);
  }
  EXPECT_EQ(num(whole["turns"]), most);
  const std::string table = run(join({stage(kBands), kCoil})).out;
  EXPECT_NE(table.find("отвод для 7.100 МГц: 12.31 витка от конца С1"), std::string::npos) << table;
  EXPECT_NE(table.find("витков 21.04, длина намотки 84.2 мм"), std::string::npos);
}

// The Pi-L's parts are its own: C2 rated at the voltage across Rm, L1's and
// L2's turns each give that coil's inductance, L1 is the tapped coil over
// the bands, the variables are set to the Pi-L's C1 (hot) and C2. The same
// values in every writer.
TEST(PlanParts, ThePiLHasItsOwnParts) {
  const Args args = join({stage(kBands), kCoil, kCaps, {"--network", "pi-l"}});
  const plan::Json doc = json_of(args);
  struct Wired {
    const char* group;
    const char* key;
    double (*expected)(const plan::Json& pi_l);  // from the Pi-L's own values
    double (*model)(double value);               // what the part's value gives back
  };
  const auto inductance_uh = [](double turns) {
    return coil::inductance(turns, coil::Geometry{50e-3, 4e-3, 2e-3}) * 1e6;
  };
  const auto same = [](double v) { return v; };
  const std::vector<Wired> wired{
      {"ratings", "c1_peak_v",
       [](const plan::Json& p) { return std::sqrt(2.0) * num(p["u_c1_rms"]); }, same},
      {"ratings", "c2_peak_v",
       [](const plan::Json& p) { return std::sqrt(2.0) * num(p["u_mid_rms"]); }, same},
      {"ratings", "c2_rating_v",
       [](const plan::Json& p) { return 2.0 * std::sqrt(2.0) * num(p["u_mid_rms"]); }, same},
      {"coil", "turns", [](const plan::Json& p) { return num(p["l1_uh"]); }, inductance_uh},
      {"l2_coil", "turns", [](const plan::Json& p) { return num(p["l2_uh"]); }, inductance_uh},
      {"tuning", "c2_setting_pf", [](const plan::Json& p) { return num(p["c2_pf"]); }, same},
  };
  const std::string csv = run(join({args, {"--format", "csv"}})).out;
  const std::string header = csv.substr(0, csv.find('\n'));
  for (std::size_t k = 0; k < 4; ++k) {
    const plan::Json& p = doc["designs"][k]["pi_l"];
    ASSERT_EQ(p["status"], "completed");
    for (const Wired& w : wired) {
      const double expected = w.expected(p);
      EXPECT_NEAR(w.model(num(p[w.group][w.key])), expected, 1e-5 * expected)
          << w.group << '.' << w.key << " at " << k;
    }
    // C1's variable holds the hot capacitance where it reaches that far.
    if (p["tuning"]["c1_reason"] == "inside") {
      EXPECT_EQ(p["tuning"]["c1_setting_pf"], p["c_hot_pf"]);
    }
    EXPECT_EQ(doc["summary"]["pi_l_parts"]["coil"]["taps"][k]["turns"], p["coil"]["turns"]);
  }
  EXPECT_NE(header.find(",pi_l_l2_coil_turns,"), std::string::npos) << header;
  EXPECT_NE(header.find(",pi_l_c2_rating_v,"), std::string::npos) << header;
  const std::string table = run(join({args, {"--lang", "en"}})).out;
  EXPECT_NE(table.find("L2 coil turns"), std::string::npos);
  EXPECT_NE(table.find("Pi-L: One coil for all frequencies"), std::string::npos) << table;
}

// The variable and its padder make up what the band needs: the hot
// capacitance for C1, C2 itself; a padder leaves a tenth of the range.
TEST(PlanParts, VariableAndPadderMakeUpTheNeed) {
  const plan::Json doc = json_of(join({stage(kBands), kCaps}));
  for (const plan::Json& d : doc["designs"]) {
    const plan::Json& t = d["tuning"];
    EXPECT_TRUE(t["reachable"].get<bool>());
    EXPECT_NEAR(num(t["c1_setting_pf"]) + num(t["c1_padder_pf"]), num(d["results"]["c_hot_pf"]),
                1e-3);
    EXPECT_NEAR(num(t["c2_setting_pf"]) + num(t["c2_padder_pf"]), num(d["results"]["c2_pf"]), 1e-3);
    const double padder = num(t["c2_padder_pf"]);
    EXPECT_EQ(padder, std::round(padder));
    if (padder > 0.0) {
      EXPECT_LE(num(t["c2_setting_pf"]), 1000.0 - 98.0 + 1e-3);
    }
    EXPECT_EQ(t["reason"], padder > 0.0 ? "padded" : "inside");
  }
  // C2 from 600 to 700 pF: 274 pF at 28.5 MHz lies below it.
  const Args narrow =
      join({stage({"--freq", "28.5"}), {"--c1-max", "250", "--c2-range", "600:700"}});
  const plan::Json j = json_of(narrow);
  EXPECT_FALSE(j["designs"][0]["tuning"]["reachable"].get<bool>());
  EXPECT_EQ(j["designs"][0]["tuning"]["reason"], "below_minimum");
  EXPECT_TRUE(j["designs"][0]["tuning"]["c2_setting_pf"].is_null());
  EXPECT_NE(run(narrow).out.find("С2 не настроить: нужная ёмкость меньше наименьшей"),
            std::string::npos);
}

TEST(PlanParts, BadPartsOptionsNameTheOptionAndComputeNothing) {
  struct Case {
    Args options;
    std::vector<std::string> messages;
  };
  for (const Case& c : std::vector<Case>{
           {{"--coil-diameter", "50"}, {"--coil-diameter без --wire, --pitch"}},
           {{"--wire", "2", "--pitch", "3"}, {"--wire, --pitch без --coil-diameter"}},
           {{"--c2-range", "10:20"}, {"--c2-range без --c1-max"}},
           {{"--margin", "0,5"}, {"--margin: 0,5 вне пределов; ожидается от 1 до 5"}},
           {{"--margin", "5.01"}, {"--margin: 5.01 вне пределов"}},
           {{"--feed", "both"}, {"«both»; ожидается shunt или series"}},
           {{"--coil-diameter", "50", "--wire", "3", "--pitch", "2,5"},
            {"шаг 2,5 меньше провода 3"}},
           {{"--coil-diameter", "2", "--wire", "2", "--pitch", "2"},
            {"не тоньше диаметра катушки 2"}},
           {{"--coil-diameter", "0", "--wire", "-1", "--pitch", "x"},
            {"--coil-diameter: 0 вне пределов; ожидается больше 0 мм", "--wire: -1 вне пределов",
             "--pitch: «x» — не число"}},
           {{"--c1-max", "8", "--c2-range", "10:20"},
            {"--c1-max: 8 не больше минимальной ёмкости КПЕ 8"}},
           {{"--c1-max", "250", "--c2-range", "20"}, {"«20» — ожидается МИН:МАКС"}},
           {{"--c1-max", "250", "--c2-range", "30:20"}, {"«30:20» — МИН должен быть меньше МАКС"}},
           {{"--c1-max", "250", "--c2-range", "-1:20"}, {"--c2-range: -1 вне пределов"}},
           {{"--lang", "de"}, {"--lang: неизвестный язык «de»"}},
           {{"--lang", "en", "--margin", "9"},
            {"--margin: 9 is out of range; expected from 1 to 5"}},
           {{"--lang", "en", "--coil-diameter", "5"}, {"--coil-diameter without --wire, --pitch"}},
       }) {
    const Ran r = run(stage(join({{"--freq", "7.1"}, c.options})));
    EXPECT_EQ(r.status, 2) << c.options.front();
    EXPECT_TRUE(r.out.empty());
    for (const std::string& m : c.messages) EXPECT_NE(r.err.find(m), std::string::npos) << r.err;
  }
}

// A JSON output read back with --inputs gives the same report in every
// format; an option on the command line wins over the file.
TEST(PlanParts, InputsReadBackEveryEarlierOutput) {
  const testing_support::TempDir dir;
  const std::string path = (dir.path() / "saved.json").string();
  for (const Args& options : std::vector<Args>{
           kBands,
           join({kBands, {"--raise-q", "--feed", "series", "--margin", "1,7"}}),
           join({kBands, kCoil, kCaps, {"--margin", "3.3"}}),
           join({kBands, kCoil, kCaps, {"--network", "pi-l", "--r-mid", "250,5"}}),
           join({kBands,
                 kCaps,
                 {"--choke-diameter", "25", "--choke-wire", "0.4", "--choke-pitch", "0.5",
                  "--choke-turns", "150.5", "--choke-series-mhz", "17,5", "--choke-guard", "8",
                  "--blocking-pf", "470"}}),
           {"--bands", "ham", "--c1-max", "300.5", "--c2-range", "0,5:1500"},
       }) {
    const Args first = stage(options);
    const Ran saved = run(join({first, {"--format", "json"}}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    testing_support::write_file(path, saved.out);
    for (const std::string format : {"json", "csv", "table"}) {
      const Ran again = run({"--inputs", path, "--format", format});
      EXPECT_EQ(again.status, 0) << again.err;
      EXPECT_EQ(again.out, run(join({first, {"--format", format}})).out) << format;
    }
  }
  const Ran over = run({"--inputs", path, "--margin", "4", "--freq", "7.1", "--format", "json"});
  const plan::Json j = plan::Json::parse(over.out);
  EXPECT_EQ(num(j["inputs"]["margin"]), 4.0);
  EXPECT_EQ(j["designs"].size(), 1u);
  EXPECT_EQ(num(j["inputs"]["c1_max_pf"]), 300.5);
  // The plain Pi over a Pi-L file: the file's Rm is left unread.
  testing_support::write_file(
      path, run(join({stage(kBands), {"--network", "pi-l", "--format", "json"}})).out);
  const Ran plain = run({"--inputs", path, "--network", "pi", "--format", "json"});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_FALSE(plan::Json::parse(plain.out)["inputs"].contains("r_mid"));
}

TEST(PlanParts, BadInputsFilesNameTheFileAndTheKey) {
  const testing_support::TempDir dir;
  const std::string path = (dir.path() / "s.json").string();
  const std::string good = run(join({stage(kBands), kCoil, {"--format", "json"}})).out;
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  struct Case {
    std::string content;  // empty: no file
    Args more;
    std::vector<std::string> messages;
  };
  for (const Case& c : std::vector<Case>{
           {"", {}, {"--inputs: не удалось прочитать " + path + ": нет такого файла"}},
           {"{\n  \"inputs\": {\n    \"p_out\" 400\n",
            {},
            {path + ": ошибка в записи JSON, строка 3, столбец"}},
           // Too large for a float: refused where it stands, not a crash.
           {replaced("\"p_out\": 400.0", "\"p_out\": 1e39"),
            {},
            {path + ": ошибка в записи JSON, строка 3, столбец 17"}},
           {replaced("\"p_out\"", "\"colour\""), {}, {path + ": неизвестный ключ inputs.colour"}},
           {replaced("\"raise_q\"", "\"raise\""), {}, {path + ": неизвестный ключ raise"}},
           {replaced("\"p_out\": 400.0", "\"p_out\": 9999"),
            {},
            {path + ", ключ p_out: 9999 вне пределов"}},
           {replaced("\"pitch_mm\": 4.0", "\"pitch_mm\": 1"), {}, {"шаг 1 меньше провода 2"}},
           {replaced("\"margin\": 2.0", "\"margin\": \"2\""),
            {},
            {path + ", ключ margin: ожидается число"}},
           {replaced("\"feed\": \"shunt\"", "\"feed\": 1"),
            {"--lang", "en"},
            {path + ", key feed: expected \"shunt\" or \"series\""}},
           {"[1, 2]", {}, {path + ", ключ inputs: ожидается объект"}},
       }) {
    std::filesystem::remove(path);
    if (!c.content.empty()) testing_support::write_file(path, c.content);
    const Ran r = run(join({{"--inputs", path}, c.more}));
    EXPECT_EQ(r.status, 2) << c.content;
    EXPECT_TRUE(r.out.empty());
    for (const std::string& m : c.messages) EXPECT_NE(r.err.find(m), std::string::npos) << r.err;
  }
}

TEST(PlanParts, EnglishHoldsNoCyrillic) {
  const testing_support::TempDir dir;
  const std::string svg = (dir.path() / "p.svg").string();
  const Args all = join({stage(kBands), kCoil, kCaps, {"--lang", "en", "--feed", "series"}});
  // Rm = 51 ohm: the Pi-L's L section with Q_L below 1, warned.
  const Args pi_l{"--network", "pi-l", "--r-mid", "51"};
  std::vector<Ran> ran;
  for (const Args& network : {Args{}, pi_l}) {
    for (const std::string format : {"table", "csv", "json"}) {
      ran.push_back(run(join({all, network, {"--format", format}})));
      EXPECT_EQ(ran.back().status, 0);
    }
    ran.push_back(run(join({stage({"--freq", "7.1"}), network, {"--lang", "en", "--plot", svg}})));
    ran.push_back({0, testing_support::read_file(svg), ""});
  }
  EXPECT_NE(ran[5].out.find("Pi-L: L-section Q_L"), std::string::npos) << ran[5].out;
  // A critical Q above 0.7 Q0: a refused design, in the table and the plot.
  const Args refused{
      "--p-out",  "1",  "--e-supply",  "10000", "--r-load",   "1",    "--exponent",  "1",
      "--angle",  "90", "--q0",        "50",    "--u-min",    "100",  "--filter-db", "50",
      "--c-tube", "10", "--c-var-min", "5",     "--freq",     "7",    "--lang",      "en",
      "--plot",   svg,  "--c1-max",    "100",   "--c2-range", "5:50", "--network",   "pi-l"};
  ran.push_back(run(refused));
  EXPECT_NE(ran.back().out.find("refused: Critical Q"), std::string::npos) << ran.back().out;
  ran.push_back({0, testing_support::read_file(svg), ""});
  ran.push_back(run({"--help", "--lang", "en"}));
  ran.push_back(
      run({"--lang", "en", "--p-out", "x", "--bogus", "--margin", "9", "--c2-range", "1"}));
  ran.push_back(run(join({stage(kBands), {"--lang", "en", "--network", "pi-x", "--r-mid", "1"}})));
  ran.push_back(run(join({stage(kBands), {"--lang", "en", "--network", "pi-l", "--r-mid", "9"}})));
  ran.push_back(run({"--lang", "en", "--inputs", "/nonexistent.json"}));
  // The anode choke, its warnings, the search and its help.
  const Args winding{"--choke-diameter", "25", "--choke-wire", "0.4", "--choke-pitch", "0.5"};
  ran.push_back(run(join({stage({"--bands", "ham"}),
                          kCaps,
                          winding,
                          {"--choke-turns", "150", "--blocking-pf", "100", "--lang", "en"}})));
  ran.push_back(run(join({{"choke"}, stage({"--bands", "ham"}), winding, {"--lang", "en"}})));
  ran.push_back(run({"choke", "--help", "--lang", "en"}));
  ran.push_back(run(join({{"choke"}, refused, winding})));
  for (const Ran& r : ran) {
    EXPECT_FALSE(has_cyrillic(r.out)) << r.out.substr(0, 400);
    EXPECT_FALSE(has_cyrillic(r.err)) << r.err;
    EXPECT_FALSE(r.out.empty() && r.err.empty());
  }
}

// Every field of the plan's texts is a string view after the language and
// the decimal mark; none may be left empty in either language.
TEST(PlanParts, EveryTextIsGivenInBothLanguages) {
  // visit_texts names every text (a static_assert beside it checks that
  // none is left out), so no byte of the struct is read.
  for (const plan::PlanTexts* t : {&plan::kRussianTexts, &plan::kEnglishTexts}) {
    std::size_t i = 0;
    plan::visit_texts(*t, [&](std::string_view s) {
      EXPECT_FALSE(s.empty()) << (t == &plan::kEnglishTexts ? "en" : "ru") << " text " << i;
      ++i;
    });
    EXPECT_GT(i, plan::kTextFields.size());
  }
  EXPECT_EQ(plan::kRussianTexts.language, plan::Language::ru);
  EXPECT_EQ(plan::kEnglishTexts.language, plan::Language::en);
}

}  // namespace
