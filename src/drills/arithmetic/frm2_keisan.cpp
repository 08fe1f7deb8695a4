#include "drills/arithmetic/frm2_keisan.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const app::DrillFrame kFrame{
    .formName = Frm2Keisan::kName,
    .caption = "計算問題",
    .clientWidth = 9945,
    .clientHeight = 6525,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikan",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "計算問題", {2400, 240, 3015, 615}),
      label("lblJikoku", "", {4560, 1800, 1695, 495}),
      label("lblKaishiJikan", "", {4560, 2400, 1695, 615}),
      button("cmdToMenu", "メニューへ戻る", {6960, 360, 1575, 735}),
  };
}

}  // namespace

Frm2Keisan::Frm2Keisan(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
