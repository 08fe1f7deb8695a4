#include "drills/arithmetic/keisan_mondai.h"

#include <array>

#include "ui/form.h"
#include "ui/text.h"

namespace zunobi::drills {

std::string_view enzanSymbol(int enzan) {
  static constexpr std::array<std::string_view, 4> kSymbols{"＋", "－", "×", "／"};
  if (enzan < 1 || enzan > 4) return {};
  return kSymbols[enzan - 1];
}

bool JudgeAnswer(std::string_view typed, int seikai) { return typed == ui::decimal(seikai); }

std::string ElapsedText(int keikaByou) {
  int minutes = keikaByou / 60;
  int seconds = keikaByou - 60 * minutes;
  return ui::decimal(minutes) + "：" + ui::decimal(seconds);
}

void KeisanRun::StartRun() {
  SouMondaisuu_ = kQuestionsPerRun;
  MondaiBangou_ = 0;
  Seikaisuu_ = 0;
  KaishiByou_ = clock_.now().secondsSinceMidnight();
}

bool KeisanRun::advanceQuestion() {
  if (MondaiBangou_ < SouMondaisuu_) {
    ++MondaiBangou_;
    return true;
  }
  ShuuryouByou_ = clock_.now().secondsSinceMidnight();
  KeikaByou_ = elapsedSeconds(KaishiByou_, ShuuryouByou_);
  MondaiBangou_ = 0;
  return false;
}

std::optional<KeisanMondai> KeisanRun::NextQuestion() {
  if (!advanceQuestion()) return std::nullopt;
  return MakeQuestion();
}

KeisanMondai KeisanRun::MakeQuestion() {
  KeisanMondai q;
  q.Atai1 = ui::drawOneTo(random_.draw(), 99);
  q.Atai2 = ui::drawOneTo(random_.draw(), 99);
  q.Enzan = ui::drawOneTo(random_.draw(), 4);
  switch (q.Enzan) {
    case 1:
      q.Seikai = q.Atai1 + q.Atai2;
      break;
    case 2:
      q.Seikai = q.Atai1 - q.Atai2;
      break;
    case 3:
      q.Atai2 = ui::drawOneTo(random_.draw(), 9);
      q.Seikai = q.Atai1 * q.Atai2;
      break;
    default:
      // Built from divisor and quotient, so the division is always exact.
      q.Atai2 = ui::drawOneTo(random_.draw(), 9);
      q.Seikai = ui::drawOneTo(random_.draw(), 9);
      q.Atai1 = q.Atai2 * q.Seikai;
      break;
  }
  return q;
}

std::string KeisanRun::QuestionNumberText() const { return "問題　" + ui::decimal(MondaiBangou_); }

std::string KeisanRun::SummaryText(SummaryLayout layout) const {
  std::string text;
  if (layout == SummaryLayout::Long) {
    text = "問題数　　" + ui::decimal(kQuestionsPerRun);
    text += ui::kCrLf;
  }
  text += "正解数　　" + ui::decimal(Seikaisuu_);
  text += ui::kCrLf;
  text += "所要時間　" + ElapsedText();
  return text;
}

}  // namespace zunobi::drills
