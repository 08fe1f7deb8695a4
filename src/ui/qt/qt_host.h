// Puts the forms that navigation loads on screen as FormWindows, and quits
// the event loop when the program ends.
#pragma once

#include <QObject>
#include <map>
#include <vector>

#include "ui/qt/window_pool.h"
#include "ui/window_manager.h"

namespace zunobi::ui::qt {

class FormWindow;

class QtHost final : public WindowHost {
 public:
  explicit QtHost(WindowManager& manager);

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void programEnded() override;

  // The form's window; one still to be put on screen is put there now.
  FormWindow* windowFor(const Form& form);

 private:
  void showPending();

  WindowManager& manager_;
  WindowPool pool_;
  std::map<const Form*, FormWindow*> windows_;
  std::vector<const Form*> pending_;  // shown, not yet on screen
  QObject lifetime_;                  // ends the queued work with the host
};

}  // namespace zunobi::ui::qt
