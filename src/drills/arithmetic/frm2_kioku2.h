// The "記憶・計算問題Ⅱ" drill window.
#pragma once

#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Kioku2 final : public drills::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2Kioku2";
  explicit Frm2Kioku2(ui::Services& services);
};

}  // namespace zunobi::drills
