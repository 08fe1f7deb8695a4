// Who a drill is to the rest of the program: its window's name, its button
// and description on the menu, and what the tools need to know of it. Each
// drill declares its own beside its window; the menu, the registry and the
// tools read it from there.
#pragma once

#include <string_view>

namespace zunobi::drills {

struct DrillInfo {
  std::string_view formName;
  std::string_view menuButton;
  std::string_view menuCaption;
  std::string_view menuLabel;  // the description's label beside the button
  std::string_view description;
  // Runs of ten questions numbered "問題　1" … "問題　10".
  bool tenQuestionRuns = false;
};

}  // namespace zunobi::drills
