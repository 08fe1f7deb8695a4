#include "app/frm9_kankyo.h"

#include "app/frm1_main.h"
#include "data/folders.h"
#include "ui/controls.h"

namespace zunobi::app {
namespace {

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      // The design caption "Label1" is a developer's placeholder: empty until
      // the first conversion.
      label("lblMsg1", "", {600, 120, Frm9Kankyo::kClientWidth - 1200, 375}),
      button("cmdToMain", "メインへ", {4200, 840, 1215, 615}),
      button("cmdQuizRan", "思い出し（SEQ　to　ＲＡＮ）", {360, 1920, 1815, 615}),
      button("cmdNazonazo", "なぞなぞ（ｓｅｑ　to　ｒａｎ）", {3480, 1920, 1815, 615}),
  };
}

}  // namespace

Frm9Kankyo::Frm9Kankyo(ui::Services& services)
    : ui::Form(services, std::string(kName), controlTable()) {
  setCaption("環境作成");
  setClientSize(kClientWidth, kClientHeight);
  onClick("cmdToMain", [this] {
    navigator().show(Frm1Main::kName);
    navigator().unload(*this);
  });
  onClick("cmdQuizRan", [this] { convert(data::QuizList::Omoide); });
  onClick("cmdNazonazo", [this] { convert(data::QuizList::Nazonazo); });
}

void Frm9Kankyo::onLoad() { control("cmdToMain").setFocus(); }

void Frm9Kankyo::convert(data::QuizList list) {
  control("lblMsg1").setCaption(data::prepareQuestionFile(list, data::ProgramFolder()).message);
}

}  // namespace zunobi::app
