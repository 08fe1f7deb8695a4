#include "drills/turn_result.h"

#include "ui/form.h"
#include "ui/text.h"

namespace zunobi::drills {

std::string judgementText(JudgementStyle style, bool right, std::string_view seikai,
                          std::string_view typed) {
  std::string text;
  if (style != JudgementStyle::Colons) {
    text = "（前問題）";
    text += ui::kCrLf;
  }
  if (right) return text + "○";
  const bool spaced = style == JudgementStyle::HeadedSpaces;
  text += spaced ? "正解は　　" : "正解は：";
  text += seikai;
  text += ui::kCrLf;
  text += spaced ? "あなた　　" : "あなた：";
  text += typed;
  return text;
}

std::string judgementText(JudgementStyle style, bool right, int seikai, std::string_view typed) {
  return judgementText(style, right, ui::decimal(seikai), typed);
}

std::int32_t elapsedSeconds(std::int32_t kaishiByou, std::int32_t shuuryouByou) {
  constexpr std::int32_t kDay = 86400;
  std::int32_t keika = shuuryouByou - kaishiByou;
  if (keika < 0) keika += kDay;
  return keika;
}

}  // namespace zunobi::drills
