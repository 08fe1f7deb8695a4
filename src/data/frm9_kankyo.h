// The maintenance window that builds the question files from the source
// lists. Opened beside the menu; the menu keeps its item hidden.
#pragma once

#include <string_view>

#include "ui/form.h"

namespace zunobi::data {

class Frm9Kankyo final : public ui::Form {
 public:
  static constexpr std::string_view kName = "frm9Kankyo";
  explicit Frm9Kankyo(ui::Services& services);

 private:
  void onLoad() override;
};

}  // namespace zunobi::data
