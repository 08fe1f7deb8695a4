// The "計算問題" drill window: ten questions a run, each answered in the box
// beside it; Enter judges and puts up the next.
#pragma once

#include <cstdint>
#include <string_view>

#include "drills/arithmetic/keisan_mondai.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Keisan final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm2Keisan",
      .menuButton = "cmdKeisan",
      .menuCaption = "計算問題",
      .menuLabel = "lblComp",
      .description = "四則計算問題を暗算で行う。計算力と同時に、頭脳が活性化する。",
      .tenQuestionRuns = true,
  };
  explicit Frm2Keisan(ui::Services& services);

  // Before the first run, a question on screen, the summary of a run.
  enum class Step : std::uint8_t { Idle, Asking, Summary };

 private:
  void onDrillLoad() override;
  void start();
  void nextQuestionStep();
  void answer();

  KeisanRun run_;
  KeisanMondai mondai_;
};

}  // namespace zunobi::drills
