#pragma once

#include <string_view>

namespace zunobi::app {

inline constexpr std::string_view kProductName = "ズノビ";
inline constexpr std::string_view kVersion = "1.0.0";
inline constexpr std::string_view kCopyright = "Copyright (c) 2026 The Zunobi developers";

}  // namespace zunobi::app
