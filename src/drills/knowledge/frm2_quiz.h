// The riddle and reminiscence quiz windows: one engine, two question files.
// Each question of the file comes once, in a random order drawn at load; one
// button reveals the answer with its explanation, then moves on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "data/shuffle.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Quiz final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kNazoInfo{
      .formName = "frm2Nazo",
      .menuButton = "cmdNazo",
      .menuCaption = "なぞなぞ",
      .menuLabel = "Label3",
      .description = "「なぞなぞ」で、童心に返る。いつまでも、子供心を",
  };
  static constexpr DrillInfo kQuizInfo{
      .formName = "frm2Quiz",
      .menuButton = "cmdQuiz",
      .menuCaption = "クイズ",
      .menuLabel = "lblQuiz",
      .description =
          "クイズの問題に解答する。昔の出来事を中心の題材。思い出すことにより、脳が活性化するととと"
          "もに、思い出が蘇る。",
  };
  static constexpr std::string_view kFinished = "お疲れ様でした。全ての問題を終了しました。";
  // Shown in place of text bytes that are not CP932.
  static constexpr std::string_view kBadBytesMark = "〓";

  Frm2Quiz(ui::Services& services, data::QuizList kind);

  data::QuizList kind() const { return kind_; }
  // The window's question file in the data folder.
  std::string questionFilePath() const;
  // "問題がありません（「クイズ（なぞなぞ）.ran」が見つかりません）"
  static std::string noQuestionsText(std::string_view fileName, bool missing);

 private:
  // Trouble: no question to ask, and why, in lblQs.
  enum class Step { Question, Answer, Finished, Trouble };

  void onDrillLoad() override;
  void onUnload() override;
  void show(Step step);
  bool shuffleQuestions(const std::string& path);
  void showQuestion();
  void reveal();
  void next();

  data::QuizList kind_;
  // Open from the end of the load until the window leaves or is unloaded.
  std::optional<data::RecordFile> file_;
  data::ShuffleArrays shuffle_;
  std::int16_t QuestionCount = 0;
  bool AnswerShown = false;
  std::int16_t Position = 0;
  data::QuizRecord record_;
};

}  // namespace zunobi::drills
