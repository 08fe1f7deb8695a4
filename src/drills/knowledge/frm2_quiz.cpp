#include "drills/knowledge/frm2_quiz.h"

#include "ui/controls.h"

namespace zunobi::drills {
namespace {

drills::DrillFrame frameFor(data::QuizList kind) {
  return {
      .formName = kind == data::QuizList::Nazonazo ? Frm2Quiz::kNazoName : Frm2Quiz::kQuizName,
      .caption = "クイズ問題ー「ハルモ」",
      .clientWidth = 9990,
      .clientHeight = 7440,
      .backButton = "cmdToMenu",
      // The quiz has neither clock nor timer.
      .clockTimer = false,
  };
}

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      button("cmdToMenu", "メニューへ戻る", {7440, 120, 1935, 855}),
  };
}

}  // namespace

Frm2Quiz::Frm2Quiz(ui::Services& services, data::QuizList kind)
    : DrillWindow(services, frameFor(kind), controlTable()), kind_(kind) {}

}  // namespace zunobi::drills
