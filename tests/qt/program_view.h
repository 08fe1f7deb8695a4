// The program's windows in the real view on the offscreen platform, opened
// through navigation as the program opens them; a test may add its own.
#pragma once

#include <QApplication>
#include <string_view>

#include "app/form_registry.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_host.h"
#include "ui/testing.h"

namespace zunobi::ui::qt {

struct ProgramView {
  ProgramView() { manager.setHost(&host); }
  FormWindow* show(std::string_view name) {
    manager.show(name);
    QApplication::processEvents();
    return window(name);
  }
  FormWindow* window(std::string_view name) {
    Form* form = manager.find(name);
    return form ? host.windowFor(*form) : nullptr;
  }
  FormRegistry registry = app::formRegistry();
  testing::FakeClock clock;
  testing::ScriptedRandom random{0.5};
  testing::RecordingMessageBox box;
  WindowManager manager{registry, clock, random, box};
  QtHost host{manager};
};

}  // namespace zunobi::ui::qt
