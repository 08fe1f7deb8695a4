#include "ui/testing.h"

#include "ui/form.h"

namespace zunobi::ui::testing {

void RecordingNavigator::unload(Form& form) {
  calls.push_back("unload " + form.name());
  form.unloaded();
}

}  // namespace zunobi::ui::testing
