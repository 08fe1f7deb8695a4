// Every window of the program, by name.
#pragma once

#include "ui/window_manager.h"

namespace zunobi::app {

const ui::FormRegistry& formRegistry();

}  // namespace zunobi::app
