// The "文章問題" drill window.
#pragma once

#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Bunsyo final : public drills::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm2Bunsyo";
  explicit Frm2Bunsyo(ui::Services& services);
};

}  // namespace zunobi::drills
