// The common frame of every drill window: a clock label refreshed every
// second, a start-time label, Timer1 at 1000 ms and a back-to-menu button.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_error.h"
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
  // The timer runs from load at 1000 ms; whack-a-mole keeps it for its game.
  bool clockTimer = true;
};

class DrillWindow : public ui::Form {
 public:
  const DrillFrame& frame() const { return frame_; }

  // "現在の時刻　" + time of day, "開始の時刻　" + time of day.
  static std::string clockText(const ui::DateTime& t);
  static std::string startText(const ui::DateTime& t);

 protected:
  DrillWindow(ui::Services& services, const DrillFrame& frame,
              std::vector<ui::ControlSpec> controls);

  // The drill's own load steps, after the frame's (timer, clock).
  virtual void onDrillLoad() {}
  // The drill's own duty on each tick, after the clock is refreshed.
  virtual void onDrillTick() {}
  // Called before the window leaves for the menu (the quiz closes its file).
  virtual void beforeLeaving() {}

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
  void onLoad() final;
  void refreshClock();

  DrillFrame frame_;
};

}  // namespace zunobi::drills
