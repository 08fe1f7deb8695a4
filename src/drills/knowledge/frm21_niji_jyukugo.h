// The "二字熟語" drill window.
#pragma once

#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm21NijiJyukugo final : public drills::DrillWindow {
 public:
  static constexpr std::string_view kName = "frm21NijiJyukugo";
  explicit Frm21NijiJyukugo(ui::Services& services);
};

}  // namespace zunobi::drills
