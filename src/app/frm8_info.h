// The information window: product name, version and the legal notice.
#pragma once

#include <string_view>

#include "ui/form.h"

namespace zunobi::app {

class Frm8Info final : public ui::Form {
 public:
  static constexpr std::string_view kName = "frm8Info";
  explicit Frm8Info(ui::Services& services);

 private:
  void onLoad() override;
};

}  // namespace zunobi::app
