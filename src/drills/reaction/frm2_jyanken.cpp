#include "drills/reaction/frm2_jyanken.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const app::DrillFrame kFrame{
    .formName = Frm2Jyanken::kName,
    .caption = "じゃんけん",
    .clientWidth = 11415,
    .clientHeight = 7560,
    .clockLabel = "lblGenzaiJikoku",
    .startLabel = "lblKaishiJikoku",
    .backButton = "cmdToMain",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "じゃんけん", {3480, 240, 3015, 615}).bold(21.75).colour(colours::Red),
      label("lblGenzaiJikoku", "", {7560, 480, 1695, 495}),
      label("lblKaishiJikoku", "", {7560, 1200, 1695, 495}),
      button("cmdToMain", "メインへ戻る", {9480, 360, 1695, 975}),
  };
}

}  // namespace

Frm2Jyanken::Frm2Jyanken(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
