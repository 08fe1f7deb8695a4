#include "drills/arithmetic/frm2_keisan_saikoro.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const app::DrillFrame kFrame{
    .formName = Frm2KeisanSaikoro::kName,
    .caption = "計算問題・さいころ",
    .clientWidth = 11940,
    .clientHeight = 6525,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikan",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "計算問題・さいころ", {2400, 240, 3855, 615})
          .bold(21.75)
          .colour(colours::Red),
      label("lblJikoku", "", {4560, 1800, 1695, 495}),
      label("lblKaishiJikan", "", {4560, 2400, 1695, 615}),
      button("cmdToMenu", "メニューへ戻る", {9960, 360, 1575, 735}),
  };
}

}  // namespace

Frm2KeisanSaikoro::Frm2KeisanSaikoro(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
