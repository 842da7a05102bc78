#pragma once

// The shunt feed's parts around the tank: the C1 that makes up for the
// anode choke's reactance, the blocking capacitor and the choke wire's
// current density. SI units unless a name says otherwise.

namespace feed {

// The change of C1, F, that makes up for a choke of reactance X in parallel
// with it at f: 1 / (omega X). Positive for an inductive choke (X > 0: add
// this to C1), negative for a capacitive one (X < 0: take its magnitude off
// C1). Infinite at X = 0, a series resonance, where no C1 makes up for the
// choke shorting the anode.
// f_hz : frequency, Hz, > 0;  choke_x_ohm : the choke's reactance, ohm, any sign
double c1_change_f(double f_hz, double choke_x_ohm);

// The blocking capacitor's reactance on the lowest band is kept within this
// share of the anode load resistance (K5PC's rule), so that it hardly
// detunes the tank there.
constexpr double kBlockingShare = 0.05;

// The smallest blocking capacitance, F, whose reactance at f_low is at most
// kBlockingShare of R_oe: 1 / (2 pi f_low kBlockingShare R_oe).
// f_low_hz : lowest working frequency, Hz, > 0;  r_oe_ohm : anode load resistance, ohm, > 0
double blocking_capacitance_f(double f_low_hz, double r_oe_ohm);

// Current density in a round wire, A/mm^2: I / (pi d^2 / 4).
// current_a : current, A (RMS for heating), >= 0;  wire_m : wire diameter, m, > 0
double current_density_a_per_mm2(double current_a, double wire_m);

}  // namespace feed
