// The riddle and reminiscence quiz windows: one engine, two question files.
#pragma once

#include <string_view>

#include "data/quiz_preparation.h"
#include "drills/drill_window.h"

namespace zunobi::drills {

class Frm2Quiz final : public drills::DrillWindow {
 public:
  static constexpr std::string_view kNazoName = "frm2Nazo";
  static constexpr std::string_view kQuizName = "frm2Quiz";
  Frm2Quiz(ui::Services& services, data::QuizList kind);

  data::QuizList kind() const { return kind_; }

 private:
  data::QuizList kind_;
};

}  // namespace zunobi::drills
