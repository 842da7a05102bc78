#include "matching/s11module.hpp"

namespace s11module {

float swrsub(cplx::Complex z, cplx::Complex z_ref) {
  return cplx::modulus(cplx::smith_quotient(z_ref - z, z + z_ref));
}

}  // namespace s11module
