// The memory arithmetic windows "記憶・計算問題Ⅰ" and "Ⅱ": work out a
// result and keep it in mind, think about one or two everyday questions from
// "記憶用文章.csv", then type the result. One engine; a variant table
// supplies what differs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "data/kioku_bun.h"
#include "data/shuffle.h"
#include "drills/arithmetic/keisan_mondai.h"
#include "drills/drill_window.h"
#include "ui/form.h"

namespace zunobi::drills {

struct KiokuVariant {
  DrillInfo info;
  std::string_view caption;
  std::string_view title;
  std::string_view instructions;
  int interferencePerQuestion = 1;  // interference questions between sum and answer: 1 or 2
  std::int32_t clientHeight = 0;
  std::int32_t setumeiHeight = 0;
  ui::Rect answerPrompt;       // lblAnswer
  std::int32_t answerTop = 0;  // txtAnswer; the judgement sits 120 lower
};

class Frm2Kioku final : public drills::DrillWindow {
 public:
  static const KiokuVariant kKioku1;
  static const KiokuVariant kKioku2;

  Frm2Kioku(ui::Services& services, const KiokuVariant& variant);

  // Idle after load; ① the sum, ② (and ③) the interference questions, the
  // answer, then its judgement; the summary; or no run at all when the file
  // cannot serve one.
  enum class Step {
    Idle,
    Calculation,
    Interference1,
    Interference2,
    Answer,
    Judged,
    Summary,
    NoData
  };

 private:
  void onDrillLoad() override;
  void start();
  void nextQuestionStep();
  void calculationDone();
  void interferenceDone();
  void answer();
  // The table row (from 1) of interference question j of the question on show.
  int interferenceRow(int j) const;

  const KiokuVariant& variant_;
  KeisanRun run_;
  KeisanMondai mondai_;
  std::vector<std::string> KiokuBun_;
  data::ShuffleArrays order_;
};

}  // namespace zunobi::drills
