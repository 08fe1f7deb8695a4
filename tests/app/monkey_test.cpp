// Every window, poked at random for a long while as an impatient user
// would: no exception escapes, every caption stays valid text, and the
// back button still returns to the menu at the end.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "data/folders.h"
#include "drills/drill_window.h"
#include "support/temp_folder.h"
#include "ui/services_real.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

namespace zunobi::app {
namespace {

bool validUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (int k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

const char* const kTyped[] = {"1", "0", "9", "-", " ", "１", "+", "12", "", "abc", "あ"};

// A program folder of its own: empty (every data file missing), or with a
// copy of the data that ships.
class ProgramFolderCopy {
 public:
  explicit ProgramFolderCopy(bool withData) {
    if (withData)
      for (const char* dir : {"file", "作業ファイル", "bun"}) {
        const auto from = std::filesystem::path(data::ProgramFolder()) / dir;
        if (std::filesystem::exists(from))
          std::filesystem::copy(from, root_ / dir, std::filesystem::copy_options::recursive);
      }
    scoped_.emplace(root_.path());
  }

 private:
  data::testing::TempFolder root_;
  std::optional<data::ScopedProgramFolder> scoped_;
};

class MonkeyTest : public ::testing::TestWithParam<bool> {};

TEST_P(MonkeyTest, NoWindowBreaksUnderRandomUse) {
  ProgramFolderCopy folder(GetParam());
  for (const std::string& name : formRegistry().names()) {
    if (name == Frm1Main::kName) continue;
    SCOPED_TRACE(name);
    ui::testing::FakeClock clock;
    ui::ClockSeededRandom random(clock);
    ui::testing::RecordingMessageBox box;
    ui::WindowManager manager(formRegistry(), clock, random, box);
    manager.show(Frm1Main::kName);
    manager.show(name);
    std::mt19937 pick(12345);
    auto leaves = [&](const ui::Form& f, const ui::Control& c) {
      if (auto* drill = dynamic_cast<const drills::DrillWindow*>(&f))
        return c.name() == drill->frame().backButton && c.index() == drill->frame().backIndex;
      return c.name() == "cmdToMain" || c.name() == "cmdClose";
    };

    for (int steps = 0; steps < 3000; ++steps) {
      auto form = manager.shared(name);
      ASSERT_NE(form, nullptr) << "left the window at step " << steps;
      const auto& controls = form->controls();
      const auto& c = *controls[pick() % controls.size()];
      if (leaves(*form, c)) continue;
      ASSERT_NO_THROW({
        switch (pick() % 6) {
          case 0:
          case 1:
            if (c.kind() == ui::ControlKind::Button || c.kind() == ui::ControlKind::OptionButton)
              form->click(c.name(), c.index());
            break;
          case 2:
            if (c.kind() == ui::ControlKind::TextBox) {
              form->type(c.name(), kTyped[pick() % std::size(kTyped)]);
              form->pressEnter(c.name());
            }
            break;
          case 3:
            clock.advance(pick() % 3 == 0 ? 61 : 1);
            form->tick();
            break;
          case 4:
            if (form->resizable())
              form->resize(3000 + static_cast<int>(pick() % 40000),
                           2000 + static_cast<int>(pick() % 30000));
            break;
          default:
            clock.advance(pick() % 90000);  // the clock may also pass midnight
            form->tick();
            break;
        }
      });
      ASSERT_FALSE(manager.ended());
    }

    auto form = manager.shared(name);
    ASSERT_NE(form, nullptr);
    for (const auto& c : form->controls()) EXPECT_TRUE(validUtf8(c->caption())) << c->id().text();
    if (auto* drill = dynamic_cast<drills::DrillWindow*>(form.get())) {
      const auto& frame = drill->frame();
      EXPECT_TRUE(form->showing(form->control(frame.backButton, frame.backIndex)));
      form->click(frame.backButton, frame.backIndex);
      // Back leads to a fresh menu, the only window left.
      EXPECT_EQ(manager.loadedNames(), std::vector<std::string>{std::string(Frm1Main::kName)});
      auto* menu = manager.find(Frm1Main::kName);
      ASSERT_NE(menu, nullptr);
      EXPECT_TRUE(menu->control("cmdEnd").hasFocus());
      EXPECT_FALSE(menu->control("mnuKankyo").visible());
    } else {
      // A side window leaves the menu it was opened beside.
      EXPECT_NE(manager.find(Frm1Main::kName), nullptr);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DataFolders, MonkeyTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Shipped" : "Missing"; });

}  // namespace
}  // namespace zunobi::app
