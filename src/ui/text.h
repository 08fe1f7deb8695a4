// Numbers as text, the way every caption and every judged answer writes them.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace zunobi::ui {

// Plain half-width decimal: "-" for a negative value, no leading zeros,
// spaces or grouping.
inline std::string decimal(std::int64_t n) { return std::to_string(n); }

// Int(x): rounds towards minus infinity.
inline std::int64_t intPart(double x) { return static_cast<std::int64_t>(std::floor(x)); }

// Rounding to the nearest whole number, halves to the even neighbour.
inline std::int64_t roundHalfEven(double x) {
  double f = std::floor(x);
  double diff = x - f;
  if (diff > 0.5) return static_cast<std::int64_t>(f) + 1;
  if (diff < 0.5) return static_cast<std::int64_t>(f);
  auto i = static_cast<std::int64_t>(f);
  return (i % 2 == 0) ? i : i + 1;
}

}  // namespace zunobi::ui
