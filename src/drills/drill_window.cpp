#include "drills/drill_window.h"

namespace zunobi::drills {

std::string DrillWindow::clockText(const ui::DateTime& t) {
  return std::string(kClockPrefix) + t.timeText();
}

std::string DrillWindow::startText(const ui::DateTime& t) {
  return std::string(kStartPrefix) + t.timeText();
}

DrillWindow::DrillWindow(ui::Services& services, const DrillFrame& frame,
                         std::vector<ui::ControlSpec> controls)
    : ui::Form(services, std::string(frame.formName), std::move(controls)), frame_(frame) {
  setCaption(frame.caption);
  setClientSize(frame.clientWidth, frame.clientHeight);
  if (!frame.backButton.empty())
    onClick(frame.backButton, [this](int index) {
      if (index == frame_.backIndex) backToMenu();
    });
  onTick([this] {
    refreshClock();
    onDrillTick();
  });
}

void DrillWindow::onLoad() {
  if (frame_.clockTimer) {
    timer().setInterval(1000);
    timer().setEnabled(true);
  } else {
    timer().setInterval(0);
  }
  // Filled at load, so the clock never shows a design caption for a second.
  refreshClock();
  onDrillLoad();
}

void DrillWindow::refreshClock() {
  if (!frame_.clockLabel.empty()) control(frame_.clockLabel).setCaption(clockText(clock().now()));
}

void DrillWindow::markStart() {
  if (!frame_.startLabel.empty()) control(frame_.startLabel).setCaption(startText(clock().now()));
}

void DrillWindow::showDataError(std::string_view label, const data::DataError& e) {
  control(label).setCaption(e.message());
  control(label).show();
}

void DrillWindow::backToMenu() {
  beforeLeaving();
  if (frame_.unloadBeforeMenu) {
    // Unloading the last window would end the program before the menu is
    // shown, so both steps form one transition.
    navigator().beginTransition();
    navigator().unload(*this);
    navigator().show(kMenuForm);
    navigator().endTransition();
  } else {
    navigator().show(kMenuForm);
    navigator().unload(*this);
  }
}

}  // namespace zunobi::drills
