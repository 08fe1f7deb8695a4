// The main menu: twelve drill buttons with their descriptions, the end
// button, the title, a picture and the menu bar.
#pragma once

#include <string_view>

#include "drills/drill_window.h"
#include "ui/form.h"

namespace zunobi::app {

class Frm1Main final : public ui::Form {
 public:
  static constexpr std::string_view kName = drills::kMenuForm;
  static constexpr std::string_view kKankyoShortcut = "Ctrl+Shift+K";
  explicit Frm1Main(ui::Services& services);

 private:
  void onLoad() override;
  void onUnload() override;
  void openDrill(std::string_view form);
};

}  // namespace zunobi::app
