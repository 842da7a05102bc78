#pragma once

// From values to parts: for each design the voltage rating of each
// capacitor, the coil to wind and the variable capacitors' settings, and
// over all designs the largest ratings and one tapped coil. Every new value
// is one entry in kPartLines, which the table, CSV and JSON walk.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "main/pi_l_design.hpp"
#include "main/starting_values.hpp"
#include "parts/choke.hpp"
#include "parts/coil.hpp"
#include "parts/coil_loss.hpp"
#include "parts/ratings.hpp"
#include "parts/tuning.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/report/summary.hpp"
#include "plan/texts/text_fields.hpp"

namespace plan {

// The limits of the parts options, for parsing and --help.
namespace parts_range {
using starting_values::Range;
inline constexpr Range margin{static_cast<float>(ratings::kMarginMin), true,
                              static_cast<float>(ratings::kMarginMax)};
inline constexpr Range size_mm{0.0f, false};    // coil diameter, wire, pitch, mm
inline constexpr Range c1_max_pf{0.0f, false};  // and above --c-var-min
inline constexpr Range c2_end_pf{0.0f, true};   // each end of --c2-range, MIN < MAX
// The turns of a winding (the coil calculator's, the choke's): the coil model's own limits.
inline constexpr Range turns{static_cast<float>(coil::kMinTurns), true,
                             static_cast<float>(coil::kMaxTurns)};
// A measured series resonance: inside the choke model's range, 0.1-60 MHz.
inline constexpr Range choke_series_mhz{static_cast<float>(choke::kLowestHz * 1e-6), true,
                                        static_cast<float>(choke::kHighestHz * 1e-6)};
// The guard band around a series resonance, % of the band: a distance.
inline constexpr Range choke_guard_pct{0.0f, false, 100.0f};
// The search's reactance floor over R_oe (choke_search::Request::x_min).
inline constexpr Range choke_x_min{0.0f, true};
inline constexpr Range blocking_pf{0.0f, false};
}  // namespace parts_range

// The keys of the parts options in the JSON "inputs" object, which
// --inputs reads back.
namespace parts_key {
inline constexpr std::string_view feed = "feed";
inline constexpr std::string_view margin = "margin";
inline constexpr std::string_view coil_diameter = "coil_diameter_mm";
inline constexpr std::string_view wire = "wire_mm";
inline constexpr std::string_view pitch = "pitch_mm";
inline constexpr std::string_view c1_max = "c1_max_pf";
inline constexpr std::string_view c2_range = "c2_range_pf";  // [MIN, MAX]
inline constexpr std::string_view choke_diameter = "choke_diameter_mm";
inline constexpr std::string_view choke_wire = "choke_wire_mm";
inline constexpr std::string_view choke_pitch = "choke_pitch_mm";
inline constexpr std::string_view choke_turns = "choke_turns";
inline constexpr std::string_view choke_series = "choke_series_mhz";
inline constexpr std::string_view choke_guard = "choke_guard_pct";
inline constexpr std::string_view choke_x_min = "choke_x_min";
inline constexpr std::string_view blocking = "blocking_pf";
}  // namespace parts_key

// The coil options, mm.
struct CoilOptions {
  float diameter_mm = 0.0f;
  float wire_mm = 0.0f;
  float pitch_mm = 0.0f;
};

// The variable capacitors: C1 from --c-var-min to c1_max_pf, C2 over its range.
struct CapacitorOptions {
  float c1_max_pf = 0.0f;
  float c2_min_pf = 0.0f;
  float c2_max_pf = 0.0f;
};

// A band within this distance of a choke's series resonance is warned of,
// %, unless --choke-guard says otherwise: the model's error on the first
// mode (13-14 % against measured coils) rounded up.
inline constexpr float kDefaultChokeGuardPct = 15.0f;

// The anode choke (shunt feed): its winding, mm, its turns, the first series
// resonance it was measured at, if it was, and the guard band, %.
struct ChokeOptions {
  CoilOptions winding;
  float turns = 0.0f;
  std::optional<float> series_mhz;
  float guard_pct = kDefaultChokeGuardPct;
};

struct PartsOptions {
  ratings::Feed feed = ratings::Feed::shunt;
  float margin = static_cast<float>(ratings::kMarginDefault);
  std::optional<CoilOptions> coil;
  std::optional<CapacitorOptions> capacitors;
  std::optional<ChokeOptions> choke;  // shunt feed only
  std::optional<float> blocking_pf;   // --blocking-pf: the blocking capacitor to check, pF
};

// The anode choke at one band of a network.
struct ChokeAt {
  double x_ohm = 0.0;  // > 0 inductive
  double r_ohm = 0.0;
  double z_ohm = 0.0;
  double i_rf_a = 0.0;                // the anode's RMS voltage over |Z|
  double loss_w = 0.0;                // I^2 R
  double delta_c1_pf = 0.0;           // added to C1 (taken off when negative)
  std::optional<tuning::Setting> c1;  // C1's variable with it, with --c1-max
  double nearest_series_mhz = 0.0;
  double nearest_series_pct = 0.0;  // |f - f_series| / f
  double i_dc_a = 0.0;
  double dc_drop_v = 0.0;  // R_dc I_dc
  double j_a_mm2 = 0.0;    // of the wire's RMS current, DC and RF together
};

// The blocking capacitor at one band of a network (shunt feed).
struct BlockingAt {
  double c_min_pf = 0.0;  // the smallest within 5 % of R_oe on the lowest band
  double c_pf = 0.0;      // the one checked: --blocking-pf, else c_min_pf
  double x_pct = 0.0;     // its reactance over R_oe at the band, %
  double i_rf_a = 0.0;    // the anode's RF current into the tank, RMS
  double q_var = 0.0;     // its reactive power
};

// The parts of one completed design (a refused design has none): of its
// plain Pi, or of its Pi-L, whose C2 is rated at the voltage across Rm and
// whose L1 is the coil tapped over the bands.
struct Parts {
  ratings::Ratings ratings;
  double coil_h = 0.0;                    // the inductance the coil is wound for (L or L1), H
  std::optional<coil::Solved> coil;       // with the coil options
  std::optional<coil::Solved> l2_coil;    // the Pi-L's L2, with the coil options
  std::optional<tuning::Setting> c1, c2;  // with the capacitor options
  // The coil's own loss and resonance at the band, of the turns in use
  // (plan/coil_parts.hpp): the coil (L or L1), the Pi-L's L2.
  std::optional<coil_loss::Values> coil_at_f, l2_coil_at_f;
  std::optional<double> coil_eff_network_pct;  // 1 - Q_L / Q_apparent, %; the plain Pi's
  // The shunt feed's parts (plan/report/feed_parts.hpp).
  std::optional<ChokeAt> choke;        // with the choke options
  std::optional<BlockingAt> blocking;  // with shunt feed
};

// The groups of values, each an object of a design in JSON.
enum class PartGroup { ratings, coil, tuning, l2_coil };

// A value of a solved coil: turns, winding length in mm, conductor length in m.
enum class CoilValue { turns, length_mm, conductor_m };
std::optional<double> coil_value(const std::optional<coil::Solved>& solved, CoilValue v);

// A value of the coil's own loss at the band, when it has one.
template <class Of>
std::optional<double> coil_loss_value(const std::optional<coil_loss::Values>& v, Of of) {
  if (!v) return std::nullopt;
  return of(*v);
}

// One value of the parts: its JSON key in its group, CSV column, table
// label, decimals in the table, and the name of the part whose largest
// value the summary gives (nullptr: the summary leaves the value out).
struct PartLine {
  PartGroup group;
  std::string_view key;
  std::string_view csv;
  std::string_view PartTexts::*label;  // in the texts' `parts`
  int decimals;
  std::string_view PlanTexts::*summary_name;
  std::optional<double> (*value)(const Parts&);
};

inline constexpr std::array<PartLine, 26> kPartLines{{
    {PartGroup::ratings, "c1_peak_v", "c1_peak_v", &PartTexts::c1_peak_v, 0, nullptr,
     [](const Parts& p) -> std::optional<double> { return p.ratings.c1_peak_v; }},
    {PartGroup::ratings, "c1_rating_v", "c1_rating_v", &PartTexts::c1_rating_v, 0,
     &PlanTexts::capacitor_c1,
     [](const Parts& p) -> std::optional<double> { return p.ratings.c1_rating_v; }},
    {PartGroup::ratings, "c2_peak_v", "c2_peak_v", &PartTexts::c2_peak_v, 0, nullptr,
     [](const Parts& p) -> std::optional<double> { return p.ratings.c2_peak_v; }},
    {PartGroup::ratings, "c2_rating_v", "c2_rating_v", &PartTexts::c2_rating_v, 0,
     &PlanTexts::capacitor_c2,
     [](const Parts& p) -> std::optional<double> { return p.ratings.c2_rating_v; }},
    {PartGroup::ratings, "blocking_rating_v", "blocking_rating_v", &PartTexts::blocking_rating_v, 0,
     &PlanTexts::capacitor_blocking, [](const Parts& p) { return p.ratings.blocking_rating_v; }},
    {PartGroup::coil, "turns", "coil_turns", &PartTexts::coil_turns, 2, nullptr,
     [](const Parts& p) { return coil_value(p.coil, CoilValue::turns); }},
    {PartGroup::coil, "length_mm", "coil_length_mm", &PartTexts::coil_length_mm, 1, nullptr,
     [](const Parts& p) { return coil_value(p.coil, CoilValue::length_mm); }},
    {PartGroup::coil, "conductor_m", "coil_conductor_m", &PartTexts::coil_conductor_m, 2, nullptr,
     [](const Parts& p) { return coil_value(p.coil, CoilValue::conductor_m); }},
    {PartGroup::tuning, "c1_setting_pf", "c1_setting_pf", &PartTexts::c1_setting_pf, 1, nullptr,
     [](const Parts& p) -> std::optional<double> {
       if (!p.c1 || !p.c1->reachable) return std::nullopt;
       return p.c1->setting_pf;
     }},
    {PartGroup::tuning, "c1_padder_pf", "c1_padder_pf", &PartTexts::c1_padder_pf, 0, nullptr,
     [](const Parts& p) -> std::optional<double> {
       if (!p.c1 || !p.c1->reachable) return std::nullopt;
       return p.c1->padder_pf;
     }},
    {PartGroup::tuning, "c2_setting_pf", "c2_setting_pf", &PartTexts::c2_setting_pf, 1, nullptr,
     [](const Parts& p) -> std::optional<double> {
       if (!p.c2 || !p.c2->reachable) return std::nullopt;
       return p.c2->setting_pf;
     }},
    {PartGroup::tuning, "c2_padder_pf", "c2_padder_pf", &PartTexts::c2_padder_pf, 0, nullptr,
     [](const Parts& p) -> std::optional<double> {
       if (!p.c2 || !p.c2->reachable) return std::nullopt;
       return p.c2->padder_pf;
     }},
    {PartGroup::l2_coil, "turns", "l2_coil_turns", &PartTexts::l2_coil_turns, 2, nullptr,
     [](const Parts& p) { return coil_value(p.l2_coil, CoilValue::turns); }},
    {PartGroup::l2_coil, "length_mm", "l2_coil_length_mm", &PartTexts::l2_coil_length_mm, 1,
     nullptr, [](const Parts& p) { return coil_value(p.l2_coil, CoilValue::length_mm); }},
    {PartGroup::l2_coil, "conductor_m", "l2_coil_conductor_m", &PartTexts::l2_coil_conductor_m, 2,
     nullptr, [](const Parts& p) { return coil_value(p.l2_coil, CoilValue::conductor_m); }},
    {PartGroup::coil, "q", "coil_q", &PartTexts::coil_q, 0, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.coil_at_f, [](const coil_loss::Values& v) { return v.q; });
     }},
    {PartGroup::coil, "q_apparent", "coil_q_apparent", &PartTexts::coil_q_apparent, 0, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.coil_at_f, [](const coil_loss::Values& v) { return v.q_apparent; });
     }},
    {PartGroup::coil, "r_ohm", "coil_r_ohm", &PartTexts::coil_r_ohm, 4, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.coil_at_f, [](const coil_loss::Values& v) { return v.r_ohm; });
     }},
    {PartGroup::coil, "c_self_pf", "coil_c_self_pf", &PartTexts::coil_c_self_pf, 2, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.coil_at_f,
                              [](const coil_loss::Values& v) { return v.c_self_f * 1e12; });
     }},
    {PartGroup::coil, "srf_mhz", "coil_srf_mhz", &PartTexts::coil_srf_mhz, 2, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.coil_at_f,
                              [](const coil_loss::Values& v) { return v.srf_hz * 1e-6; });
     }},
    {PartGroup::l2_coil, "q", "l2_coil_q", &PartTexts::l2_coil_q, 0, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.l2_coil_at_f, [](const coil_loss::Values& v) { return v.q; });
     }},
    {PartGroup::l2_coil, "q_apparent", "l2_coil_q_apparent", &PartTexts::l2_coil_q_apparent, 0,
     nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.l2_coil_at_f,
                              [](const coil_loss::Values& v) { return v.q_apparent; });
     }},
    {PartGroup::l2_coil, "r_ohm", "l2_coil_r_ohm", &PartTexts::l2_coil_r_ohm, 4, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.l2_coil_at_f, [](const coil_loss::Values& v) { return v.r_ohm; });
     }},
    {PartGroup::l2_coil, "c_self_pf", "l2_coil_c_self_pf", &PartTexts::l2_coil_c_self_pf, 2,
     nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.l2_coil_at_f,
                              [](const coil_loss::Values& v) { return v.c_self_f * 1e12; });
     }},
    {PartGroup::l2_coil, "srf_mhz", "l2_coil_srf_mhz", &PartTexts::l2_coil_srf_mhz, 2, nullptr,
     [](const Parts& p) {
       return coil_loss_value(p.l2_coil_at_f,
                              [](const coil_loss::Values& v) { return v.srf_hz * 1e-6; });
     }},
    {PartGroup::coil, "eff_network_pct", "coil_eff_network_pct", &PartTexts::coil_eff_network_pct,
     2, nullptr, [](const Parts& p) { return p.coil_eff_network_pct; }},
}};

// Whether a run with these options gives a group (to the networks that have it).
// group : any;  options : the run's parts options
bool shows(PartGroup group, const PartsOptions& options);

// The JSON name of a group, and of a feed and a tuning reason (any value of each).
std::string_view group_key(PartGroup group);
std::string_view feed_key(ratings::Feed feed);
std::string_view reason_key(tuning::Reason reason);

// The parts of one design: nullopt for a refused one.
// design  : a design of design_at with these typed starting values
// typed   : the starting values (E, V; Cvar,min, pF)
// options : the parts options, within parts_range
std::optional<Parts> parts_of(const Design& design, const TypedInputs& typed,
                              const PartsOptions& options);

// The parts of a Pi-L design: nullopt for a refused one.
// design  : a Pi-L design of these typed starting values
// typed   : the starting values (E, V; Cvar,min, pF)
// options : the parts options, within parts_range
std::optional<Parts> pi_l_parts_of(const design::PiLDesign& design, const TypedInputs& typed,
                                   const PartsOptions& options);

// Whether both variables reach the band, and the one reason that says how:
// the first capacitor that cannot, else padded when either is, else inside.
// parts : of a run with the capacitor options
bool reachable(const Parts& parts);
tuning::Reason overall_reason(const Parts& parts);

// The units the summary's whole winding is told in.
inline constexpr double kPicofaradsPerFarad = 1e12;
inline constexpr double kMegahertzPerHz = 1e-6;

// Over all designs: the largest value of each line with a summary_name (nullopt
// when no design has it), and the one tapped coil with the coil options.
struct PartsSummary {
  std::array<std::optional<AtFrequency>, kPartLines.size()> largest;
  std::optional<coil::Tapped> coil;
  std::vector<float> tap_f_mhz;  // the frequency of each tap, in the taps' order
  // The whole winding's self-capacitance and self-resonance (which do not
  // depend on f), evaluated at the first tap's frequency.
  std::optional<coil_loss::Values> whole;
};

// designs : the run's designs;  parts : one per design, in the same order
// options : the run's parts options
PartsSummary summarise_parts(const std::vector<Design>& designs,
                             const std::vector<std::optional<Parts>>& parts,
                             const PartsOptions& options);

// The coil geometry of the options, metres.
// c : the coil options, mm, each > 0
coil::Geometry geometry(const CoilOptions& c);

}  // namespace plan
