// What the arithmetic windows share on screen: the question row and the
// judgement of the answer typed in its box.
#pragma once

#include "drills/arithmetic/keisan_mondai.h"
#include "drills/turn_result.h"
#include "ui/form.h"

namespace zunobi::drills {

// The next question of the run in `mondai`, shown in lblQsNo, lblAtai1,
// lblAtai2 and lblEnzan with txtAnswer emptied; false once the run has ended.
bool showNextQuestion(ui::Form& window, KeisanRun& run, KeisanMondai& mondai);

// The text in txtAnswer judged against `seikai`, the judgement in lblKotae
// worded as `style`, a right answer counted.
void judgeTypedAnswer(ui::Form& window, KeisanRun& run, int seikai, JudgementStyle style);

}  // namespace zunobi::drills
