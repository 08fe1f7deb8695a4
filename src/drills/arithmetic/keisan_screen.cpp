#include "drills/arithmetic/keisan_screen.h"

#include "ui/text.h"

namespace zunobi::drills {

bool showNextQuestion(ui::Form& window, KeisanRun& run, KeisanMondai& mondai) {
  auto q = run.NextQuestion();
  if (!q) return false;
  mondai = *q;
  window.control("lblQsNo").setCaption(run.QuestionNumberText());
  window.control("lblAtai1").setCaption(ui::decimal(mondai.Atai1));
  window.control("lblAtai2").setCaption(ui::decimal(mondai.Atai2));
  window.control("txtAnswer").setText("");
  window.control("lblEnzan").setCaption(enzanSymbol(mondai.Enzan));
  return true;
}

void nameQuestionRow(ui::Form& window, std::initializer_list<ui::ControlId> row) {
  ui::Control& number = window.control("lblQsNo");
  std::string text = number.caption();
  for (const ui::ControlId& id : row) {
    const ui::Control& c = window.control(id.name, id.index);
    if (!c.visible() || c.accessibleName().empty()) continue;
    text += "\u3000";
    text += c.accessibleName();
  }
  number.setAccessibleName(text);
}

void nameKeisanRow(ui::Form& window) {
  nameQuestionRow(window, {{"lblAtai1"}, {"lblEnzan"}, {"lblAtai2"}, {"lblEq"}});
}

void judgeTypedAnswer(ui::Form& window, KeisanRun& run, int seikai, JudgementStyle style) {
  const std::string typed = window.control("txtAnswer").text();
  const bool right = JudgeAnswer(typed, seikai);
  window.control("lblKotae").setCaption(judgementText(style, right, seikai, typed));
  if (right) run.countRightAnswer();
}

}  // namespace zunobi::drills
