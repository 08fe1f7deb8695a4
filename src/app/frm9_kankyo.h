// The maintenance window that builds the question files from the source
// lists. Opened beside the menu; the menu keeps its item hidden.
#pragma once

#include <string>
#include <string_view>

#include "data/quiz_preparation.h"
#include "ui/form.h"

namespace zunobi::app {

class Frm9Kankyo final : public ui::Form {
 public:
  static constexpr std::string_view kName = "frm9Kankyo";
  // Finds its folders from the program's folder.
  explicit Frm9Kankyo(ui::Services& services);

  // The design's lblMsg1 (18135 twips) would make a window wider than many
  // screens for a few buttons. The label keeps its place and height (two
  // lines at 9 points, enough for the longest message) but spans the window
  // with the design's 600-twip margins; the window ends 360 twips past the
  // buttons.
  static constexpr std::int32_t kClientWidth = 9600;
  static constexpr std::int32_t kClientHeight = 2895;

 private:
  void onLoad() override;
  void convert(data::QuizList list);
};

}  // namespace zunobi::app
