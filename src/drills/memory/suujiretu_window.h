// The two digit-sequence drills: digits shown for a chosen time under their
// position numbers, then hidden and asked for in a random order of
// positions. A variant table supplies what differs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "drills/deadline.h"
#include "drills/drill_window.h"
#include "drills/memory/suujiretu_rules.h"
#include "drills/turn_result.h"
#include "ui/form.h"

namespace zunobi::drills {

inline constexpr int kMaxSuuji = 6;

struct SuujiretuVariant {
  DrillInfo info;
  std::string_view title;
  // Second line of the instructions: what to type.
  std::string_view answerInstruction;
  // Caption of fraMondai: the position numbers over the digit columns.
  std::string_view header;
  int digitCount = 4;  // 4 .. kMaxSuuji
  std::int32_t clientWidth = 0;
  std::int32_t clientHeight = 0;
  std::int32_t mondaiWidth = 0;
  std::int32_t shitumonHeight = 0;
  std::int32_t timeOverLeft = 0;
  std::int32_t timeOverWidth = 0;
  std::int32_t kotaeWidth = 0;
  double resultPoints = 12;  // lblKotae and lblKeikaJikan
  // The question text and the expected answer, from the sorted positions.
  std::string (*question)(std::span<const suujiretu::SortEntry> asked) = nullptr;
  std::string (*answer)(std::span<const suujiretu::SortEntry> asked) = nullptr;
};

inline constexpr std::string_view kSetumeiFirstLine =
    "①数字を選んだ記憶時間内で覚えてください（覚えたら「質問」ボタンをクリックする）";
inline constexpr std::string_view kTimeOverText =
    "！タイムオーバー　「質問」ボタンをクリックして続けてください";

class SuujiretuWindow final : public drills::DrillWindow {
 public:
  // "記憶・数字列１": four digits recalled in a random order of positions.
  static const SuujiretuVariant kSuujiretu1;
  // "記憶・数字列２": six digits, two pairs of them added as two-digit numbers.
  static const SuujiretuVariant kSuujiretu2;

  SuujiretuWindow(ui::Services& services, const SuujiretuVariant& variant);

  // The steps of a turn, in order.
  enum class Step : std::uint8_t { Idle, Memorising, TimedOut, Answering, Result };

 private:
  void onDrillLoad() override;
  void onDrillTick() override;
  void startTurn();
  void askQuestion();
  void judge();
  int memorisationSeconds() const;

  const SuujiretuVariant& variant_;
  int KiokuByou_ = 20;
  // The end of the time to memorise; acts once per turn.
  Deadline Shimekiri_;
  std::int32_t KaishiByou_ = 0;
  std::array<suujiretu::SortEntry, kMaxSuuji> entries_{};
  std::string Seikai_;
};

}  // namespace zunobi::drills
