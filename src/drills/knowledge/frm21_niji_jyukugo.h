// The "二字熟語" drill window: four kanji stand around an empty centre box;
// the one kanji that completes all four compounds is shown on request.
// Runs of training (no end), ten questions or one minute.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/jyukugo_table.h"
#include "data/shuffle.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm21NijiJyukugo final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm21NijiJyukugo",
      .menuButton = "cmdNijiJyukugo",
      .menuCaption = "二字熟語",
      .menuLabel = "lblJyukugo",
      .description = "四つの熟語に共通する漢字を考える。思考力がアップ。",
  };
  explicit Frm21NijiJyukugo(ui::Services& services);

  // Reads the file while the menu is up, for the load to take if it is
  // unchanged by then. The largest of the files read at a load, read at the
  // click, would keep the window from opening within a frame of it.
  static void prepare();

  // What each step shows of the buttons.
  enum class Step { Idle, FirstPuzzle, Puzzle, Answer, NoPuzzles };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;
  void show(Step step);
  void start();
  void kotae();
  void breake();
  void shuuryou();
  void drawQuestion();
  void clearKanji();
  std::string elapsedText();

  std::vector<data::JyukugoRecord> records_;  // rows 1 … JyukugoSu
  data::ShuffleArrays shuffle_;
  std::int16_t menuNo_ = 0;  // 1 training, 2 ten questions, 3 one minute
  std::int32_t mondaiSu_ = 0;
  bool kaitouHyouji_ = false;
  std::string seikai_;
  std::int32_t kaishiByou_ = 0;
  ui::DateTime shimekiri_;
  // A run is under way: only then can its minute run out.
  bool running_ = false;
};

}  // namespace zunobi::drills
