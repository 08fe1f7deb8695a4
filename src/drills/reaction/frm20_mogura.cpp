#include "drills/reaction/frm20_mogura.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

const app::DrillFrame kFrame{
    .formName = Frm20Mogura::kName,
    .caption = "もぐらたたき",
    .clientWidth = 11175,
    .clientHeight = 7200,
    .clockLabel = "",
    .startLabel = "",
    .backButton = "cmdStartEnd",
    .backIndex = 1,
    .clockTimer = false,
};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      button("cmdStartEnd", 0, "開始", {0, 5760, 3725, 1440}),
      button("cmdStartEnd", 1, "メニューへ戻る", {7450, 5760, 3725, 1440}),
      label("Label1", "○のボタンをクリックする（早くしないと、ダメです）",
            {4200, 5280, 3135, 1215}),
  };
}

}  // namespace

Frm20Mogura::Frm20Mogura(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {}

}  // namespace zunobi::drills
