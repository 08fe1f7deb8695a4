// The riddle and reminiscence quiz windows: one engine, two question files.
#pragma once

#include <string_view>

#include "app/drill_window.h"

namespace zunobi::drills {

enum class QuizKind { Nazo, Quiz };

class Frm2Quiz final : public app::DrillWindow {
 public:
  static constexpr std::string_view kNazoName = "frm2Nazo";
  static constexpr std::string_view kQuizName = "frm2Quiz";
  Frm2Quiz(ui::Services& services, QuizKind kind);

  QuizKind kind() const { return kind_; }

 private:
  QuizKind kind_;
};

}  // namespace zunobi::drills
