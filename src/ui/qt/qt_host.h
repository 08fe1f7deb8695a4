// Puts the forms that navigation loads on screen as FormWindows, and quits
// the event loop when the program ends.
#pragma once

#include <QObject>
#include <QSize>
#include <map>
#include <vector>

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

  // The form's window; one still to be put on screen is put there now.
  FormWindow* windowFor(const Form& form);

 private:
  void showPending();
  void prepareSpare(QSize size);
  FormWindow* windowToReuse(const Form& form);

  // Windows closed and kept for the next forms, at most this many.
  static constexpr std::size_t kSpares = 2;
  // Long enough for the first window to have painted, shorter than anyone
  // takes to read it and click.
  static constexpr int kPrepareAfterMs = 300;

  WindowManager& manager_;
  std::map<const Form*, FormWindow*> windows_;
  std::vector<const Form*> pending_;  // shown, not yet on screen
  std::vector<FormWindow*> spares_;   // hidden, with no form
  bool prepared_ = false;             // the spare below, made once a run
  QObject lifetime_;                  // ends the queued work with the host
};

}  // namespace zunobi::ui::qt
