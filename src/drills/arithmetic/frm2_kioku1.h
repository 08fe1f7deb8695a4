// The "記憶・計算問題Ⅰ" drill window.
#pragma once

#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Kioku1 final : public drills::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2Kioku1";
  explicit Frm2Kioku1(ui::Services& services);
};

}  // namespace zunobi::drills
