// The "文章問題" drill window: an everyday document drawn at random, read as
// long as the user likes, then hidden while one question about it is asked;
// the answer brings the document back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/document_file.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Bunsyo final : public drills::DrillWindow {
 public:
  static constexpr DrillInfo kInfo{
      .formName = "frm2Bunsyo",
      .menuButton = "cmdMondai",
      .menuCaption = "文章問題",
      .menuLabel = "lblBun",
      .description = "表示された日常の定型文書を記憶し、出された質問に答える。記憶力が向上する。",
  };
  static constexpr std::string_view kReadFirst = "問題文を理解したら、「質問」ボタンをクリック";
  explicit Frm2Bunsyo(ui::Services& services);

  // The document number as shown: three digits, 7 → "007".
  static std::string documentNumberText(int n);

  // Each step offers one button. Trouble: the drawn document cannot be used;
  // lblSetumei says why.
  enum class Step { Loaded, Reading, Asked, Answered, Trouble };

 private:
  void onDrillLoad() override;
  void nextDocument();
  void ask();
  void answer();
  void trouble(const std::string& why);

  std::string DocNumber_;
  std::string DocText_;
  data::DocumentFile doc_;
  std::int32_t AskedQuestion_ = 0;
};

}  // namespace zunobi::drills
