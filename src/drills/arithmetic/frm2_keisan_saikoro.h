// The "計算問題・さいころ" drill window.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

class Frm2KeisanSaikoro final : public app::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2KeisanSaikoro";
  explicit Frm2KeisanSaikoro(ui::Services& services);
};

}  // namespace zunobi::drills
