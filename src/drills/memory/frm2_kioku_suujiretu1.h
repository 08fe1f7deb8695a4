// The "記憶・数字列" drill window.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

class Frm2KiokuSuujiretu1 final : public app::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2KiokuSuujiretu1";
  explicit Frm2KiokuSuujiretu1(ui::Services& services);
};

}  // namespace zunobi::drills
