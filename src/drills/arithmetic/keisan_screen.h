// What the arithmetic windows share on screen: the question row and the
// judgement of the answer typed in its box.
#pragma once

#include <initializer_list>

#include "drills/arithmetic/keisan_mondai.h"
#include "drills/turn_result.h"
#include "ui/form.h"

namespace zunobi::drills {

// The next question of the run in `mondai`, shown in lblQsNo, lblAtai1,
// lblAtai2 and lblEnzan with txtAnswer emptied; false once the run has ended.
bool showNextQuestion(ui::Form& window, KeisanRun& run, KeisanMondai& mondai);

// lblQsNo, a notice, read aloud as the whole question on show: its number,
// then what `row` shows of the question, as a sighted user reads the row.
// The answer box, named by lblQsNo, reads as the question too.
// Named once the question's step shows it.
void nameQuestionRow(ui::Form& window, std::initializer_list<ui::ControlId> row);
// The row of showNextQuestion.
void nameKeisanRow(ui::Form& window);

// The text in txtAnswer judged against `seikai`, the judgement in lblKotae
// worded as `style`, a right answer counted.
void judgeTypedAnswer(ui::Form& window, KeisanRun& run, int seikai, JudgementStyle style);

}  // namespace zunobi::drills
