#include "drills/memory/frm2_kioku_suujiretu2.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const app::DrillFrame kFrame{
    .formName = Frm2KiokuSuujiretu2::kName,
    .caption = "記憶・数字列",
    .clientWidth = 11535,
    .clientHeight = 6840,
    .clockLabel = "lblGenzaiJikoku",
    .startLabel = "lblKaishiJikoku",
    .backButton = "cmdToMain",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "記憶・数字列２", {3480, 240, 3015, 615}).bold(21.75).colour(colours::Red),
      label("lblGenzaiJikoku", "", {7080, 480, 1695, 495}),
      label("lblKaishiJikoku", "", {7080, 1200, 1575, 495}),
      button("cmdToMain", "メインへ戻る", {9480, 360, 1695, 735}),
  };
}

}  // namespace

Frm2KiokuSuujiretu2::Frm2KiokuSuujiretu2(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
