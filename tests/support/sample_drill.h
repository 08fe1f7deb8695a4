// A small drill window made up for a test: the frame's back button and
// clock, beside the controls the test gives it.
#pragma once

#include <string_view>
#include <vector>

#include "drills/drill_window.h"
#include "ui/controls.h"

namespace zunobi::drills::testing {

inline DrillFrame sampleFrame(std::string_view name, std::string_view caption) {
  return {.formName = name,
          .caption = caption,
          .clientWidth = 6000,
          .clientHeight = 4000,
          .clockLabel = "lblJikoku",
          .backButton = "cmdToMenu"};
}

inline std::vector<ui::ControlSpec> sampleControls(std::vector<ui::ControlSpec> own) {
  own.push_back(ui::button("cmdToMenu", "メニューへ戻る", {4000, 120, 1500, 600}));
  own.push_back(ui::label("lblJikoku", "", {120, 3400, 3000, 400}));
  return own;
}

}  // namespace zunobi::drills::testing
