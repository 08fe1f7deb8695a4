// The "じゃんけん" drill window: the opponent's hand and an instruction, the
// user answers with one of six buttons (three single hands, three pairs).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "drills/deadline.h"
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

  // Choosing the instructions (at load, again, after the minute), ready to
  // deal, a question dealt, and answered.
  enum class Step : std::uint8_t { Loaded, Started, Dealt, Answered, ChoosingAgain, MinuteOver };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;

  void start();
  void deal();
  void answer(int code1, int code2);
  void breake();
  std::string scoreText() const;

  std::array<std::string, 6> ShijiBun_{};  // 1..5 used
  std::int16_t AiteNoTe_ = 0;
  std::int16_t ShijiBangou_ = 0;
  std::int16_t SeikaiCode_ = 0;
  // The end of the minute, armed only in the one-minute mode.
  Deadline Shimekiri_;
  // Wider than the 16 bits of the other values: a run without time limit
  // may go on for as long as the user likes and must never overflow.
  std::int32_t Mondaisuu_ = 0;
  std::int32_t Seikaisuu_ = 0;
};

}  // namespace zunobi::drills
