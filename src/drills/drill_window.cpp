#include "drills/drill_window.h"

#include <algorithm>

namespace zunobi::drills {

std::string DrillWindow::clockText(const ui::DateTime& t) {
  return std::string(kClockPrefix) + t.timeText();
}

std::string DrillWindow::startText(const ui::DateTime& t) {
  return std::string(kStartPrefix) + t.timeText();
}

DrillWindow::DrillWindow(ui::Services& services, const DrillFrame& frame,
                         std::vector<ui::ControlSpec> controls, std::vector<StepView> steps)
    : ui::Form(services, std::string(frame.formName), std::move(controls)),
      frame_(frame),
      steps_(std::move(steps)) {
  for (const StepView& view : steps_)
    for (std::string_view name : view.shown)
      if (std::find(stepControls_.begin(), stepControls_.end(), name) == stepControls_.end())
        stepControls_.push_back(name);
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

// Captions first, so that no control shows with the caption of the step
// before; shown before the rest is hidden, so that the keys leaving a hidden
// button land on this step's controls.
void DrillWindow::enterStep(std::size_t step) {
  step_ = step;
  const StepView& view = steps_.at(step);
  const auto named = [](const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  for (const auto& [name, caption] : view.captions) control(name).setCaption(caption);
  for (const auto& c : controls())
    if (named(view.shown, c->name())) c->show();
  // The focus lands before anything hides: a focused control that hides
  // first passes the focus along the keyboard order, and a screen reader
  // that hears of that stop stays silent where the focus ends.
  if (!view.focus.empty()) control(view.focus).setFocus();
  for (const auto& c : controls())
    if (named(stepControls_, c->name()) && !named(view.shown, c->name()) &&
        !named(view.kept, c->name()))
      c->hide();
}

void DrillWindow::backToMenu() {
  if (frame_.releaseBeforeMenu) onUnload();
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
