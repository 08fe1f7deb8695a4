#include "drills/knowledge/frm2_bunsyo.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2Bunsyo::kName,
    .caption = "文章問題",
    .clientWidth = 14190,
    .clientHeight = 8115,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikoku",
    .backButton = "cmdToMenu",
    .backIndex = -1,
    .unloadBeforeMenu = true,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "文章問題", {4560, 360, 2295, 495}),
      button("cmdToMenu", "メニューへ戻る", {12360, 240, 1575, 855}),
      label("lblJikoku", "", {9720, 240, 1935, 375}),
      label("lblKaishiJikoku", "", {9720, 720, 2055, 375}),
  };
}

}  // namespace

Frm2Bunsyo::Frm2Bunsyo(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
