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
#include "drills/deadline.h"
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

  // Between runs; the first puzzle of a run, before "やめる" is offered; a
  // later puzzle; its answer; or no puzzles to play.
  enum class Step { Idle, FirstPuzzle, Puzzle, Answer, NoPuzzles };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;
  void start();
  void kotae();
  void breake();
  void Shuuryou();
  void drawQuestion();
  void clearKanji();
  std::string elapsedText();

  std::vector<data::JyukugoRecord> records_;  // rows 1 … JyukugoSu
  data::ShuffleArrays shuffle_;
  std::int16_t MenuNo_ = 0;  // 1 training, 2 ten questions, 3 one minute
  std::int32_t MondaiSu_ = 0;
  std::string Seikai_;
  std::int32_t KaishiByou_ = 0;
  // The end of a one-minute run; stopping the run drops it.
  Deadline Shimekiri_;
};

}  // namespace zunobi::drills
