// The "記憶・数字列１" drill window: four digits recalled in a random order of positions.
#pragma once

#include <string_view>

#include "drills/memory/suujiretu_window.h"

namespace zunobi::drills {

class Frm2KiokuSuujiretu1 final : public SuujiretuWindow {
 public:
  static constexpr std::string_view kName = "frm2KiokuSuujiretu1";
  static const SuujiretuVariant kVariant;
  explicit Frm2KiokuSuujiretu1(ui::Services& services);
};

}  // namespace zunobi::drills
