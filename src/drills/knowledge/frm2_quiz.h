// The riddle and reminiscence quiz windows: one engine, two question files.
// Each question of the file comes once, in a random order drawn at load; one
// button reveals the answer with its explanation, then moves on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/record_file.h"
#include "data/shuffle.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

struct QuizVariant {
  DrillInfo info;
  std::string_view questionFile;  // in the data folder
};

class Frm2Quiz final : public drills::DrillWindow {
 public:
  static const QuizVariant kNazo;
  static const QuizVariant kQuiz;
  static constexpr std::string_view kFinished = "お疲れ様でした。全ての問題を終了しました。";
  // Shown in place of text bytes that are not CP932.
  static constexpr std::string_view kBadBytesMark = "〓";

  Frm2Quiz(ui::Services& services, const QuizVariant& variant);

  const QuizVariant& variant() const { return variant_; }

  // A question, then its answer; every question done; or no question to
  // ask, and why, in lblQs.
  enum class Step { Question, Answer, Finished, Trouble };

 private:
  void onDrillLoad() override;
  void onUnload() override;
  bool shuffleQuestions();
  void showQuestion();
  void reveal();
  void next();
  void trouble(const std::string& why);

  const QuizVariant& variant_;
  // Open from the load until the window leaves or is unloaded.
  std::optional<data::RecordFile> file_;
  data::ShuffleArrays shuffle_;
  std::int16_t QuestionCount_ = 0;
  std::int16_t Position_ = 0;
  data::QuizRecord record_;
};

}  // namespace zunobi::drills
