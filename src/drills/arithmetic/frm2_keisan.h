// The "計算問題" drill window.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

class Frm2Keisan final : public app::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2Keisan";
  explicit Frm2Keisan(ui::Services& services);
};

}  // namespace zunobi::drills
