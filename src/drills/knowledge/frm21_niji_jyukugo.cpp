#include "drills/knowledge/frm21_niji_jyukugo.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm21NijiJyukugo::kName,
    .caption = "二字熟語",
    .clientWidth = 9645,
    .clientHeight = 6735,
    .clockLabel = "lblJikoku",
    .startLabel = "lblJikanStart",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "二字熟語", {2160, 360, 1935, 615}).bold(20.25).colour(colours::Red),
      label("lblJikoku", "", {5520, 240, 2295, 495}),
      label("lblJikanStart", "", {5520, 960, 2295, 375}),
      button("cmdToMenu", "メニューへ戻る", {8280, 360, 1215, 975}),
  };
}

}  // namespace

Frm21NijiJyukugo::Frm21NijiJyukugo(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
