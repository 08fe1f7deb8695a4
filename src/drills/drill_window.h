// The common frame of every drill window: a clock label refreshed every
// second, a start-time label, Timer1 at 1000 ms and a back-to-menu button.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/data_error.h"
#include "drills/drill_info.h"
#include "ui/form.h"

namespace zunobi::drills {

inline constexpr std::string_view kMenuForm = "frm1Main";
inline constexpr std::string_view kClockPrefix = "現在の時刻　";
inline constexpr std::string_view kStartPrefix = "開始の時刻　";

struct DrillFrame {
  std::string_view formName;
  std::string_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string_view clockLabel;  // empty: the window shows no clock
  std::string_view startLabel;  // empty: no start-time label
  std::string_view backButton;
  int backIndex = -1;
  // Most back buttons show the menu, then unload; the document drill
  // unloads first.
  bool unloadBeforeMenu = false;
  // The quiz lets go of its open file (its unload steps) before the menu
  // is shown.
  bool releaseBeforeMenu = false;
  // The timer runs from load at 1000 ms; whack-a-mole keeps it for its game.
  bool clockTimer = true;
};

// What one step of a drill shows. A control named in any step's `shown` is
// hidden in every step that neither shows nor keeps it; a control no step
// names is the window's own to show (the frame's labels, dice pips, moles).
// A name stands for every element of a control array.
struct StepView {
  std::vector<std::string_view> shown;
  // Left as they stand when the step is entered.
  std::vector<std::string_view> kept{};
  // Fixed captions, set before anything is shown.
  std::vector<std::pair<std::string_view, std::string_view>> captions{};
  // Where the keys go; empty: the focus is not moved.
  std::string_view focus{};
};

// A window's steps, each with its view, in any order; every step once.
template <class Step>
using StepTable = std::vector<std::pair<Step, StepView>>;

class DrillWindow : public ui::Form {
 public:
  const DrillFrame& frame() const { return frame_; }
  // What each step shows, by step.
  const std::vector<StepView>& steps() const { return steps_; }

  // "現在の時刻　" + time of day, "開始の時刻　" + time of day.
  static std::string clockText(const ui::DateTime& t);
  static std::string startText(const ui::DateTime& t);

 protected:
  template <class Step>
  DrillWindow(ui::Services& services, const DrillFrame& frame,
              std::vector<ui::ControlSpec> controls, const StepTable<Step>& steps)
      : DrillWindow(services, frame, std::move(controls), indexed(steps)) {}

  // The step the window is in: its state. Entering a step is the only way
  // to change it, and shows what the step shows.
  template <class Step>
  Step step() const {
    return static_cast<Step>(step_);
  }
  template <class Step>
  void enter(Step step) {
    enterStep(static_cast<std::size_t>(step));
  }

  // The drill's own load steps, after the frame's (timer, clock).
  virtual void onDrillLoad() {}
  // The drill's own duty on each tick, after the clock is refreshed.
  virtual void onDrillTick() {}
  // Sets the start-time label to the current time.
  void markStart();

  // Reads a data file with `read`. A file the drill cannot use is told in
  // `label` with the reader's own Japanese message and gives nothing; the
  // window stays up and its back button keeps working.
  template <class Read>
  auto readData(std::string_view label, Read&& read) -> std::optional<decltype(read())> {
    try {
      return read();
    } catch (const data::DataError& e) {
      showDataError(label, e);
      return std::nullopt;
    }
  }
  void showDataError(std::string_view label, const data::DataError& e);
  void backToMenu();

 private:
  DrillWindow(ui::Services& services, const DrillFrame& frame,
              std::vector<ui::ControlSpec> controls, std::vector<StepView> steps);
  template <class Step>
  static std::vector<StepView> indexed(const StepTable<Step>& table) {
    std::vector<StepView> views(table.size());
    std::vector<bool> seen(table.size());
    for (const auto& [step, view] : table) {
      const auto i = static_cast<std::size_t>(step);
      if (i >= views.size() || seen[i]) throw std::logic_error("a step table lists each step once");
      seen[i] = true;
      views[i] = view;
    }
    return views;
  }
  void enterStep(std::size_t step);
  void onLoad() final;
  void refreshClock();

  DrillFrame frame_;
  std::vector<StepView> steps_;
  std::vector<std::string_view> stepControls_;  // named in some step's `shown`
  std::size_t step_ = 0;
};

}  // namespace zunobi::drills
