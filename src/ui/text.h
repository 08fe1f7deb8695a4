// Numbers as text, the way every caption and every judged answer writes them.
#pragma once

#include <cstdint>
#include <string>

namespace zunobi::ui {

// Plain half-width decimal: "-" for a negative value, no leading zeros,
// spaces or grouping.
inline std::string decimal(std::int64_t n) { return std::to_string(n); }

}  // namespace zunobi::ui
