#include "drills/arithmetic/keisan_mondai.h"

#include <algorithm>
#include <array>

#include "ui/form.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

constexpr int kSecondsPerDay = 86400;

}  // namespace

std::string_view EnzanSymbol(int enzan) {
  static constexpr std::array<std::string_view, 4> kSymbols{"＋", "－", "×", "／"};
  if (enzan < 1 || enzan > 4) return {};
  return kSymbols[enzan - 1];
}

int DrawBelow(ui::RandomSource& random, int n) {
  const double r = random.draw();
  // A source outside [0, 1) (or NaN) must not put a question out of range.
  if (!(r >= 0.0)) return 0;
  if (r >= 1.0) return n - 1;
  return std::min(static_cast<int>(ui::intPart(r * n)), n - 1);
}

bool JudgeAnswer(std::string_view typed, int seikai) { return typed == ui::decimal(seikai); }

std::string JudgementText(JudgementStyle style, bool right, int seikai, std::string_view typed) {
  std::string text;
  if (style != JudgementStyle::Kioku) {
    text = "（前問題）";
    text += ui::kCrLf;
  }
  if (right) return text + "○";
  const bool dice = style == JudgementStyle::Saikoro;
  text += dice ? "正解は　　" : "正解は：";
  text += ui::decimal(seikai);
  text += ui::kCrLf;
  text += dice ? "あなた　　" : "あなた：";
  text += typed;
  return text;
}

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

bool KeisanRun::AdvanceQuestion() {
  if (MondaiBangou_ < SouMondaisuu_) {
    ++MondaiBangou_;
    return true;
  }
  ShuuryouByou_ = clock_.now().secondsSinceMidnight();
  KeikaByou_ = ShuuryouByou_ - KaishiByou_;
  // Both ends are seconds since midnight: a run across midnight gains a day.
  if (KeikaByou_ < 0) KeikaByou_ += kSecondsPerDay;
  MondaiBangou_ = 0;
  return false;
}

std::optional<KeisanMondai> KeisanRun::NextQuestion() {
  if (!AdvanceQuestion()) return std::nullopt;
  return MakeQuestion();
}

KeisanMondai KeisanRun::MakeQuestion() {
  KeisanMondai q;
  q.Atai1 = DrawBelow(random_, 99) + 1;
  q.Atai2 = DrawBelow(random_, 99) + 1;
  q.Enzan = DrawBelow(random_, 4) + 1;
  switch (q.Enzan) {
    case 1:
      q.Seikai = q.Atai1 + q.Atai2;
      break;
    case 2:
      q.Seikai = q.Atai1 - q.Atai2;
      break;
    case 3:
      q.Atai2 = DrawBelow(random_, 9) + 1;
      q.Seikai = q.Atai1 * q.Atai2;
      break;
    default:
      // Built from divisor and quotient, so the division is always exact.
      q.Atai2 = DrawBelow(random_, 9) + 1;
      q.Seikai = DrawBelow(random_, 9) + 1;
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
