#pragma once

// The magnitude of a reflection coefficient.

#include "network/cplx.hpp"

namespace s11module {

// Magnitude of the reflection coefficient of z against z_ref, (z_ref - z) / (z + z_ref).
// z, z_ref : impedances, ohm
float swrsub(cplx::Complex z, cplx::Complex z_ref);

}  // namespace s11module
