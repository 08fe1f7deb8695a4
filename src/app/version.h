#pragma once

#include <string_view>

namespace zunobi::app {

inline constexpr std::string_view kProductName = "ズノビ";
// The project's version in CMakeLists.txt, which the package carries too.
inline constexpr std::string_view kVersion = ZUNOBI_VERSION;
inline constexpr std::string_view kCopyright = "Copyright (c) 2026 The Zunobi developers";

}  // namespace zunobi::app
