#include "data/frm9_kankyo.h"

#include "app/drill_window.h"
#include "ui/controls.h"

namespace zunobi::data {
namespace {

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("lblMsg1", "", {600, 120, 18135, 375}),
      button("cmdToMain", "メインへ", {4200, 840, 1215, 615}),
      button("cmdQuizRan", "思い出し（SEQ　to　ＲＡＮ）", {360, 1920, 1815, 615}),
      button("cmdNazonazo", "なぞなぞ（ｓｅｑ　to　ｒａｎ）", {3480, 1920, 1815, 615}),
  };
}

}  // namespace

Frm9Kankyo::Frm9Kankyo(ui::Services& services)
    : ui::Form(services, std::string(kName), controlTable()) {
  setCaption("環境作成");
  setClientSize(6000, 3000);
  onClick("cmdToMain", [this] {
    navigator().show(app::kMenuForm);
    navigator().unload(*this);
  });
}

void Frm9Kankyo::onLoad() { control("cmdToMain").setFocus(); }

}  // namespace zunobi::data
