// The maintenance window that builds the question files from the source
// lists. Opened beside the menu; the menu keeps its item hidden.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/quiz_preparation.h"
#include "ui/form.h"

namespace zunobi::data {

class Frm9Kankyo final : public ui::Form {
 public:
  static constexpr std::string_view kName = "frm9Kankyo";
  // Finds its folders from the program's folder.
  explicit Frm9Kankyo(ui::Services& services);
  // Works on the folders beside `programFolder` instead.
  Frm9Kankyo(ui::Services& services, std::string programFolder);

  // lblMsg1 is one line wide enough for every message, and the window just
  // wider than it.
  static constexpr std::int32_t kClientWidth = 19335;
  static constexpr std::int32_t kClientHeight = 2895;

 private:
  void onLoad() override;
  void convert(QuizList list);

  std::optional<std::string> programFolder_;
};

}  // namespace zunobi::data
