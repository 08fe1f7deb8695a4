// The "記憶・数字列２" drill window: six digits, two pairs of them added as two-digit numbers.
#pragma once

#include <string_view>

#include "drills/memory/suujiretu_window.h"

namespace zunobi::drills {

class Frm2KiokuSuujiretu2 final : public SuujiretuWindow {
 public:
  static constexpr std::string_view kName = "frm2KiokuSuujiretu2";
  static const SuujiretuVariant kVariant;
  explicit Frm2KiokuSuujiretu2(ui::Services& services);
};

}  // namespace zunobi::drills
