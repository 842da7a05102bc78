#pragma once

// Every value of one calculation of the output stage.

#include <array>
#include <cstdint>
#include <vector>

#include "main/warnings.hpp"

namespace stage {

// The eleven starting values in record order, SI units (W, V, F, Hz, ohm, dB).
struct StageInputs {
  float p_out = 0.0f;          // W, required output power
  float e_supply = 0.0f;       // V, anode supply voltage
  float u_min = 0.0f;          // V, minimum instantaneous anode voltage
  float c_tube = 0.0f;         // F, tube output plus wiring capacitance
  float c_var_min = 0.0f;      // F, minimum of the variable capacitor
  float f_hz = 0.0f;           // Hz, operating frequency
  float r_load = 0.0f;         // ohm, load resistance
  float filter_db = 0.0f;      // dB, required 2nd-harmonic suppression
  float q_unloaded = 0.0f;     // unloaded Q of the network
  float cutoff_deg = 0.0f;     // degrees, cut-off angle
  float tube_exponent = 0.0f;  // exponent of the tube characteristic
};

// The 34 results, report units. How each report shows them is described in
// printer/results.hpp; the order here is the record's (and the bit table's).
struct StageResults {
  float p_output = 0.0f;            // W
  float p_h1 = 0.0f;                // W
  float p_supply = 0.0f;            // W
  float p_network_loss = 0.0f;      // W
  float p_anode = 0.0f;             // W
  float eff_network_pct = 0.0f;     // %
  float eff_anode_pct = 0.0f;       // %
  float eff_total_pct = 0.0f;       // %
  float i_peak_ma = 0.0f;           // mA
  float i_h1_ma = 0.0f;             // mA
  float i_dc_ma = 0.0f;             // mA
  float supply_utilisation = 0.0f;  // ratio
  float filter_achieved_db = 0.0f;  // dB
  float passband_khz = 0.0f;        // kHz
  float q_loaded = 0.0f;
  float q_critical = 0.0f;
  float r_oe = 0.0f;           // ohm
  float c1_optimum_pf = 0.0f;  // pF
  float c1_total_pf = 0.0f;    // pF
  float c_hot_pf = 0.0f;       // pF
  float l_uh = 0.0f;           // uH
  float c2_pf = 0.0f;          // pF
  float q_c1_var = 0.0f;       // VAr
  float q_c2_var = 0.0f;       // VAr
  float q_l_var = 0.0f;        // VAr
  float i_coil_a = 0.0f;       // A rms
  float i_c1_a = 0.0f;         // A rms
  float i_c2_a = 0.0f;         // A rms
  float u_in_rms = 0.0f;       // V rms
  float u_out_rms = 0.0f;      // V rms
  float p_h2_out_mw = 0.0f;    // mW
  float s11_at_f = 0.0f;       // |S11| at f
  float s22_at_f = 0.0f;       // |S22| at f
  float s11_band_khz = 0.0f;   // kHz
};
static_assert(sizeof(StageResults) == 34 * sizeof(float));

struct PulseCoeffs {
  float a0 = 0.0f;  // DC term of the pulse normalised to a peak of 1
  float a1 = 0.0f;  // first harmonic
  float a2 = 0.0f;  // second harmonic
};

// The elements of the final network in SI units, exactly as the sweeps and
// the reflections of the calculation used them.
struct FinalElements {
  float c1 = 0.0f;      // F, total anode-side capacitance
  float c2 = 0.0f;      // F
  float l_coil = 0.0f;  // H
};

// The one record the main program owns for the whole run.
struct StageRecord {
  StageInputs start;   // working starting values: written by the dialog and the menu
  StageInputs inputs;  // snapshot taken at the start of the last calculation
  StageResults results;
  PulseCoeffs pulse_coeffs;
  FinalElements final_elements;  // all 0 after a refused calculation
  std::int32_t hot_cap_warning = 0;
  std::vector<warnings::Warning> warnings;  // of the last completed calculation
  float f_mhz_shown = 0.0f;                 // MHz, the frequency of the last calculation
};

}  // namespace stage
