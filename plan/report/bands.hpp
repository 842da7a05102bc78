#pragma once

// The amateur bands by their wavelength, for naming a frequency by its band.

#include <array>
#include <optional>

namespace plan {

struct Band {
  int metres;      // its name: the wavelength in metres
  float low_mhz;   // MHz, its lowest frequency
  float high_mhz;  // MHz, its highest
};

// The HF bands and 6 m (region 1 and 2 edges, the widest of them).
inline constexpr std::array<Band, 11> kBands{{{160, 1.8f, 2.0f},
                                              {80, 3.5f, 4.0f},
                                              {60, 5.25f, 5.45f},
                                              {40, 7.0f, 7.3f},
                                              {30, 10.1f, 10.15f},
                                              {20, 14.0f, 14.35f},
                                              {17, 18.068f, 18.168f},
                                              {15, 21.0f, 21.45f},
                                              {12, 24.89f, 24.99f},
                                              {10, 28.0f, 29.7f},
                                              {6, 50.0f, 54.0f}}};

// The band a frequency lies in, ends included; none outside the bands.
// f_mhz : MHz, any
inline std::optional<Band> band_of(float f_mhz) {
  for (const Band& b : kBands) {
    if (f_mhz >= b.low_mhz && f_mhz <= b.high_mhz) return b;
  }
  return std::nullopt;
}

}  // namespace plan
