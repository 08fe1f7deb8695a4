// The main menu: twelve drill buttons with their descriptions, the end
// button, the title, a picture and the menu bar.
#pragma once

#include <array>
#include <string_view>

#include "drills/drill_window.h"
#include "ui/form.h"

namespace zunobi::app {

struct DrillEntry {
  std::string_view button;
  std::string_view caption;
  std::string_view opens;
  std::string_view label;
  std::string_view description;
  int left;  // button
  int labelLeft;
  int top;
};

// In menu order: left column top to bottom, then the right column.
extern const std::array<DrillEntry, 12> kDrills;

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
