// The "もぐらたたき" drill window.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

class Frm20Mogura final : public app::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm20Mogura";
  explicit Frm20Mogura(ui::Services& services);
};

}  // namespace zunobi::drills
