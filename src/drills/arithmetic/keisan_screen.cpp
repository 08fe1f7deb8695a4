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

void judgeTypedAnswer(ui::Form& window, KeisanRun& run, int seikai, JudgementStyle style) {
  const std::string typed = window.control("txtAnswer").text();
  const bool right = JudgeAnswer(typed, seikai);
  window.control("lblKotae").setCaption(judgementText(style, right, seikai, typed));
  if (right) run.countRightAnswer();
}

}  // namespace zunobi::drills
