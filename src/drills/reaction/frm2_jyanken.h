// The "じゃんけん" drill window: the opponent's hand and an instruction, the
// user answers with one of six buttons (three single hands, three pairs).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Jyanken final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm2Jyanken",
      .menuButton = "cmdJyanken",
      .menuCaption = "じゃんけん",
      .menuLabel = "lblJyan",
      .description =
          "提示されたじゃんけんの手と、求められた対応に合った手を答える。脳の活性化ができる。",
  };
  explicit Frm2Jyanken(ui::Services& services);

  // The steps of a round, each setting what the window shows.
  enum class Step : std::uint8_t { Loaded, Started, Dealt, Answered, ChoosingAgain, MinuteOver };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;

  void start();
  void deal();
  void answer(int code1, int code2);
  void breake();
  void show(Step step);
  std::string scoreText() const;

  std::array<std::string, 6> shijiBun_{};  // 1..5 used
  std::int16_t aiteNoTe_ = 0;
  std::int16_t shijiBangou_ = 0;
  std::int16_t seikaiCode_ = 0;
  bool ichiFunMode_ = false;
  ui::DateTime shimekiri_{};
  // Wider than the 16 bits of the other values: a run without time limit
  // may go on for as long as the user likes and must never overflow.
  std::int32_t mondaisuu_ = 0;
  std::int32_t seikaisuu_ = 0;
};

}  // namespace zunobi::drills
