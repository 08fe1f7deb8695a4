// Puts the forms that navigation loads on screen as FormWindows, and quits
// the event loop when the program ends.
#pragma once

#include <map>

#include "ui/window_manager.h"

namespace zunobi::ui::qt {

class FormWindow;

class QtHost final : public WindowHost {
 public:
  explicit QtHost(WindowManager& manager) : manager_(manager) {}
  ~QtHost() override;

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void programEnded() override;

  FormWindow* windowFor(const Form& form) const;

 private:
  WindowManager& manager_;
  std::map<const Form*, FormWindow*> windows_;
};

}  // namespace zunobi::ui::qt
