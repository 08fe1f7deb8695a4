#include "drills/arithmetic/frm2_kioku2.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2Kioku2::kName,
    .caption = "記憶・計算問題Ⅱ",
    .clientWidth = 9945,
    .clientHeight = 8715,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikan",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "記憶･計算Ⅱ", {2160, 240, 2655, 615}),
      label("lblJikoku", "", {8040, 1560, 1695, 495}),
      label("lblKaishiJikan", "", {8040, 2160, 1695, 615}),
      button("cmdToMenu", "メニューへ戻る", {8160, 360, 1575, 735}),
  };
}

}  // namespace

Frm2Kioku2::Frm2Kioku2(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
