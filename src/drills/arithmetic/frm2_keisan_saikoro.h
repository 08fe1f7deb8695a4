// The "計算問題・さいころ" drill window: two or three dice, and the user
// calculates with the faces hidden underneath them.
#pragma once

#include <cstdint>
#include <string_view>

#include "drills/arithmetic/keisan_mondai.h"
#include "drills/arithmetic/saikoro_mondai.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2KeisanSaikoro final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm2KeisanSaikoro",
      .menuButton = "cmdKeisanSaikoro",
      .menuCaption = "計算・さいころ",
      .menuLabel = "lblCompSaiko",
      .description =
          "サイコロの裏の目数の計算を行う。（サイコロの裏表の目の合計は７）。計算力と視覚力が向上す"
          "る。",
      .tenQuestionRuns = true,
  };
  explicit Frm2KeisanSaikoro(ui::Services& services);

  // Before the first run, a question on screen, the summary of a run.
  enum class Step : std::uint8_t { Idle, Asking, Summary };

 private:
  void onDrillLoad() override;
  void start();
  // Draws face v on die d.
  void MeHyouji(int d, int v);
  // The next question, or the end of the run.
  void SaikoroMondai();
  void answer();

  KeisanRun run_;
  SaikoroQuestion mondai_;
};

}  // namespace zunobi::drills
