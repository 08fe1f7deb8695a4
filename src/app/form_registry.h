// Every window of the program, by name, and every drill's identity.
#pragma once

#include <string_view>
#include <vector>

#include "drills/drill_info.h"
#include "ui/window_manager.h"

namespace zunobi::app {

const ui::FormRegistry& formRegistry();

// Every drill window, one entry per window.
const std::vector<const drills::DrillInfo*>& drillInfos();
// The drill of that window; nullptr for the menu and the side windows.
const drills::DrillInfo* findDrill(std::string_view formName);

}  // namespace zunobi::app
