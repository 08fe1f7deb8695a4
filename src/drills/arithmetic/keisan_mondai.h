// The arithmetic run shared by the arithmetic drill windows: drawing a
// question, judging the typed answer, counting, timing and the texts the
// windows copy into their labels. No window in here: a run is driven through
// the clock and random source it is given.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "drills/turn_result.h"
#include "ui/services.h"

namespace zunobi::drills {

// One question: Atai1 (Enzan) Atai2 = Seikai.
struct KeisanMondai {
  int Atai1 = 0;
  int Atai2 = 0;
  int Enzan = 1;  // 1 "＋", 2 "－", 3 "×", 4 "／"
  int Seikai = 0;
  friend bool operator==(const KeisanMondai&, const KeisanMondai&) = default;
};

// The full-width symbol of an operator code; empty outside 1..4.
std::string_view enzanSymbol(int enzan);

// Typed text against the plain decimal text of the result, character for
// character: nothing is trimmed or converted.
bool JudgeAnswer(std::string_view typed, int seikai);

enum class SummaryLayout {
  Short,  // 正解数, 所要時間
  Long,   // 問題数, 正解数, 所要時間
};

// Minutes "：" seconds, the minutes whole (an hour or more shows 60 and up).
std::string ElapsedText(int keikaByou);

// The run of ten questions, fresh per window load.
class KeisanRun {
 public:
  static constexpr int kQuestionsPerRun = 10;

  KeisanRun(ui::Clock& clock, ui::RandomSource& random) : clock_(clock), random_(random) {}

  // Ten questions, counters at zero, KaishiByou taken now.
  void StartRun();
  // The next question of the run, or nullopt once the tenth has been
  // answered: the run then ends (ShuuryouByou, KeikaByou, MondaiBangou 0).
  std::optional<KeisanMondai> NextQuestion();
  // The question-number step of NextQuestion without drawing a question,
  // for windows that ask their own kind of question: true when a question
  // follows, false when the run has just ended.
  bool advanceQuestion();
  // Draws one question: Atai1, Atai2, Enzan, then the redraws of × and ／.
  KeisanMondai MakeQuestion();
  void countRightAnswer() { ++Seikaisuu_; }

  // "問題　" + MondaiBangou.
  std::string QuestionNumberText() const;
  std::string ElapsedText() const { return drills::ElapsedText(KeikaByou_); }
  std::string SummaryText(SummaryLayout layout) const;

  int MondaiBangou() const { return MondaiBangou_; }

 private:
  ui::Clock& clock_;
  ui::RandomSource& random_;
  int SouMondaisuu_ = 0;
  int MondaiBangou_ = 0;
  int Seikaisuu_ = 0;
  int KaishiByou_ = 0;
  int ShuuryouByou_ = 0;
  int KeikaByou_ = 0;
};

}  // namespace zunobi::drills
