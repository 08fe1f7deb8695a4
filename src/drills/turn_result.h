// What several drills show after a turn: the judgement of the previous
// question and the seconds the turn took.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zunobi::drills {

// How a window words its judgement: with or without the heading "（前問題）"
// (the judgement stands beside the next question), and "正解は" / "あなた"
// followed by "：" or by two ideographic spaces.
enum class JudgementStyle {
  HeadedColons,  // mental arithmetic
  Colons,        // memory arithmetic
  HeadedSpaces,  // dice, digit sequences
};
std::string judgementText(JudgementStyle style, bool right, std::string_view seikai,
                          std::string_view typed);
std::string judgementText(JudgementStyle style, bool right, int seikai, std::string_view typed);

// Seconds from start to end, both as seconds since midnight. A turn that
// passes midnight gains a day instead of going negative.
std::int32_t elapsedSeconds(std::int32_t kaishiByou, std::int32_t shuuryouByou);

}  // namespace zunobi::drills
