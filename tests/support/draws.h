// Random values to script: the r that makes a chosen draw.
#pragma once

#include <cmath>
#include <cstdint>

namespace zunobi::ui::testing {

// The largest r below 1: the top edge of [0, 1).
inline const double kTop = std::nextafter(1.0, 0.0);

// The middle of the r interval whose drawOneTo(r, n) is k (1 … n).
inline double drawFor(std::int32_t k, std::int32_t n) { return (k - 0.5) / n; }

}  // namespace zunobi::ui::testing
