// The toolkit's real modal message box, titled with the program's name.
#pragma once

#include "ui/services.h"

namespace zunobi::ui::qt {

class QtMessageBox final : public MessageBox {
 public:
  void show(std::string_view prompt) override;
};

}  // namespace zunobi::ui::qt
