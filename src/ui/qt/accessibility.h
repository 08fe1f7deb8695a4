// What assistive technology (a screen reader through the accessibility bus)
// learns of the view's widgets: each control's true role, name and state, and
// actions that reach the form as a click does. Qt asks for these only when an
// assistive technology does, so none of it costs anything at start.
#pragma once

namespace zunobi::ui::qt {

// Once per run, after the application object exists.
void installAccessibility();

}  // namespace zunobi::ui::qt
