// The "もぐらたたき" drill window: a 3 × 3 grid of buttons, one of which
// shows the mole on every other tick of a 21-tick game.
#pragma once

#include <cstdint>
#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm20Mogura final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm20Mogura",
      .menuButton = "cmdMogura",
      .menuCaption = "もぐらたたき",
      .menuLabel = "lblMogu",
      .description =
          "○の表示されているボタンをクリックする。素早く対応することで、気分を喚起できる",
  };
  static constexpr int kCells = 9;
  static constexpr int kLastTick = 20;
  explicit Frm20Mogura(ui::Services& services);

  // Before the first game; a game's rest (from its start to its first mole);
  // a mole of this game up; the game over.
  enum class Step { Idle, Rest, MoleUp, Over };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;

  void layout();
  void start();
  void hit(int index);
  // A mole tick puts the mole up at `mole` and shows the whole grid; a rest
  // tick (kNoMole) hides every hole and turns it back to "×".
  static constexpr int kNoMole = -1;
  void showGrid(int mole);

  std::int16_t TimerKaisuu_ = 0;
  std::int16_t Atarisuu_ = 0;
};

}  // namespace zunobi::drills
