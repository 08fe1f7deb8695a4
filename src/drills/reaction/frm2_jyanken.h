// The "じゃんけん" drill window.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

class Frm2Jyanken final : public app::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2Jyanken";
  explicit Frm2Jyanken(ui::Services& services);
};

}  // namespace zunobi::drills
